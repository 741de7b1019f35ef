#include "engine/area_lookup.h"

#include <algorithm>
#include <cmath>

#include "engine/engine_state.h"

namespace engine {

namespace {

constexpr int32_t kLargestArea = 32000000;
constexpr int32_t kMaxBoundaryNodes = 201;

// Whether the vertical line through X meets the node, so that its crossing above the point counts.
// A node covers the columns from its smaller x up to, not including, its larger x: where two
// nodes of a chain meet, the column of the joint is covered by exactly one of them when the
// boundary passes through it, and by neither or both when it turns back, so each crossing of the
// boundary counts once.
bool spansColumn(const Node& n, double x)
{
    if (n.x1 == n.x2) return false;
    const double low = std::min(n.x1, n.x2), high = std::max(n.x1, n.x2);
    return x >= low && x < high;
}

// The point is below the node's line at X. Slope, offset and line height are Singles; the
// arithmetic between them is Double, as the values are mixed with Longs.
bool pointBelowLine(const Node& n, double x, double y)
{
    auto slope = static_cast<float>((static_cast<double>(n.y2) - n.y1) / (static_cast<double>(n.x2) - n.x1));
    auto offset = static_cast<float>(static_cast<double>(n.y1) - static_cast<double>(n.x1) * slope);
    auto lineY = static_cast<float>(x * slope + offset);
    return y < lineY;
}

bool insideArea(const EngineState& s, const Area& area, double x, double y)
{
    int32_t count = 1;
    int32_t k = area.areaFirstWall;
    for (int32_t visited = 0; k != -1 && visited < kMaxBoundaryNodes; ++visited) {
        // A link outside the node table ends the chain.
        if (k < 0 || k >= s.nodeCount) break;
        const Node& n = s.nodes[static_cast<size_t>(k)];
        if (spansColumn(n, x) && pointBelowLine(n, x, y)) ++count;
        k = n.areaNext;
    }
    return count % 2 == 0;
}

}  // namespace

int32_t findArea() { return findAreaAt(state().viewX, state().viewY); }

// The point is tested where it is, not rounded to whole units: rounding would put a viewer standing
// within half a unit of a room's far wall onto that wall, and so outside the room, where gravity
// no longer holds the eye over the floor.
int32_t findAreaAt(double x, double y)
{
    const EngineState& s = state();
    if (!std::isfinite(x) || !std::isfinite(y)) return -1;
    int32_t best = -1;
    int32_t bestSize = kLargestArea;
    for (int32_t i = 0; i < s.areaCount; ++i) {
        const Area& area = s.areas[static_cast<size_t>(i)];
        if (x < area.areaBbLeft || x > area.areaBbRight || y < area.areaBbTop || y > area.areaBbBottom) continue;
        if (insideArea(s, area, x, y) && area.areaSqArea < bestSize) {
            best = i;
            bestSize = area.areaSqArea;
        }
    }
    return best;
}

std::string findAreaName(int32_t index)
{
    const EngineState& s = state();
    if (index < 0 || index >= s.areaCount) return {};
    const Area& area = s.areas[static_cast<size_t>(index)];
    return area.areaName.str();
}

}  // namespace engine
