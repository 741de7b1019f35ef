#include "engine/viewer/viewer_window.h"

namespace engine::viewer {

ViewerWindow& viewerWindow()
{
    static ViewerWindow window;
    return window;
}

}  // namespace engine::viewer
