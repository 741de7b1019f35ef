// Walls against each other: the same wall twice, and walls whose lines cross.
#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>
#include <utility>

#include "editor/check/area_chains.h"
#include "editor/check/check_steps.h"
#include "editor/model/clsMap.h"
#include "platform/numbers.h"

namespace qzedit::check {

namespace {

constexpr int64_t kEngineLimit = 32768;

using Ends = std::tuple<int32_t, int32_t, int32_t, int32_t>;

Ends endsOf(const Wall& w) { return {w.x1, w.y1, w.x2, w.y2}; }

// Walls outside the engine's coordinates or without length have findings of their own; leaving
// them out here also keeps every product below within 64 bits.
bool comparable(const Wall& w)
{
    auto inside = [](int32_t v) { return v >= -kEngineLimit && v < kEngineLimit; };
    return inside(w.x1) && inside(w.y1) && inside(w.x2) && inside(w.y2) && (w.x1 != w.x2 || w.y1 != w.y2);
}

int sideOf(int64_t ax, int64_t ay, int64_t bx, int64_t by, int64_t px, int64_t py)
{
    const int64_t cross = (bx - ax) * (py - ay) - (by - ay) * (px - ax);
    return (cross > 0) - (cross < 0);
}

// The walls cross each other strictly: each one's end points lie on opposite sides of the other's
// line. Walls that only touch (at an end point, or an end on the other's line) are not cut apart.
bool cross(const Wall& a, const Wall& b)
{
    const int ab1 = sideOf(a.x1, a.y1, a.x2, a.y2, b.x1, b.y1);
    const int ab2 = sideOf(a.x1, a.y1, a.x2, a.y2, b.x2, b.y2);
    const int ba1 = sideOf(b.x1, b.y1, b.x2, b.y2, a.x1, a.y1);
    const int ba2 = sideOf(b.x1, b.y1, b.x2, b.y2, a.x2, a.y2);
    return ab1 * ab2 < 0 && ba1 * ba2 < 0;
}

std::pair<int64_t, int64_t> crossingPoint(const Wall& a, const Wall& b)
{
    const double ax = a.x2 - a.x1, ay = a.y2 - a.y1, bx = b.x2 - b.x1, by = b.y2 - b.y1;
    const double t = ((b.x1 - a.x1) * by - (b.y1 - a.y1) * bx) / (ax * by - ay * bx);
    return {std::llround(a.x1 + t * ax), std::llround(a.y1 + t * ay)};
}

}  // namespace

void checkDuplicates(const clsMap& map, Findings& findings)
{
    const std::vector<int32_t> owner = owningAreas(map);
    std::map<Ends, int32_t> firstWithEnds;
    for (int32_t i = 0; i < map.numWalls; ++i) {
        const Wall& w = map.wallRecord(i);
        if (!comparable(w)) continue;
        auto [it, fresh] = firstWithEnds.emplace(endsOf(w), i);
        // Two rooms that share a side each keep it in their own chain; a wall repeated within one
        // area, or outside every area, serves nothing.
        if (fresh || owner[static_cast<size_t>(i)] != owner[static_cast<size_t>(it->second)]) continue;
        const std::string repeats = "it repeats wall " + qz::decimal(it->second);
        if (owner[static_cast<size_t>(i)] == -1)
            findings.push_back({Severity::Warning, RecordKind::Wall, i,
                                repeats + " (the same end points in the same direction), so the engine draws and "
                                          "compiles both. Move one of them or give it other end points."});
        else
            findings.push_back({Severity::Error, RecordKind::Wall, i,
                                repeats + " of the same area (the same end points in the same direction): the "
                                          "engine's area lookup counts the crossing twice and misses the area below "
                                          "them. Move one of them or give it other end points."});
    }
    // A room built twice in the same place: the second can never be found.
    std::map<std::vector<Ends>, int32_t> firstWithOutline;
    for (int32_t area = 0; area < map.numAreas; ++area) {
        std::vector<Ends> outline;
        for (int32_t w : walkAreaChain(map, area).walls) outline.push_back(endsOf(map.wallRecord(w)));
        if (outline.empty()) continue;
        std::sort(outline.begin(), outline.end());
        auto [it, fresh] = firstWithOutline.emplace(std::move(outline), area);
        if (fresh) continue;
        findings.push_back({Severity::Warning, RecordKind::Area, area,
                            "its walls repeat those of area " + qz::decimal(it->second) +
                                " one for one, so the engine draws them twice and always finds area " +
                                qz::decimal(it->second) + " instead. Move it, or build it again elsewhere."});
    }
}

void checkCrossings(const clsMap& map, Findings& findings)
{
    std::vector<int32_t> order;
    for (int32_t i = 0; i < map.numWalls; ++i)
        if (comparable(map.wallRecord(i))) order.push_back(i);
    auto left = [&](int32_t i) { return std::min(map.wallRecord(i).x1, map.wallRecord(i).x2); };
    auto right = [&](int32_t i) { return std::max(map.wallRecord(i).x1, map.wallRecord(i).x2); };
    std::sort(order.begin(), order.end(), [&](int32_t a, int32_t b) { return left(a) < left(b); });

    std::vector<std::pair<int32_t, int32_t>> crossings;
    for (size_t k = 0; k < order.size(); ++k) {
        const Wall& a = map.wallRecord(order[k]);
        const int32_t aBottom = std::min(a.y1, a.y2), aTop = std::max(a.y1, a.y2);
        for (size_t m = k + 1; m < order.size() && left(order[m]) <= right(order[k]); ++m) {
            const Wall& b = map.wallRecord(order[m]);
            if (std::max(b.y1, b.y2) < aBottom || std::min(b.y1, b.y2) > aTop) continue;
            if (cross(a, b)) crossings.emplace_back(std::min(order[k], order[m]), std::max(order[k], order[m]));
        }
    }
    std::sort(crossings.begin(), crossings.end());
    for (const auto& [first, second] : crossings) {
        const auto [x, y] = crossingPoint(map.wallRecord(first), map.wallRecord(second));
        findings.push_back({Severity::Warning, RecordKind::Wall, first,
                            "it crosses wall " + qz::decimal(second) + " at about " + pointText(x, y) +
                                ", so the compile cuts both walls there. End both walls at that point if the crossing "
                                "is meant, or move one of them."});
    }
}

}  // namespace qzedit::check
