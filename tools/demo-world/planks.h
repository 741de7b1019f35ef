#pragma once
#include <cstdint>

#include "tools/demo-world/canvas.h"

namespace qzdemo {

// Boards running top to bottom, plankWidth wide, each with one nailed butt joint at a random row;
// dark gaps between boards, grain that breaks only at the joints.
void paintPlanks(Canvas& canvas, int plankWidth, float shade, uint32_t seed);

}  // namespace qzdemo
