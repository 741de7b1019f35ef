#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "format/map_file_contents.h"

namespace qzedit {

// Why the editor refuses a file: it is not a map file at all, or a block or directory entry lies
// outside the file, a count is outside the map's tables, or a wall is too long for its length to
// be stored.
struct MapFileDamage {
    std::string reason;
    bool notAMapFile = false;
};

// Reads every block of the file's bytes with the map object's tables as limits, the header's
// magic checked first, and the walls' lengths computed. Throws MapFileDamage.
mapfile::MapFileContents parseMapFile(const std::vector<uint8_t>& bytes);

// "walls", "compiled walls", "viewpoints", "areas", "globals", or "unknown".
const char* blockTypeName(int32_t type);

}  // namespace qzedit
