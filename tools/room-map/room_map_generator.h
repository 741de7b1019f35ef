#pragma once
// Deterministic maps of rooms for the BSP builder's tests and benchmark: closed polygons of walls of
// various sizes, one per cell of a jittered grid over the plane; long lines across the plane, each
// made of collinear walls that share their end points; and, on request, stars of walls crossing at
// one point, coordinates on a coarse grid and walls with part ranges.
#include <cstdint>

namespace qzedit {
class clsMap;
}

namespace qzgen {

struct RoomMapOptions {
    int32_t walls = 1000;            // exact number of walls of the map
    uint32_t seed = 1;
    int32_t crossingLines = -1;      // long lines across the plane; -1 means one per hundred walls
    int32_t snap = 1;                // every coordinate is a multiple of this
    double presetRangeShare = 0.0;   // share of walls given a part range, as read from a compiled file
    int32_t starWalls = 0;           // walls in stars: groups that all cross at their shared middle point
    int32_t cellSize = 512;          // rooms sit in square cells of this size
};

// Appends the walls and areas of such a map to map; the same options give the same map.
void generateRoomMap(qzedit::clsMap& map, const RoomMapOptions& options);

}  // namespace qzgen
