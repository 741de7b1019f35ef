#pragma once
#include <cstdint>

#include "engine/frame_output.h"

// The own viewer window's side of the frame output: the engine copies every frame itself to the
// window, 50 pixels below the top of its client area (under the toolbar).
namespace engine::viewer {

inline constexpr int32_t kFrameTop = 50;

class OwnWindowOutput : public FrameOutput {
public:
    // A memory context compatible with the window's holds the frame bitmap, and the (still empty)
    // frame is shown. The context of an earlier initialisation is released.
    void attach(uint32_t windowDC) override;
    // Realise the palette on the window's context and copy the frame.
    void present(uint32_t windowDC) override;
};

FrameOutput& ownWindowOutput();

}  // namespace engine::viewer
