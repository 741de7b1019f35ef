#pragma once
#include <cstdint>

namespace qzedit {

class clsMap;

enum class RoomType { Empty = 0, MultiPillar = 1 };

// The room wizard's numbers, already rounded to 16 bits.
struct RoomParameters {
    int16_t numSides;
    int16_t sideSize;
    int16_t startX;
    int16_t startY;
    int16_t numPillars;
    int16_t numPillarSides;
    int16_t numColumns;
    int16_t ceilingHeight;
};

// A room whose first corner is the start point. A multi-pillar room gets its pillars (a row 250
// units in, 200 apart) and its octagonal columns (a row 1000 units in, 400 apart, wall textures 6
// and 8 in turn) before the solid surrounding walls.
void makeRoom(clsMap& map, RoomType type, const RoomParameters& p);

// Where makeRoom puts the first corner of pillar i and of column j.
int32_t pillarX(int32_t startX, int32_t i);
int32_t pillarY(int32_t startY);
int32_t columnX(int32_t startX, int32_t j);
int32_t columnY(int32_t startY);

constexpr int16_t kPillarSideLength = 100;
constexpr int16_t kColumnSides = 8;
constexpr int16_t kColumnSideLength = 100;

}  // namespace qzedit
