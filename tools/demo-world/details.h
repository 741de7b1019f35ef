#pragma once
#include <cstdint>

#include "tools/demo-world/canvas.h"

namespace qzdemo {

// The whole canvas as brushed metal: fine horizontal streaks over broad cloudy stains.
void brushedMetal(Canvas& canvas, Ramp ramp, float shade, uint32_t seed);

// A domed rivet head, lit from the top left, with a shadow ring on the plate around it.
void drawRivet(Canvas& canvas, int centreX, int centreY, int radius, Ramp ramp);

// Distance from (x, y) to the segment from (ax, ay) to (bx, by).
float segmentDistance(float x, float y, float ax, float ay, float bx, float by);

// The canvas rectangle's rim raised (positive light) or sunk (negative) by width pixels.
void bevelRectangle(Canvas& canvas, int left, int top, int width, int height, int rim, float light);

}  // namespace qzdemo
