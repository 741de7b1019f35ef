#pragma once
#include <cstdint>
#include <vector>

#include "editor/model/records.h"

// A plain, literal transcription of the BSP builder, without any of the builder's shortcuts: every
// candidate counts its cuts over the whole list, lists are walked through nextLineseg, and the
// records grow without a limit. The tests compare the real builder with it record for record.
namespace refbsp {

struct Result {
    std::vector<mapfile::BspNode> records;  // the whole compiled list, however long
    int32_t treeRoot = 0;
};

// Links walls[0 .. numWalls-1], builds the tree, puts the root first and converts ranges to end
// points, on a copy of the walls. numWalls must be at least 1.
Result build(const std::vector<mapfile::Wall>& walls, int32_t numWalls);

}  // namespace refbsp
