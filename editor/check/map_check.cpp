#include "editor/check/map_check.h"

#include <algorithm>

#include "editor/check/check_steps.h"
#include "editor/model/clsMap.h"

namespace qzedit::check {

std::vector<Finding> checkMap(const clsMap& map, const CheckOptions& options)
{
    Findings findings;
    checkCoordinates(map, findings);
    checkLengths(map, findings);
    checkWallHeights(map, findings);
    checkDuplicates(map, findings);
    checkCrossings(map, findings);
    checkTransparentWalls(map, findings);
    checkAreas(map, findings);
    checkViewerStart(map, findings);
    checkCompile(map, findings);
    if (options.header) checkTextures(map, *options.header, findings);
    std::stable_partition(findings.begin(), findings.end(),
                          [](const Finding& f) { return f.severity == Severity::Error; });
    return findings;
}

size_t errorCount(const std::vector<Finding>& findings)
{
    return static_cast<size_t>(
        std::count_if(findings.begin(), findings.end(), [](const Finding& f) { return f.severity == Severity::Error; }));
}

}  // namespace qzedit::check
