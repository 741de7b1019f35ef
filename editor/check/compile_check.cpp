// The compile: a compiled map holds at most 2001 records, and crossing lines cut walls into more.
#include "editor/bsp/bsp_builder.h"
#include "editor/check/check_steps.h"
#include "editor/model/clsMap.h"
#include "platform/numbers.h"
#include "platform/run_error.h"

namespace qzedit::check {

void checkCompile(const clsMap& map, Findings& findings)
{
    if (map.numWalls == 0) return;
    std::vector<Wall> walls;
    for (int32_t i = 0; i < map.numWalls; ++i) walls.push_back(map.wallRecord(i));
    bsp::BuildResult result;
    try {
        result = bsp::buildBspTree(walls);
    } catch (const qz::RunError&) {
        findings.push_back({Severity::Error, RecordKind::Map, -1,
                            "the compile fails: a wall piece it cuts lies outside the numbers a map can hold. Bring "
                            "the walls outside the engine's coordinates back inside them."});
        return;
    }
    if (result.tree) return;
    const std::string need = result.counted ? qz::decimal(result.recordsNeeded)
                                            : "more than " + qz::decimal(bsp::largestBuildCount());
    findings.push_back({Severity::Error, RecordKind::Map, -1,
                        "the compile needs " + need + " wall records, but a compiled map holds at most " +
                            qz::decimal(clsMap::kWallSlots) +
                            ", so the preview and Compile and save map binary will refuse it. Use fewer walls, or "
                            "fewer walls whose lines cut across others (each cut adds a record)."});
}

}  // namespace qzedit::check
