#pragma once
#include <cstdint>

#include "engine/engine_state.h"
#include "platform/gdi.h"

// The Edit menu's test commands. Each shows its result and then restores the display objects it
// changed (overlay image, palette), so the viewer looks as before once the test is done.
namespace engine::viewer {

// The entry of the logical palette (0..254) nearest to pure red; the lowest index on ties.
uint8_t nearestToRed(const qz::LOGPALETTE& palette);

// Cut: one frame with overlay image 2 recoloured red, and the viewer's position in the status bar.
void redOverlayTest(qz::Handle window);

// Copy: "floor00.bmp" through the flat loader, shown at (10, 10) with a red-ramp palette, and the
// test bitmap's handle in a message box.
void floorBitmapTest(qz::Handle window);

}  // namespace engine::viewer
