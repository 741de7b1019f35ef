#include "editor/import/sector_lookup.h"

#include <algorithm>
#include <limits>

namespace qzedit {

namespace wad {

std::optional<int32_t> sectorAt(const DoomMap& map, double x, double y)
{
    double nearest = std::numeric_limits<double>::infinity();
    std::optional<int32_t> found;
    for (const Linedef& line : map.linedefs) {
        const Vertex& a = map.vertexes[line.v1];
        const Vertex& b = map.vertexes[line.v2];
        if (a.y == b.y) continue;
        // Half-open in y, so a ray through a vertex meets one of the two lines joined there.
        if (y < std::min(a.y, b.y) || y >= std::max(a.y, b.y)) continue;
        const double crossingX = a.x + (y - a.y) * (b.x - a.x) / (b.y - a.y);
        const double distance = crossingX - x;
        if (distance < 0 || distance >= nearest) continue;
        nearest = distance;
        // Below zero: the point lies on the right of a -> b, the front side.
        const double side = (static_cast<double>(b.x) - a.x) * (y - a.y) - (static_cast<double>(b.y) - a.y) * (x - a.x);
        const int32_t sidedef = side <= 0 ? line.front : line.back;
        found = sidedef == kNoSide ? std::nullopt : std::optional<int32_t>(map.sectorOf(sidedef));
    }
    return found;
}

}  // namespace wad

}  // namespace qzedit
