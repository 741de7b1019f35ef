#include <gtest/gtest.h>

#include <functional>

#include "editor/model/clsMap.h"
#include "platform/run_error.h"

using namespace qzedit;

namespace {

int errorNumberOf(const std::function<void()>& fn)
{
    try {
        fn();
    } catch (const qz::RunError& e) {
        return e.number();
    }
    return 0;
}

TEST(MapTables, DefaultsAfterConstruction)
{
    clsMap map;
    EXPECT_EQ(map.numWalls, 0);
    EXPECT_EQ(map.numAreas, 0);
    EXPECT_EQ(map.numViewpoints, 1);
    EXPECT_EQ(map.numGlobals, 6);
    EXPECT_EQ(map.back, -1);
    EXPECT_EQ(map.front, -1);
    EXPECT_EQ(map.floorHtBegin, 8);
    EXPECT_EQ(map.floorHtEnd, 16);
    EXPECT_EQ(map.ceilHtBegin, 64);
    EXPECT_EQ(map.ceilHtEnd, 128);
    EXPECT_EQ(map.txrWall, 1);
    EXPECT_EQ(map.txrBCeil, 1);
    EXPECT_EQ(map.nextLineseg, -1);
    EXPECT_EQ(map.tEnd, 1.0);
    EXPECT_EQ(map.areaFirst, -1);
    EXPECT_EQ(map.vx, 200.0);
    EXPECT_EQ(map.vy, 200.0);
    EXPECT_EQ(map.vz, 64);
    EXPECT_EQ(map.vd, 0);
    EXPECT_EQ(map.selWallNum, -1);
    EXPECT_EQ(map.selAreaNum, -1);
    EXPECT_EQ(map.selGlobalNum, 0);
    EXPECT_EQ(map.magX, 10);
    EXPECT_EQ(map.magY, 10);
    EXPECT_EQ(map.offsetX, 0);
    EXPECT_EQ(map.insertX, 100);
    EXPECT_EQ(map.insertY, 100);
    EXPECT_EQ(map.clickMode, 0);

    const Viewpoint& start = map.viewpointRecord(0);
    EXPECT_EQ(start.name.str(), "Initial position");
    EXPECT_EQ(start.x, 100);
    EXPECT_EQ(start.y, 100);
    EXPECT_EQ(start.z, 8);

    const char* names[] = {"MapID           ", "Floor Height    ", "Ceil Height     ",
                           "Overide CeilFloo", "Max Step Height ", "Gravity         "};
    const double values[] = {0, 8, 264, 0, 25, 1};
    for (int g = 0; g < 6; ++g) {
        map.getGlobal(g);
        EXPECT_EQ(map.globalID, 12000 + g);
        EXPECT_EQ(map.globalName, names[g]);
        if (g > 0) {
            EXPECT_EQ(map.globalValue, values[g]);
        }
    }

    EXPECT_EQ(map.drawColor(0), 255);
    EXPECT_EQ(map.drawColor(1), 255 * 256);
    EXPECT_EQ(map.drawColor(2), 255 * 65536);
    EXPECT_EQ(map.drawColor(3), 120 + 120 * 256);
    for (int c = 4; c < 11; ++c) EXPECT_EQ(map.drawColor(c) & 0xFF, 0) << "colour " << c << " has no red";
}

TEST(MapTables, WallTableHolds2001)
{
    clsMap map;
    for (int i = 0; i < 2001; ++i) ASSERT_EQ(map.addWall(i, 0, i, 10, 0, -1), i);
    EXPECT_EQ(map.numWalls, 2001);
    EXPECT_EQ(errorNumberOf([&] { map.addWall(1, 1, 2, 2, 0, -1); }), 9);
    EXPECT_EQ(map.numWalls, 2001);
    EXPECT_EQ(errorNumberOf([&] { map.getWall(2001); }), 9);
    EXPECT_EQ(errorNumberOf([&] { map.getWall(-1); }), 9);
    EXPECT_EQ(errorNumberOf([&] { map.getArea(201); }), 9);
    EXPECT_EQ(errorNumberOf([&] { map.setGlobal(201); }), 9);
    map.getArea(200);
    map.getWall(2000);
    EXPECT_EQ(map.x1, 2000);
}

TEST(MapTables, AddWallTakesPasteBufferAndBufferFlags)
{
    clsMap map;
    map.floorHtBegin = 1;
    map.floorHtEnd = 2;
    map.ceilHtBegin = 3;
    map.ceilHtEnd = 4;
    map.txrWall = 5;
    map.txrFFloor = 6;
    map.txrFCeil = 7;
    map.txrBFloor = 8;
    map.txrBCeil = 9;
    map.setPasteWall(true, false);
    map.wallFlags = 16;
    map.startArea(0, 3);
    int32_t w = map.addWall(10, 20, 30, 40, 0, -1);
    const Wall& wall = map.wallRecord(w);
    EXPECT_EQ(wall.floorHtBegin, 1);
    EXPECT_EQ(wall.ceilHtEnd, 4);
    EXPECT_EQ(wall.txrWall, 1) << "textures were not put into the paste buffer";
    EXPECT_EQ(wall.wallFlags, 16);
    EXPECT_EQ(wall.areaNum, 0);
    EXPECT_EQ(wall.areaFirst, 0);
    EXPECT_EQ(wall.areaNext, -1);
    EXPECT_EQ(wall.tStart, 0.0);
    EXPECT_EQ(wall.tEnd, 1.0);
    EXPECT_GE(wall.wallID, 0.0);
    EXPECT_LT(wall.wallID, 1000001.0);
    int32_t w2 = map.addWall(0, 0, 1, 1, 0, -1);
    EXPECT_NE(map.wallRecord(w2).wallID, wall.wallID);

    map.setPasteWall(false, true);
    map.pasteWall(w, true, true);
    EXPECT_EQ(map.wallRecord(w).txrWall, 5);
    EXPECT_EQ(map.wallRecord(w).txrBCeil, 9);
}

TEST(MapTables, GetAndSetCopyOnlyTheirFields)
{
    clsMap map;
    map.addWall(1, 2, 3, 4, 0, -1);
    Wall& wall = map.wallRecord(0);
    wall.nextLineseg = 77;
    wall.tStart = 0.25;
    map.getWall(0);
    map.x1 = 100;
    map.back = 5;
    map.nextLineseg = 3;
    map.tStart = 0.5;
    map.areaNext = 9;
    map.setWall(0);
    EXPECT_EQ(wall.x1, 100);
    EXPECT_EQ(wall.back, 5);
    EXPECT_EQ(wall.nextLineseg, 77);
    EXPECT_EQ(wall.tStart, 0.25);
    EXPECT_EQ(wall.areaNext, -1);
}

TEST(MapTables, AreasNamesAndBoundingBoxes)
{
    clsMap map;
    EXPECT_EQ(map.startArea(map.numWalls, 0), 1);
    map.addWall(0, 0, 10, 5, 0, -1);
    map.endArea();
    EXPECT_EQ(map.startArea(map.numWalls, 0), 2);
    map.getArea(0);
    EXPECT_EQ(map.areaName, "Area0           ");
    EXPECT_EQ(map.areaBbLeft, 0);
    EXPECT_EQ(map.areaBbRight, 10);
    EXPECT_EQ(map.areaBbTop, 0);
    EXPECT_EQ(map.areaBbBottom, 5);
    EXPECT_EQ(map.areaSqArea, 50);
    EXPECT_EQ(map.areaFloorHtBegin, 8);
    EXPECT_EQ(map.areaCeilHtEnd, 128);
    map.getArea(1);
    EXPECT_EQ(map.areaName, "Area1           ");

    map.areaName = "Twenty characters!!!";
    map.areaBbLeft = -99;
    map.setArea(0);
    map.getArea(0);
    EXPECT_EQ(map.areaName, "Twenty character");
    EXPECT_EQ(map.areaBbLeft, 0);

    map.areaName = "Hall";
    map.startArea(map.numWalls, 7);
    map.getArea(2);
    EXPECT_EQ(map.areaName, "Hall            ");
    EXPECT_EQ(map.areaFLAGS, 7);
}

TEST(MapTables, BoundingBoxOfEmptyOrBrokenChains)
{
    clsMap map;
    map.startArea(-1, 0);
    EXPECT_EQ(errorNumberOf([&] { map.endArea(); }), 6);
    const Area& area = map.areaRecord(0);
    EXPECT_EQ(area.areaBbLeft, 32000);
    EXPECT_EQ(area.areaBbRight, -32000);

    // A cyclic chain ends after one pass over the table instead of looping.
    map.addWall(0, 0, 4, 4, 0, 1);
    map.addWall(4, 4, 8, 0, 0, 0);
    map.areaRecord(0).areaFirstWall = 0;
    map.adjustAreaBB(0);
    EXPECT_EQ(area.areaBbRight, 8);
    EXPECT_EQ(area.areaSqArea, 32);

    map.wallRecord(1).areaNext = 5000;
    EXPECT_EQ(errorNumberOf([&] { map.adjustAreaBB(0); }), 9);
}

TEST(MapTables, ClearMapKeepsSlotsAndRenewsGlobals)
{
    struct Recorder : MapShell {
        int deselects = 0;
        void deselectSideDef() override { ++deselects; }
    } shell;
    clsMap map;
    map.setShell(&shell);
    map.startArea(0, 0);
    map.addWall(5, 6, 7, 8, 0, -1);
    map.endArea();
    map.selWallNum = 0;
    map.getGlobal(0);
    double oldId = map.globalValue;
    map.clearMap();
    EXPECT_EQ(shell.deselects, 1);
    EXPECT_EQ(map.numWalls, 0);
    EXPECT_EQ(map.numAreas, 0);
    EXPECT_EQ(map.numViewpoints, 0);
    EXPECT_EQ(map.numGlobals, 6);
    EXPECT_EQ(map.selWallNum, -1);
    map.getGlobal(0);
    EXPECT_NE(map.globalValue, oldId);
    map.getWall(0);
    EXPECT_EQ(map.x1, 5) << "slots are not wiped";
}

}  // namespace
