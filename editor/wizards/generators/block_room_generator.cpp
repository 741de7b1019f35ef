#include "editor/wizards/generators/block_room_generator.h"

#include <cmath>
#include <functional>

#include "editor/model/clsMap.h"
#include "platform/numbers.h"

namespace qzedit {

namespace {

struct Corner {
    int32_t x;
    int32_t y;
};

struct WallEnds {
    Corner from;
    Corner to;
};

// Places one wall given by its two corners in the outline's own frame.
using PlaceWall = std::function<WallEnds(int32_t u1, int32_t v1, int32_t u2, int32_t v2)>;

// Four walls as one area, corner k to corner k + 1, each placed by place.
void addOutline(clsMap& map, const std::array<std::array<int32_t, 2>, 4>& corners, const PlaceWall& place,
                const std::function<void(int k)>& beforeWall)
{
    map.startArea(map.numWalls, 0);
    const int32_t first = map.numWalls;
    for (int k = 0; k < 4; ++k) {
        beforeWall(k);
        const auto& from = corners[static_cast<size_t>(k)];
        const auto& to = corners[static_cast<size_t>((k + 1) % 4)];
        const WallEnds ends = place(from[0], from[1], to[0], to[1]);
        map.addWall(ends.from.x, ends.from.y, ends.to.x, ends.to.y, first, k == 3 ? -1 : first + k + 1);
    }
    map.endArea();
    map.wallRecord(first + 3).nextLineseg = -1;
}

void buildBlockRoom(clsMap& map, int16_t x, int16_t y, int16_t ceilHt, int16_t txr, int16_t angle,
                    const std::function<WallEnds(int32_t, int32_t, int32_t, int32_t, float)>& turnRoomWall)
{
    const float a = blockRoomRadians(angle);
    map.areaCeilHtEnd = ceilHt;

    map.floorHtBegin = 8;
    map.floorHtEnd = 20;
    map.ceilHtBegin = ceilHt;
    map.ceilHtEnd = ceilHt;
    map.txrBFloor = 3;
    map.txrFFloor = 1;
    map.txrBCeil = 3;
    map.txrFCeil = 1;
    map.txrWall = 3;
    map.setPasteWall(true, true);
    addOutline(
        map, kBlockRoomCorners,
        [&](int32_t u1, int32_t v1, int32_t u2, int32_t v2) { return turnRoomWall(u1, v1, u2, v2, a); }, [](int) {});

    map.floorHtBegin = 20;
    map.floorHtEnd = 120;
    map.txrBFloor = 3;
    map.txrFFloor = 3;
    map.txrBCeil = 1;
    map.txrFCeil = 3;
    map.setPasteWall(true, true);
    const double c = std::cos(static_cast<double>(a));
    const double s = std::sin(static_cast<double>(a));
    auto place = [&](int32_t u, int32_t v) {
        return Corner {qz::toLong(c * u - s * v + x), qz::toLong(s * u + c * v + y)};
    };
    addOutline(
        map, kBlockCorners,
        [&](int32_t u1, int32_t v1, int32_t u2, int32_t v2) { return WallEnds {place(u1, v1), place(u2, v2)}; },
        [&](int k) {
            if (k != 3) return;
            map.txrWall = txr;
            map.setPasteWall(true, true);
        });
}

}  // namespace

float blockRoomRadians(int16_t angle) { return static_cast<float>(angle * 0.017453); }

void wzCave(clsMap& map, int16_t x, int16_t y, int16_t, int16_t ceilHt, int16_t txr, int16_t angle)
{
    // Each wall's two corners go through the map's point buffer together.
    buildBlockRoom(map, x, y, ceilHt, txr, angle, [&map, x, y](int32_t u1, int32_t v1, int32_t u2, int32_t v2, float a) {
        map.tx1 = u1;
        map.ty1 = v1;
        map.tx2 = u2;
        map.ty2 = v2;
        map.TransformPts(a, x, y);
        return WallEnds {{map.tx1, map.ty1}, {map.tx2, map.ty2}};
    });
}

void wzSwitch(clsMap& map, int16_t x, int16_t y, int16_t, int16_t ceilHt, int16_t txr, int16_t angle)
{
    buildBlockRoom(map, x, y, ceilHt, txr, angle, [&map, x, y](int32_t u1, int32_t v1, int32_t u2, int32_t v2, float a) {
        return WallEnds {{map.RotX(u1, v1, a) + x, map.RotY(u1, v1, a) + y},
                         {map.RotX(u2, v2, a) + x, map.RotY(u2, v2, a) + y}};
    });
}

}  // namespace qzedit
