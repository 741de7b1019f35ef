#pragma once
#include <string>
#include <vector>

#include "editor/import/wad_file.h"

namespace qzedit {

namespace wad {

// Classic Doom maps are what we convert; the other two layouts are named so that a refusal can say
// what the map is.
enum class MapFormat { Doom, Hexen, Udmf };

struct MapEntry {
    std::string name;  // E1M1 .. E9M9 or MAP01 .. MAP99
    size_t marker = 0; // index of the marker lump
    MapFormat format = MapFormat::Doom;
};

// The maps of the WAD in directory order; of two maps with one name the later wins, as in a PWAD
// loaded over an IWAD.
std::vector<MapEntry> listMaps(const WadFile& file);

// The lumps of one map that the conversion reads.
struct MapLumps {
    size_t things = 0, linedefs = 0, sidedefs = 0, vertexes = 0, sectors = 0;
};

// Throws WadError when the WAD has no map of that name, when the map is not in the classic Doom
// layout, or when one of the lumps is missing.
MapLumps findMapLumps(const WadFile& file, const std::string& mapName);

const char* formatName(MapFormat format);

}  // namespace wad

}  // namespace qzedit
