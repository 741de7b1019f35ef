#pragma once
#include <string>

#include "format/map_file_contents.h"

namespace mapfile {

// The blocks of a map file as JSON text, every stored field of every record: the wall block's type
// (0 without one), the viewer start (null without a wall block) and the walls, viewpoints, areas
// and globals, one record a line. Fixed texts are UTF-8 with their trailing spaces.
std::string mapJson(const MapFileContents& contents);

}  // namespace mapfile
