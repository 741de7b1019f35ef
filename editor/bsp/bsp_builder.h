#pragma once
#include <cstdint>
#include <optional>
#include <vector>

#include "editor/model/records.h"

namespace qzedit {

namespace bsp {

// The compiled wall list of a map: a BSP tree whose nodes are wall pieces, root first, child
// links 0 = none, each record's end points those of its piece.
struct CompiledTree {
    std::vector<BspNode> records;
    int32_t root = 0;  // the index the root was built at, before it changed places with record 0
};

// A tree, or, when it needs more records than a compiled map holds (2001), how many it needs:
// counted to the end, or only known to be more than the builder counts.
struct BuildResult {
    std::optional<CompiledTree> tree;
    int32_t recordsNeeded = 0;
    bool counted = true;
};

// Builds the tree of the walls, taken as one list in index order. The walls are not changed. A
// piece whose end point leaves the Long range raises overflow.
BuildResult buildBspTree(const std::vector<Wall>& walls);

// The builder counts this many records at most before it gives up on a map.
int32_t largestBuildCount();

}  // namespace bsp

}  // namespace qzedit
