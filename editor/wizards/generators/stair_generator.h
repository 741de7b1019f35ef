#pragma once
#include <cstdint>

namespace qzedit {

class clsMap;

// One stair step: a square area of side `size` with the corners (x, y), (x, y + size),
// (x - size, y + size), (x - size, y), its walls taking `height` as the paste buffer's floor end
// height. Without `closing` the fourth side stays open and the third wall ends the chain.
// Always 0.
int16_t wzStair(clsMap& map, int16_t x, int16_t y, int16_t size, int16_t height, bool closing);

// The number of steps a flight of `count` stairs has: max(1, floor(count)) for a positive count.
int32_t stairSteps(double count);

// A flight of stairs from (startX, startY) towards smaller y, step i at startY - i * width and
// (i + 1) * heightInc high.
void buildStairs(clsMap& map, int16_t startX, int16_t startY, int16_t width, int16_t heightInc, double count);

}  // namespace qzedit
