#pragma once
#include <string>

#include "editor/import/map_import.h"
#include "editor/import/wad_file.h"

namespace qzedit {

namespace wad {

// Reads the named map and the heights of the WAD's wall textures, and imports the map.
// Throws WadError (or MapBeyondTables) with a message for the user.
ImportedMap importWadMap(const WadFile& file, const std::string& mapName, const ImportOptions& options);

}  // namespace wad

}  // namespace qzedit
