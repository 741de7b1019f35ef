// Each wall on its own: where its end points lie, its length and its heights.
#include "editor/check/check_steps.h"
#include "editor/model/clsMap.h"
#include "platform/numbers.h"

namespace qzedit::check {

namespace {

// The engine takes end points as 16-bit numbers when it tests the viewer's moves against walls.
constexpr int32_t kLowestCoordinate = -32768;
constexpr int32_t kHighestCoordinate = 32767;

bool inEngineRange(int32_t value) { return value >= kLowestCoordinate && value <= kHighestCoordinate; }

void add(Findings& findings, Severity severity, int32_t wall, std::string text)
{
    findings.push_back({severity, RecordKind::Wall, wall, std::move(text)});
}

}  // namespace

std::string pointText(int64_t x, int64_t y) { return "(" + qz::decimal(x) + ", " + qz::decimal(y) + ")"; }

void checkCoordinates(const clsMap& map, Findings& findings)
{
    for (int32_t i = 0; i < map.numWalls; ++i) {
        const Wall& w = map.wallRecord(i);
        for (const auto& [x, y] : {std::pair {w.x1, w.y1}, std::pair {w.x2, w.y2}}) {
            if (inEngineRange(x) && inEngineRange(y)) continue;
            add(findings, Severity::Error, i,
                "its end point " + pointText(x, y) + " is outside the coordinates the engine takes (" +
                    qz::decimal(kLowestCoordinate) + " to " + qz::decimal(kHighestCoordinate) +
                    "). Move the wall inside that range.");
            break;
        }
    }
}

void checkLengths(const clsMap& map, Findings& findings)
{
    for (int32_t i = 0; i < map.numWalls; ++i) {
        const Wall& w = map.wallRecord(i);
        if (w.x1 != w.x2 || w.y1 != w.y2) continue;
        add(findings, Severity::Error, i,
            "it starts and ends at " + pointText(w.x1, w.y1) +
                ", so it has no length and the engine never shows it. Move one of its end points.");
    }
}

void checkWallHeights(const clsMap& map, Findings& findings)
{
    for (int32_t i = 0; i < map.numWalls; ++i) {
        const Wall& w = map.wallRecord(i);
        if (w.floorHtBegin > w.ceilHtEnd)
            add(findings, Severity::Error, i,
                "the floor in front, Floor(h1) " + qz::decimal(w.floorHtBegin) +
                    ", is above the ceiling in front, End Ceil(h4) " + qz::decimal(w.ceilHtEnd) +
                    ". Lower Floor(h1) or raise End Ceil(h4).");
        // Equal middle heights make the wall solid; only an opening has a floor and ceiling behind.
        if (w.floorHtEnd > w.ceilHtBegin)
            add(findings, Severity::Error, i,
                "the floor behind, End Floor(h2) " + qz::decimal(w.floorHtEnd) +
                    ", is above the ceiling behind, Begin Ceil(h3) " + qz::decimal(w.ceilHtBegin) +
                    ". Lower End Floor(h2) or raise Begin Ceil(h3); make them equal for a solid wall.");
    }
}

}  // namespace qzedit::check
