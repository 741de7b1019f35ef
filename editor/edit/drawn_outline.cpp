#include "editor/edit/drawn_outline.h"

#include <algorithm>

#include "editor/model/clsMap.h"
#include "platform/message_box.h"
#include "platform/numbers.h"

namespace qzedit {

namespace {

int sideOf(const MapPoint& a, const MapPoint& b, const MapPoint& p)
{
    const int64_t cross = (int64_t {b.x} - a.x) * (int64_t {p.y} - a.y) - (int64_t {b.y} - a.y) * (int64_t {p.x} - a.x);
    return (cross > 0) - (cross < 0);
}

}  // namespace

int64_t twiceSignedArea(const std::vector<MapPoint>& corners)
{
    int64_t sum = 0;
    for (size_t k = 0; k < corners.size(); ++k) {
        const MapPoint& p = corners[k];
        const MapPoint& q = corners[(k + 1) % corners.size()];
        sum += int64_t {p.x} * q.y - int64_t {q.x} * p.y;
    }
    return sum;
}

bool wallsCross(const MapPoint& a, const MapPoint& b, const MapPoint& c, const MapPoint& d)
{
    return sideOf(a, b, c) * sideOf(a, b, d) < 0 && sideOf(c, d, a) * sideOf(c, d, b) < 0;
}

Outcome roomForNewRecords(const clsMap& map, int32_t walls, int32_t areas)
{
    const int32_t freeWalls = clsMap::kWallSlots - map.numWalls;
    const int32_t freeAreas = clsMap::kAreaSlots - map.numAreas;
    if (walls > freeWalls)
        return Outcome::failure("This needs " + qz::decimal(walls) + (walls == 1 ? " new wall" : " new walls") +
                                    ", but the map has room for only " +
                                    qz::decimal(std::max(freeWalls, 0)) + " more (it holds at most " +
                                    qz::decimal(clsMap::kWallSlots) + "). Nothing was added.",
                                "Map Full", qz::kMsgExclamation);
    if (areas > freeAreas)
        return Outcome::failure("This needs " + qz::decimal(areas) + (areas == 1 ? " new area" : " new areas") +
                                    ", but the map has room for only " +
                                    qz::decimal(std::max(freeAreas, 0)) + " more (it holds at most " +
                                    qz::decimal(clsMap::kAreaSlots) + "). Nothing was added.",
                                "Map Full", qz::kMsgExclamation);
    return {};
}

int32_t addDrawnRoom(clsMap& map, std::vector<MapPoint> corners)
{
    if (twiceSignedArea(corners) > 0) std::reverse(corners.begin(), corners.end());
    // The buffer's name would otherwise name the room after the area last shown.
    map.areaName.clear();
    map.startArea(map.numWalls, 0);
    const int32_t area = map.numAreas - 1;
    const int32_t first = map.numWalls;
    const int32_t count = static_cast<int32_t>(corners.size());
    for (int32_t k = 0; k < count; ++k) {
        const MapPoint& from = corners[static_cast<size_t>(k)];
        const MapPoint& to = corners[static_cast<size_t>((k + 1) % count)];
        const int32_t n = map.addWall(from.x, from.y, to.x, to.y, first, k + 1 < count ? first + k + 1 : -1);
        Wall& wall = map.wallRecord(n);
        wall.floorHtEnd = wall.ceilHtEnd;
        wall.ceilHtBegin = wall.ceilHtEnd;
    }
    map.endArea();
    map.wallRecord(first + count - 1).nextLineseg = -1;
    Area& room = map.areaRecord(area);
    room.areaFloorHtEnd = room.areaFloorHtBegin;
    room.areaCeilHtBegin = room.areaCeilHtEnd;
    return area;
}

void addDrawnWalls(clsMap& map, const std::vector<MapPoint>& points)
{
    for (size_t k = 0; k + 1 < points.size(); ++k) {
        const int32_t n = map.addWall(points[k].x, points[k].y, points[k + 1].x, points[k + 1].y, -1, -1);
        map.wallRecord(n).areaNum = -1;
    }
}

}  // namespace qzedit
