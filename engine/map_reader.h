#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/engine_state.h"

// Reads the blocks of a binary map file (.mpb) for the engine, checking every count, position and
// tree link against the file and the tables, so that a damaged file is refused as a whole.
namespace engine {

struct WallBlock {
    std::vector<Node> nodes;
    double vx = 0.0, vy = 0.0;
    int32_t vz = 0;
    int16_t vd = 0;
    int32_t highestTexture = -1;
};

// The blocks the file holds; a kind the file lacks stays empty (the engine keeps its old table).
struct MapContents {
    std::optional<WallBlock> walls;
    std::optional<std::vector<Viewpoint>> viewpoints;
    std::optional<std::vector<Area>> areas;
    std::optional<std::vector<GlobalValue>> globals;
};

struct MapReadResult {
    MapContents contents;
    std::string fault;  // empty when the file was read; otherwise names the block and record
};

MapReadResult readMapContents(const std::vector<uint8_t>& bytes);

// Empty when the front/back links of the nodes form a tree rooted at node 0 (0 = no child, every
// node reached at most once); otherwise the fault.
std::string treeFault(const std::vector<Node>& nodes);

}  // namespace engine
