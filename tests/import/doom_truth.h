#pragma once
#include <cstdint>
#include <set>

#include "editor/import/doom_map.h"

namespace importtest {

// The sectors a point of the Doom map lies in, worked out from the Doom lines alone (in doubles,
// exact for the map's whole-unit vertices and a viewer's position): a sector holds the point when a ray from it towards greater y crosses the
// sector's own boundary lines an odd number of times (columns half-open, from the smaller x). A
// point on a line lies in the sectors on both sides of it; a point in the void in none.
struct PointSectors {
    std::set<int32_t> sectors;
};
PointSectors sectorsAt(const qzedit::wad::DoomMap& map, double x, double y);

}  // namespace importtest
