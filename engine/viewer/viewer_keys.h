#pragma once
#include <cstdint>

#include "platform/gdi.h"

// The viewer's keyboard: held keys for the tick, and one-shot keys for the view and the
// diagnostic files.
namespace engine::viewer {

inline constexpr uint32_t kKeyA = 0x41;
inline constexpr uint32_t kKeyC = 0x43;
inline constexpr uint32_t kKeyN = 0x4E;
inline constexpr uint32_t kKeyZ = 0x5A;
inline constexpr int32_t kLookStep = 6;

// Where Shift+Tab places the viewer.
inline constexpr double kPlacementX = 1899.53730748543;
inline constexpr double kPlacementY = 1209.3491292387;
inline constexpr int16_t kPlacementAngle = 36;

void keyDown(uint32_t virtualKey);
void keyUp(uint32_t virtualKey);

}  // namespace engine::viewer
