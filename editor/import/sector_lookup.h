#pragma once
#include <cstdint>
#include <optional>

#include "editor/import/doom_map.h"

namespace qzedit {

namespace wad {

// The sector a point of the map lies in: the side, facing the point, of the nearest line that a
// ray from the point towards greater x meets. A point on a line takes the line's front sector.
// Nothing when that side has no sidedef (the point lies outside the map) or no line is met.
std::optional<int32_t> sectorAt(const DoomMap& map, double x, double y);

}  // namespace wad

}  // namespace qzedit
