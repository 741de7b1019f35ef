#pragma once
#include <cstdint>
#include <vector>

#include "editor/import/doom_map.h"
#include "editor/import/import_counts.h"
#include "editor/import/texture_catalogue.h"
#include "editor/import/wall_making.h"
#include "format/map_records.h"

namespace qzedit {

namespace wad {

// A Doom map turned into our records, before they go into a map object: the walls in map order
// with their area chains, and one area per imported sector that has lines.
struct ConvertedMap {
    std::vector<mapfile::Wall> walls;  // areaNum, areaFirst and areaNext set
    std::vector<mapfile::Area> areas;  // first wall, heights and name; bounding boxes are computed in the map
    std::vector<int32_t> areaSectors;  // the Doom sector of each area
    TextureCatalogue textures;
    ImportCounts counts;
};

// Converts the sectors marked in imported (one flag per sector) with their lines. Each area's
// walls follow one another in the map, in line order: a wall for every line side that faces the
// sector, so that the area's chain holds the sector's whole boundary, and a two-sided line between
// two imported sectors gives a wall facing each of them.
ConvertedMap convertMap(const DoomMap& map, const std::vector<bool>& imported, const TextureHeights& heights);

}  // namespace wad

}  // namespace qzedit
