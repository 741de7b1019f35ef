#include "tests/import/doom_truth.h"

#include <algorithm>
#include <map>

using namespace qzedit;

namespace importtest {

namespace {

bool onSegment(const wad::Vertex& a, const wad::Vertex& b, double x, double y)
{
    const double cross = (static_cast<double>(b.x) - a.x) * (y - a.y) - (static_cast<double>(b.y) - a.y) * (x - a.x);
    return cross == 0 && x >= std::min(a.x, b.x) && x <= std::max(a.x, b.x) && y >= std::min(a.y, b.y) &&
           y <= std::max(a.y, b.y);
}

// The line crosses the ray from (x, y) towards greater y.
bool crossesRayUp(const wad::Vertex& a, const wad::Vertex& b, double x, double y)
{
    if (a.x == b.x || x < std::min(a.x, b.x) || x >= std::max(a.x, b.x)) return false;
    // The line's y at x is above y: (y - a.y) * (b.x - a.x) < (x - a.x) * (b.y - a.y), by the sign of b.x - a.x.
    const double left = (y - a.y) * (static_cast<double>(b.x) - a.x);
    const double right = (x - a.x) * (static_cast<double>(b.y) - a.y);
    return b.x > a.x ? left < right : left > right;
}

}  // namespace

PointSectors sectorsAt(const wad::DoomMap& map, double x, double y)
{
    PointSectors result;
    std::set<int32_t> onLine;
    std::map<int32_t, int> crossings;
    for (const wad::Linedef& line : map.linedefs) {
        const wad::Vertex& a = map.vertexes[line.v1];
        const wad::Vertex& b = map.vertexes[line.v2];
        const int32_t front = map.sectorOf(line.front);
        const int32_t back = line.back == wad::kNoSide ? -1 : map.sectorOf(line.back);
        if (onSegment(a, b, x, y)) {
            onLine.insert(front);
            if (back >= 0) onLine.insert(back);
        }
        if (front == back || !crossesRayUp(a, b, x, y)) continue;
        ++crossings[front];
        if (back >= 0) ++crossings[back];
    }
    if (!onLine.empty()) {
        result.sectors = onLine;
        return result;
    }
    for (const auto& [sector, count] : crossings)
        if (count % 2 == 1) result.sectors.insert(sector);
    return result;
}

}  // namespace importtest
