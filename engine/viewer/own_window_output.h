#pragma once
#include <cstdint>

// The own viewer window's side of the frame output: the engine copies every frame itself to the
// window, 50 pixels below the top of its client area (under the toolbar).
namespace engine::viewer {

inline constexpr int32_t kFrameTop = 50;

// After the frame bitmap is made: a memory context compatible with the window's holds it, and the
// (still empty) frame is shown. The context of an earlier initialisation is released.
void attachFrameToWindow(uint32_t windowDC);

// After a frame is rendered: realise the palette on the window's context and copy the frame.
void copyFrameToWindow(uint32_t windowDC);

}  // namespace engine::viewer
