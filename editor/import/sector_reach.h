#pragma once
#include <cstdint>
#include <vector>

#include "editor/import/doom_map.h"

namespace qzedit {

namespace wad {

// The sectors the player can reach from the start sector, through two-sided lines and through
// teleporter lines (to the sectors their tag names), in the order a breadth-first walk meets them
// (lines in index order): the rooms nearest the start come first.
std::vector<int32_t> sectorsByReach(const DoomMap& map, int32_t startSector);

}  // namespace wad

}  // namespace qzedit
