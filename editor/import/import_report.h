#pragma once
#include <string>

#include "editor/import/map_import.h"

namespace qzedit {

namespace wad {

// The import report: what was converted, what was dropped (Doom features without a counterpart),
// what was cut, and what the engine's area lookup cannot do for the map. One item per line.
std::string importReport(const std::string& mapName, const ImportedMap& imported);

}  // namespace wad

}  // namespace qzedit
