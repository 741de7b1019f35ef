#pragma once
#include <array>
#include <cstdint>

namespace qzedit {

class clsMap;

// A 60 x 20 room with a raised 40 x 12 block centred in it, both turned by `angle` whole degrees
// about (x, y); one long side of the block shows texture `txr`. The cave turns the room's corners
// with TransformPts (rounding after (x, y) is added), the switch with RotX and RotY (rounding the
// turned offset, then adding (x, y)). The floor height is not used.
void wzCave(clsMap& map, int16_t x, int16_t y, int16_t floorHt, int16_t ceilHt, int16_t txr, int16_t angle);
void wzSwitch(clsMap& map, int16_t x, int16_t y, int16_t floorHt, int16_t ceilHt, int16_t txr, int16_t angle);

// The corner (u, v) of the room's outline in its own frame, walls in order: wall k runs from
// corner k to corner k + 1 (mod 4).
constexpr std::array<std::array<int32_t, 2>, 4> kBlockRoomCorners {{{-30, 10}, {-30, -10}, {30, -10}, {30, 10}}};
constexpr std::array<std::array<int32_t, 2>, 4> kBlockCorners {{{-20, 6}, {-20, -6}, {20, -6}, {20, 6}}};

// The farthest any corner lies from the centre, rounded up: the room's reach at any angle.
constexpr int32_t kBlockRoomReach = 32;

// An angle in whole degrees as the generators turn by it: degrees times 0.017453, in single precision.
float blockRoomRadians(int16_t angle);

}  // namespace qzedit
