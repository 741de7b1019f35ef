// Rooms and walls from corners: a room faces inwards whichever way its outline was drawn, and takes
// the paste buffer's textures and its floor and ceiling; free walls keep the buffer as it is.
#include <gtest/gtest.h>

#include "editor/check/area_chains.h"
#include "editor/check/map_check.h"
#include "editor/edit/drawn_outline.h"
#include "editor/model/clsMap.h"
#include "tests/edit/hand_edit_maps.h"

using namespace qzedit;
using handtest::Ends;

namespace {

// The inside of the room lies on each wall's front: to its right in map units, the side the plan's
// tick points to.
void expectFacingInwards(const clsMap& map, int32_t area)
{
    int64_t sumX = 0, sumY = 0, count = 0;
    const std::vector<int32_t> chain = check::walkAreaChain(map, area).walls;
    for (int32_t w : chain) {
        sumX += map.wallRecord(w).x1;
        sumY += map.wallRecord(w).y1;
        ++count;
    }
    for (int32_t w : chain) {
        const Wall& wall = map.wallRecord(w);
        const int64_t cross = (int64_t {wall.x2} - wall.x1) * (sumY - count * wall.y1) -
                              (int64_t {wall.y2} - wall.y1) * (sumX - count * wall.x1);
        EXPECT_LT(cross, 0) << "wall " << w;
    }
}

TEST(DrawnOutline, ARoomFacesInwardsWhicheverWayItWasDrawn)
{
    clsMap clockwise, otherWay;
    EXPECT_EQ(addDrawnRoom(clockwise, {{0, 0}, {0, 100}, {100, 100}, {100, 0}}), 0);
    EXPECT_EQ(addDrawnRoom(otherWay, {{0, 0}, {100, 0}, {100, 100}, {0, 100}}), 0);
    EXPECT_EQ(handtest::wallEnds(clockwise),
              (std::vector<Ends> {{0, 0, 0, 100}, {0, 100, 100, 100}, {100, 100, 100, 0}, {100, 0, 0, 0}}));
    EXPECT_EQ(handtest::wallEnds(otherWay),
              (std::vector<Ends> {{0, 100, 100, 100}, {100, 100, 100, 0}, {100, 0, 0, 0}, {0, 0, 0, 100}}))
        << "the same walls, from the last corner on";
    expectFacingInwards(clockwise, 0);
    expectFacingInwards(otherWay, 0);
    clockwise.vx = otherWay.vx = 50;
    clockwise.vy = otherWay.vy = 50;
    EXPECT_TRUE(check::checkMap(clockwise).empty());
    EXPECT_TRUE(check::checkMap(otherWay).empty());
    EXPECT_LT(twiceSignedArea({{0, 0}, {0, 100}, {100, 100}, {100, 0}}), 0);
    EXPECT_EQ(twiceSignedArea({{0, 0}, {100, 0}, {100, 100}, {0, 100}}), 20000);
}

TEST(DrawnOutline, ARoomTakesThePasteBuffersTexturesAndIsSolidFromFloorToCeiling)
{
    clsMap map;
    map.floorHtBegin = 16;
    map.floorHtEnd = 40;
    map.ceilHtBegin = 90;
    map.ceilHtEnd = 256;
    map.txrWall = 7;
    map.txrFFloor = 3;
    map.txrFCeil = 4;
    map.txrBFloor = 5;
    map.txrBCeil = 6;
    map.setPasteWall(true, true);
    map.wallFlags = 1;
    map.areaName = "Shown last";
    addDrawnRoom(map, {{10, 10}, {10, 60}, {90, 60}});
    map.areaName.clear();
    addDrawnRoom(map, {{200, 0}, {200, 50}, {250, 50}});

    ASSERT_EQ(map.numWalls, 6);
    ASSERT_EQ(map.numAreas, 2);
    for (int32_t w = 0; w < 6; ++w) {
        const Wall& wall = map.wallRecord(w);
        EXPECT_EQ(std::vector<int32_t>({wall.floorHtBegin, wall.floorHtEnd, wall.ceilHtBegin, wall.ceilHtEnd}),
                  std::vector<int32_t>({16, 256, 256, 256}))
            << "wall " << w;
        EXPECT_EQ(std::vector<int32_t>({wall.txrWall, wall.txrFFloor, wall.txrFCeil, wall.txrBFloor, wall.txrBCeil}),
                  std::vector<int32_t>({7, 3, 4, 5, 6}));
        EXPECT_EQ(wall.wallFlags, 1) << "the flags every new wall takes";
    }
    EXPECT_EQ(handtest::wallLinks(map), (std::vector<std::string> {"0/1/0", "0/2/0", "0/-1/0", "3/4/1", "3/5/1", "3/-1/1"}));
    EXPECT_EQ(map.wallRecord(2).nextLineseg, -1);
    const Area& area = map.areaRecord(0);
    EXPECT_EQ(area.areaName.str(), "Area0           ") << "not the name last shown in the grid";
    EXPECT_EQ(map.areaRecord(1).areaName.str(), "Area1           ");
    EXPECT_EQ(area.areaFirstWall, 0);
    EXPECT_EQ(std::vector<int32_t>({area.areaFloorHtBegin, area.areaFloorHtEnd, area.areaCeilHtBegin, area.areaCeilHtEnd}),
              std::vector<int32_t>({16, 16, 256, 256}));
    EXPECT_EQ(std::vector<int32_t>({area.areaBbLeft, area.areaBbTop, area.areaBbRight, area.areaBbBottom, area.areaSqArea}),
              std::vector<int32_t>({10, 10, 90, 60, 4000}));
}

TEST(DrawnOutline, FreeWallsKeepThePasteBuffersHeightsAndBelongToNoArea)
{
    clsMap map;
    addDrawnRoom(map, {{0, 0}, {0, 100}, {100, 100}});
    addDrawnWalls(map, {{10, 10}, {50, 10}, {50, 40}});
    ASSERT_EQ(map.numWalls, 5);
    EXPECT_EQ(handtest::wallEnds(map)[3], (Ends {10, 10, 50, 10}));
    EXPECT_EQ(handtest::wallEnds(map)[4], (Ends {50, 10, 50, 40}));
    EXPECT_EQ(handtest::wallLinks(map)[3], "-1/-1/-1");
    EXPECT_EQ(handtest::wallLinks(map)[4], "-1/-1/-1");
    const Wall& wall = map.wallRecord(4);
    EXPECT_EQ(std::vector<int32_t>({wall.floorHtBegin, wall.floorHtEnd, wall.ceilHtBegin, wall.ceilHtEnd}),
              std::vector<int32_t>({8, 16, 64, 128}));
    EXPECT_EQ(map.numAreas, 1);
    EXPECT_EQ(check::owningAreas(map), (std::vector<int32_t> {0, 0, 0, -1, -1}));
}

TEST(DrawnOutline, OnlyWallsThatPassThroughEachOtherCross)
{
    EXPECT_TRUE(wallsCross({0, 0}, {10, 10}, {0, 10}, {10, 0}));
    EXPECT_FALSE(wallsCross({0, 0}, {10, 0}, {10, 0}, {10, 10})) << "meeting at a corner";
    EXPECT_FALSE(wallsCross({0, 0}, {10, 0}, {5, 0}, {5, 10})) << "ending on the other";
    EXPECT_FALSE(wallsCross({0, 0}, {10, 0}, {5, 0}, {20, 0})) << "along the same line";
    EXPECT_FALSE(wallsCross({0, 0}, {10, 0}, {0, 5}, {10, 5}));
}

TEST(DrawnOutline, TheTablesMustHaveRoom)
{
    clsMap map;
    map.numWalls = 1998;
    EXPECT_TRUE(roomForNewRecords(map, 3, 1));
    const Outcome full = roomForNewRecords(map, 4, 1);
    EXPECT_EQ(full.text, "This needs 4 new walls, but the map has room for only 3 more (it holds at most 2001). "
                         "Nothing was added.");
    EXPECT_EQ(full.title, "Map Full");
    map.numWalls = 0;
    map.numAreas = 201;
    EXPECT_EQ(roomForNewRecords(map, 4, 1).text,
              "This needs 1 new area, but the map has room for only 0 more (it holds at most 201). Nothing was added.");
}

}  // namespace
