#pragma once

#include "engine/engine_state.h"

// Fixed images drawn over the finished frame.
namespace engine::render {

// The 114 x 64 overlay at the bottom centre of the frame (image 2 while the toggle is 1).
void drawOverlay(EngineState& state);

// Every particle paints its pixel with palette index 0 and falls one row, wrapping to the top.
void drawSnow(EngineState& state);

}  // namespace engine::render
