#pragma once
#include <cstdint>
#include <vector>

#include "format/map_file_contents.h"

namespace mapfile {

// The file's bytes: header, the blocks present in the order walls, viewpoints, areas, globals,
// and the directory after them. The contents' own directory is not looked at.
std::vector<uint8_t> writeMapFile(const MapFileContents& contents);

}  // namespace mapfile
