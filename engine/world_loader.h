#pragma once
#include <string>

#include "engine/map_reader.h"

namespace engine {

// Loads the map named by the header into the world tables. False when the file is missing ("No
// map") or damaged (a "Load Error" naming the fault); the engine then keeps the world it had.
bool LoadWorld(const std::string& mapName);

// Puts the blocks into the world tables (a kind the map lacks keeps its old table), sets the
// viewer start, and derives the map identifier, maximum step height and gravity from the globals.
void applyMapContents(const MapReadResult& read);

}  // namespace engine
