#include "tests/support/check_maps.h"

#include <initializer_list>
#include <utility>

#include "editor/model/clsMap.h"

using qzedit::clsMap;

namespace qztest {

namespace {

// A closed area through the points, each wall from one point to the next and the last back to the first.
void addOutline(clsMap& map, const char* name, std::initializer_list<std::pair<int32_t, int32_t>> points)
{
    map.areaName = name;
    const int32_t first = map.numWalls;
    map.startArea(first, 0);
    const auto* p = points.begin();
    const int32_t count = static_cast<int32_t>(points.size());
    for (int32_t k = 0; k < count; ++k) {
        const auto& from = p[k];
        const auto& to = p[(k + 1) % count];
        map.addWall(from.first, from.second, to.first, to.second, first, k + 1 < count ? first + k + 1 : -1);
    }
    map.endArea();
    map.areaName.clear();
}

void startNamedArea(clsMap& map, const char* name, int32_t first)
{
    map.areaName = name;
    map.startArea(first, 0);
    map.areaName.clear();
}

}  // namespace

void buildEveryFindingMap(clsMap& map)
{
    addOutline(map, "Room", {{0, 0}, {400, 0}, {400, 400}, {0, 400}});
    map.wallRecord(3).areaNext = 4;
    map.addWall(50, 50, 50, 50, 0, -1);
    qzedit::Wall& textured = map.wallRecord(0);
    textured.txrWall = 5;
    textured.txrFFloor = 3;
    map.wallRecord(1).floorHtBegin = 200;
    qzedit::Wall& grate = map.wallRecord(2);
    grate.wallFlags = qzedit::kWallTransparent;
    grate.floorHtEnd = grate.floorHtBegin;

    startNamedArea(map, "Open", 5);
    map.addWall(600, 0, 700, 0, 5, 6);
    map.addWall(700, 0, 700, 100, 5, 7);
    map.addWall(700, 100, 610, 0, 5, -1);
    map.endArea();
    map.areaRecord(1).areaFloorHtBegin = 300;

    startNamedArea(map, "Link", 8);
    map.addWall(600, 200, 700, 200, 8, -1);
    map.endArea();
    map.wallRecord(8).areaNext = 3000;

    startNamedArea(map, "Loop", 9);
    map.addWall(600, 300, 700, 300, 9, 10);
    map.addWall(700, 300, 600, 300, 9, -1);
    map.endArea();
    map.wallRecord(10).areaNext = 9;

    startNamedArea(map, "Empty", -1);

    map.addWall(800, 0, 900, 0, -1, -1);
    addOutline(map, "Cross", {{1000, 0}, {1100, 100}, {1100, 0}, {1000, 100}});
    map.addWall(800, 0, 900, 0, -1, -1);
    map.addWall(32760, 0, 32800, 0, -1, -1);
    addOutline(map, "Huge", {{2000, 2000}, {12000, 2000}, {12000, 6000}, {2000, 6000}});

    map.vx = -500;
    map.vy = -500;
}

std::string headerWithThreeWallsAndTwoFlats()
{
    return "[Quarzite3D]\nmap=every.mpb\npal=palette.bmp\nnumWalls=3\nnumFloors=2\nnumCeilings=1\n"
           "[Walls]\n1=a.bmp\n2=b.bmp\n3=c.bmp\n[Floors]\n1=f.bmp\n2=g.bmp\n[Ceilings]\n1=c.bmp\n";
}

}  // namespace qztest
