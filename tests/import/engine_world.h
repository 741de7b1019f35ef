#pragma once
#include <string>

#include "editor/model/clsMap.h"

namespace importtest {

// Compiles the map, writes the compiled file into the folder and loads it into the engine's world
// tables as a header's map would be; fails the test when a step fails.
void loadIntoEngine(qzedit::clsMap& map, const std::string& folder);

}  // namespace importtest
