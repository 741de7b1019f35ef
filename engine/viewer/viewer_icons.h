#pragma once

#include "platform/window_resources.h"

// The viewer's own pictures, drawn as character art: the Start button of the toolbar and the
// program icon (a quartz crystal).
namespace engine::viewer {

// The "TOOLBAR" strip: 21 images of 24 x 24 side by side; image 0 is the Start button, the
// others stay transparent since the toolbar shows only that button.
qz::ImageResource toolbarStrip();

qz::ImageResource programIcon();

}  // namespace engine::viewer
