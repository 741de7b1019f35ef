// Areas: their heights, their wall chains as the engine walks them, and the walls no chain reaches.
#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

#include "editor/check/area_chains.h"
#include "editor/check/check_steps.h"
#include "editor/check/engine_area_lookup.h"
#include "editor/model/clsMap.h"
#include "platform/numbers.h"

namespace qzedit::check {

namespace {

constexpr size_t kOpenEndsNamed = 3;

void add(Findings& findings, Severity severity, int32_t area, std::string text)
{
    findings.push_back({severity, RecordKind::Area, area, std::move(text)});
}

std::string wallRange(const clsMap& map)
{
    return map.numWalls > 0 ? "the map's walls are 0 to " + qz::decimal(map.numWalls - 1) : "the map has no walls";
}

// The walk's problem, if any, as a finding.
void reportChainEnd(const clsMap& map, int32_t area, const ChainWalk& walk, Findings& findings)
{
    switch (walk.end) {
    case ChainWalk::End::Whole:
        break;
    case ChainWalk::End::FirstOutside:
        add(findings, Severity::Error, area,
            "its first wall is " + qz::decimal(walk.badIndex) + ", which is not a wall of the map (" + wallRange(map) +
                "). Build the area again.");
        break;
    case ChainWalk::End::LinkOutside:
        add(findings, Severity::Error, area,
            "its chain goes from wall " + qz::decimal(walk.walls.back()) + " to wall " + qz::decimal(walk.badIndex) +
                ", which is not a wall of the map (" + wallRange(map) + "); the engine stops there. Build the area "
                "again.");
        break;
    case ChainWalk::End::Loop:
        add(findings, Severity::Error, area,
            "its chain runs in a circle: wall " + qz::decimal(walk.walls.back()) + " leads back to wall " +
                qz::decimal(walk.badIndex) + ", which the chain has already passed. Build the area again.");
        break;
    }
}

// The lookup counts crossings of the outline, whichever way each wall runs: closed outlines (holes
// included) meet an even number of wall ends at every point.
void checkClosed(const clsMap& map, int32_t area, const ChainWalk& chain, Findings& findings)
{
    std::map<std::pair<int32_t, int32_t>, int> ends;
    for (int32_t w : chain.walls) {
        const Wall& wall = map.wallRecord(w);
        ++ends[{wall.x1, wall.y1}];
        ++ends[{wall.x2, wall.y2}];
    }
    std::vector<std::pair<int32_t, int32_t>> open;
    for (const auto& [point, count] : ends)
        if (count % 2 != 0) open.push_back(point);
    if (open.empty()) return;
    std::string where;
    for (size_t k = 0; k < open.size() && k < kOpenEndsNamed; ++k)
        where += (k == 0 ? "" : ", ") + pointText(open[k].first, open[k].second);
    if (open.size() > kOpenEndsNamed) where += " and " + qz::decimal(static_cast<int64_t>(open.size() - kOpenEndsNamed)) + " more";
    add(findings, Severity::Error, area,
        "its walls do not close: the outline is open at " + where +
            ", so the engine cannot tell inside from outside. Join the walls' end points there.");
}

void checkHeights(const clsMap& map, int32_t area, Findings& findings)
{
    const Area& a = map.areaRecord(area);
    if (a.areaFloorHtBegin > a.areaCeilHtEnd)
        add(findings, Severity::Error, area,
            "its floor, Floor beg " + qz::decimal(a.areaFloorHtBegin) + ", is above its ceiling, Ceil end " +
                qz::decimal(a.areaCeilHtEnd) + ". Lower Floor beg or raise Ceil end.");
    if (a.areaFloorHtEnd > a.areaCeilHtBegin)
        add(findings, Severity::Error, area,
            "its floor, Floor end " + qz::decimal(a.areaFloorHtEnd) + ", is above its ceiling, Ceil beg " +
                qz::decimal(a.areaCeilHtBegin) + ". Lower Floor end or raise Ceil beg.");
}

void checkLookupLimits(const clsMap& map, int32_t area, const ChainWalk& chain, Findings& findings)
{
    const int32_t size = map.areaRecord(area).areaSqArea;
    if (size >= kLargestFindableArea)
        add(findings, Severity::Warning, area,
            "its bounding box covers " + qz::decimal(size) + " square units, and the engine finds only areas below " +
                qz::decimal(kLargestFindableArea) + ", so nobody can stand in it. Split it into smaller areas.");
    if (static_cast<int32_t>(chain.walls.size()) > kChainWallsFollowed)
        add(findings, Severity::Warning, area,
            "its chain has " + qz::decimal(static_cast<int64_t>(chain.walls.size())) +
                " walls, but the engine follows only the first " + qz::decimal(kChainWallsFollowed) +
                " when it looks for the area a viewer stands in. Split it into smaller areas.");
}

// A coordinate as a message shows it; values past any map are shown at the edge of the range.
int64_t roundedForText(double value)
{
    if (std::isnan(value)) return 0;
    return static_cast<int64_t>(std::clamp(std::nearbyint(value), -1e15, 1e15));
}

}  // namespace

void checkAreas(const clsMap& map, Findings& findings)
{
    for (int32_t area = 0; area < map.numAreas; ++area) {
        checkHeights(map, area, findings);
        if (map.areaRecord(area).areaFirstWall == -1) {
            add(findings, Severity::Warning, area,
                "it has no walls (its first wall is -1), so nobody can ever stand in it. Build walls for it or leave "
                "it out of the map.");
            continue;
        }
        const ChainWalk chain = walkAreaChain(map, area);
        reportChainEnd(map, area, chain, findings);
        if (chain.end == ChainWalk::End::Whole) checkClosed(map, area, chain, findings);
        checkLookupLimits(map, area, chain, findings);
    }
    const std::vector<int32_t> owner = owningAreas(map);
    for (int32_t w = 0; w < map.numWalls; ++w) {
        if (owner[static_cast<size_t>(w)] != -1) continue;
        findings.push_back({Severity::Warning, RecordKind::Wall, w,
                            "it belongs to no area (no area's chain reaches it): the engine draws it, but its area "
                            "lookup does not count it as the side of a room. Build it as part of a room if it bounds "
                            "one."});
    }
}

void checkViewerStart(const clsMap& map, Findings& findings)
{
    if (engineAreaAt(map, map.vx, map.vy) != -1) return;
    findings.push_back({Severity::Error, RecordKind::ViewerStart, -1,
                        "the viewer starts at " + pointText(roundedForText(map.vx), roundedForText(map.vy)) +
                            ", which lies in no area the engine can find, so the viewer starts outside every room. "
                            "Move the viewer start into a room (Set viewer to Insert Position)."});
}

}  // namespace qzedit::check
