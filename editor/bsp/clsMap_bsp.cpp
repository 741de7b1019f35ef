// The map's compile: the builder's tree becomes the map's compiled wall list.
#include <algorithm>

#include "editor/bsp/bsp_builder.h"
#include "editor/model/clsMap.h"
#include "platform/message_box.h"
#include "platform/numbers.h"
#include "platform/run_error.h"

namespace qzedit {

namespace {

constexpr int32_t kNone = -1;

Outcome tooManyRecords(const bsp::BuildResult& result)
{
    std::string need = result.counted ? qz::decimal(result.recordsNeeded)
                                      : "more than " + qz::decimal(bsp::largestBuildCount());
    return Outcome::failure("The BSP tree of this map needs " + need +
                                " wall records, but a compiled map holds at most " + qz::decimal(clsMap::kWallSlots) +
                                ". The map was not compiled.",
                            "Compile Error", qz::kMsgCritical);
}

}  // namespace

Outcome clsMap::createBSP()
{
    // Until a build succeeds the compiled list is empty, so nothing writes a partial tree.
    numTreeSegs = 0;
    treeRoot = 0;
    polishNextSeg();
    bsp::BuildResult result = bsp::buildBspTree(wallList());
    if (!result.tree) return tooManyRecords(result);
    const std::vector<BspNode>& records = result.tree->records;
    std::copy(records.begin(), records.end(), treeSegs_.begin());
    numTreeSegs = static_cast<int32_t>(records.size());
    treeRoot = result.tree->root;
    return {};
}

void clsMap::polishNextSeg()
{
    if (numWalls > kWallSlots) qz::raiseSubscript();
    if (numWalls <= 0) return;
    for (int32_t i = 0; i + 1 < numWalls; ++i) walls_[static_cast<size_t>(i)].nextLineseg = i + 1;
    walls_[static_cast<size_t>(numWalls - 1)].nextLineseg = kNone;
}

}  // namespace qzedit
