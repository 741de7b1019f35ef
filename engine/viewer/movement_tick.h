#pragma once
#include <cstdint>

#include "platform/gdi.h"

// The viewer's 50 ms tick: walk, turn and rise with the held keys, then draw a frame.
namespace engine::viewer {

inline constexpr uintptr_t kTimerId = 1;
inline constexpr uint32_t kTickMilliseconds = 50;

// A step along the view direction with the collision test and area lookup of MOVEVIEWER, but
// without a height change and without gravity.
void stepViewer(int32_t forward);

void movementTick(qz::Handle window);

}  // namespace engine::viewer
