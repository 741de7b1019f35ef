#include "editor/check/engine_area_lookup.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "editor/model/clsMap.h"

namespace qzedit::check {

namespace {

// A wall covers the columns from its smaller x up to, not including, its larger x, so that a
// boundary passing through a joint is crossed once.
bool spansColumn(const Wall& w, int64_t x)
{
    if (w.x1 == w.x2) return false;
    return x >= std::min(w.x1, w.x2) && x < std::max(w.x1, w.x2);
}

// Slope, offset and line height are kept in single precision, as the engine keeps them.
bool belowLine(const Wall& w, int64_t x, int64_t y)
{
    auto slope = static_cast<float>((static_cast<double>(w.y2) - w.y1) / (static_cast<double>(w.x2) - w.x1));
    auto offset = static_cast<float>(static_cast<double>(w.y1) - static_cast<double>(w.x1) * slope);
    auto lineY = static_cast<float>(static_cast<double>(x) * slope + offset);
    return static_cast<double>(y) < lineY;
}

bool insideChain(const clsMap& map, const Area& area, int64_t x, int64_t y)
{
    int32_t count = 1;
    int32_t k = area.areaFirstWall;
    for (int32_t visited = 0; k != -1 && visited < kChainWallsFollowed; ++visited) {
        if (k < 0 || k >= map.numWalls) break;
        const Wall& w = map.wallRecord(k);
        if (spansColumn(w, x) && belowLine(w, x, y)) ++count;
        k = w.areaNext;
    }
    return count % 2 == 0;
}

}  // namespace

int32_t engineAreaAt(const clsMap& map, double x, double y)
{
    const double rx = std::nearbyint(x), ry = std::nearbyint(y);
    constexpr double kLow = std::numeric_limits<int32_t>::min(), kHigh = std::numeric_limits<int32_t>::max();
    if (!(rx >= kLow && rx <= kHigh && ry >= kLow && ry <= kHigh)) return -1;
    const auto px = static_cast<int64_t>(rx), py = static_cast<int64_t>(ry);
    int32_t best = -1;
    int32_t bestSize = kLargestFindableArea;
    for (int32_t i = 0; i < map.numAreas; ++i) {
        const Area& area = map.areaRecord(i);
        if (px < area.areaBbLeft || px > area.areaBbRight || py < area.areaBbTop || py > area.areaBbBottom) continue;
        if (insideChain(map, area, px, py) && area.areaSqArea < bestSize) {
            best = i;
            bestSize = area.areaSqArea;
        }
    }
    return best;
}

}  // namespace qzedit::check
