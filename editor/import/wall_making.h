#pragma once
#include <string>
#include <unordered_map>

#include "editor/import/doom_map.h"
#include "editor/import/import_counts.h"
#include "editor/import/texture_catalogue.h"
#include "format/map_records.h"

namespace qzedit {

namespace wad {

// Texture heights by name, for the vertical alignment of wall textures; unknown names count as 128.
using TextureHeights = std::unordered_map<std::string, int>;

// One side of a line, as the wall facing that side's sector sees it.
struct LineSide {
    const Linedef* line = nullptr;
    bool reversed = false;          // the back side: the wall runs from v2 to v1
    const Sector* behind = nullptr; // the sector on the other side, or nullptr for a one-sided line
    bool behindImported = false;    // false makes the wall solid: a line to a room left out
};

// The wall facing one side of a line: its end points, the heights of the sectors on both sides,
// one texture of the sidedef with its offsets, the flats, and the sky bit. Adds to the counts
// what it drops.
mapfile::Wall makeWall(const DoomMap& map, const LineSide& side, TextureCatalogue& textures,
                       const TextureHeights& heights, ImportCounts& counts);

// The flat that shows the sky.
bool isSkyFlat(const std::string& flat);

}  // namespace wad

}  // namespace qzedit
