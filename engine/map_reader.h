#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "engine/engine_state.h"
#include "format/map_file_contents.h"

// Reads a binary map file (.mpb) for the engine: the map file's own checks with the engine's
// tables as limits, then the engine's: a viewer start that is a number and tree links that form a
// tree. A damaged file is refused as a whole.
namespace engine {

struct MapReadResult {
    mapfile::MapFileContents contents;  // node lengths computed
    int32_t highestTexture = -1;        // the greatest txrWall of the nodes read, -1 without any
    std::string fault;                  // empty when the file was read; otherwise names the block and record
};

MapReadResult readMapContents(const std::vector<uint8_t>& bytes);

// Empty when the front/back links of the nodes form a tree rooted at node 0 (0 = no child, every
// node reached at most once); otherwise the fault.
std::string treeFault(const std::vector<Node>& nodes);

}  // namespace engine
