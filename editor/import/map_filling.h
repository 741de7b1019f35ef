#pragma once
#include "editor/import/map_import.h"
#include "editor/model/clsMap.h"

namespace qzedit {

namespace wad {

// Replaces the map's contents with the imported map: its walls and areas through the map's own
// operations (so identities and bounding boxes are the map's), the viewer start and a viewpoint
// at player 1's start, gravity on and Doom's step height.
void fillMap(const ImportedMap& imported, clsMap& map);

}  // namespace wad

}  // namespace qzedit
