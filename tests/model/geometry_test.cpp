#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <vector>

#include "editor/model/clsMap.h"
#include "platform/run_error.h"
#include "tests/support/test_support.h"

using namespace qzedit;

namespace {

using Segment = std::array<int32_t, 4>;

Segment segmentOf(const clsMap& map, int32_t w)
{
    const Wall& wall = map.wallRecord(w);
    return {wall.x1, wall.y1, wall.x2, wall.y2};
}

std::vector<Segment> segmentsFrom(const clsMap& map, int32_t first)
{
    std::vector<Segment> out;
    for (int32_t w = first; w < map.numWalls; ++w) out.push_back(segmentOf(map, w));
    return out;
}

int errorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const qz::RunError& e) {
        return e.number();
    }
    return 0;
}

// One area whose chain follows the given closed outline, built the way the wizards build areas.
int32_t addOutline(clsMap& map, const std::vector<std::array<int32_t, 2>>& corners)
{
    int32_t first = map.numWalls;
    int32_t area = map.startArea(first, 0) - 1;
    int32_t count = static_cast<int32_t>(corners.size());
    for (int32_t k = 0; k < count; ++k) {
        const auto& a = corners[k];
        const auto& b = corners[(k + 1) % count];
        map.addWall(a[0], a[1], b[0], b[1], first, k + 1 < count ? first + k + 1 : -1);
    }
    map.endArea();
    return area;
}

void fillWalls(clsMap& map, int32_t count)
{
    while (map.numWalls < count) map.addWall(0, 0, 1, 1, 0, -1);
}

TEST(SplitWall, TwoWaysAtTheMiddle)
{
    clsMap map;
    map.addWall(0, 0, 10, 0, 0, -1);
    Wall& w = map.wallRecord(0);
    w.back = 4;
    w.front = 5;
    w.tStart = 0.25;
    w.txrWall = 7;
    w.wallFlags = 16;
    map.wallRecord(1).wallFlags = 3;
    map.wallRecord(1).areaNext = 42;

    map.splitWall(0, 2);

    EXPECT_EQ(map.numWalls, 2);
    EXPECT_EQ(segmentsFrom(map, 0), (std::vector<Segment> {{0, 0, 5, 0}, {5, 0, 10, 0}}));
    const Wall& piece = map.wallRecord(1);
    EXPECT_EQ(piece.back, 4);
    EXPECT_EQ(piece.front, 5);
    EXPECT_EQ(piece.tStart, 0.25);
    EXPECT_EQ(piece.txrWall, 7);
    EXPECT_EQ(piece.ceilHtEnd, 128);
    // Flags and chain links are not copied: the slot keeps what it held.
    EXPECT_EQ(piece.wallFlags, 3);
    EXPECT_EQ(piece.areaNext, 42);
}

TEST(SplitWall, ThreeWaysUsesFactors033And066)
{
    clsMap map;
    map.addWall(0, 0, 100, 0, 0, -1);
    map.splitWall(0, 3);
    EXPECT_EQ(segmentsFrom(map, 0), (std::vector<Segment> {{0, 0, 33, 0}, {33, 0, 66, 0}, {66, 0, 100, 0}}));

    clsMap small;
    small.addWall(0, 0, 10, 0, 0, -1);
    small.splitWall(0, 7);  // anything but 2 splits in three
    EXPECT_EQ(segmentsFrom(small, 0), (std::vector<Segment> {{0, 0, 3, 0}, {3, 0, 7, 0}, {7, 0, 10, 0}}));
}

TEST(SplitWall, RefusesBadIndexesFullTablesAndOverflowWithoutChanges)
{
    clsMap map;
    map.addWall(0, 0, 10, 0, 0, -1);
    EXPECT_EQ(errorOf([&] { map.splitWall(-1, 2); }), qz::kErrSubscript);
    EXPECT_EQ(errorOf([&] { map.splitWall(2001, 3); }), qz::kErrSubscript);
    EXPECT_EQ(errorOf([&] { map.dupWallListSeg(0, 2001); }), qz::kErrSubscript);
    EXPECT_EQ(map.numWalls, 1);

    map.addWall(-2147483647, 0, 2147483647, 0, 1, -1);
    EXPECT_EQ(errorOf([&] { map.splitWall(1, 2); }), qz::kErrOverflow);
    EXPECT_EQ(map.numWalls, 2);
    EXPECT_EQ(segmentOf(map, 1), (Segment {-2147483647, 0, 2147483647, 0}));

    fillWalls(map, 2000);
    EXPECT_EQ(errorOf([&] { map.splitWall(0, 3); }), qz::kErrSubscript);
    EXPECT_EQ(map.numWalls, 2000);
    EXPECT_EQ(segmentOf(map, 0), (Segment {0, 0, 10, 0}));
    map.splitWall(0, 2);
    EXPECT_EQ(map.numWalls, 2001);
    EXPECT_EQ(errorOf([&] { map.splitWall(0, 2); }), qz::kErrSubscript);
    EXPECT_EQ(map.numWalls, 2001);
}

TEST(MakePassage, JoinsTheMiddleThirdsOfTwoFacingWalls)
{
    clsMap map;
    map.addWall(0, 0, 90, 0, 0, -1);
    map.addWall(90, 10, 0, 10, 1, -1);
    EXPECT_EQ(map.makePassage(0, 1, true, 8, 48), 0);
    ASSERT_EQ(map.numWalls, 6);
    EXPECT_EQ(segmentOf(map, 0), (Segment {0, 0, 30, 0}));
    EXPECT_EQ(segmentOf(map, 2), (Segment {60, 10, 59, 0}));
    EXPECT_EQ(segmentOf(map, 4), (Segment {30, 0, 31, 10}));
    EXPECT_EQ(segmentOf(map, 3), (Segment {59, 0, 90, 0}));
    EXPECT_EQ(segmentOf(map, 1), (Segment {90, 10, 60, 10}));
    EXPECT_EQ(segmentOf(map, 5), (Segment {31, 10, 0, 10}));
}

TEST(MakePassage, IsCutWholeOrNotAtAll)
{
    clsMap map;
    map.addWall(0, 0, 90, 0, 0, -1);
    map.addWall(90, 10, 0, 10, 1, -1);
    EXPECT_EQ(errorOf([&] { map.makePassage(0, 2001, true, 0, 0); }), qz::kErrSubscript);
    EXPECT_EQ(map.makePassage(0, 1, false, 0, 0), 0);
    EXPECT_EQ(map.numWalls, 2);

    map.addWall(-2147483647, 20, 2147483647, 20, 2, -1);
    EXPECT_EQ(errorOf([&] { map.makePassage(0, 2, true, 0, 0); }), qz::kErrOverflow);
    EXPECT_EQ(map.numWalls, 3);
    EXPECT_EQ(segmentOf(map, 0), (Segment {0, 0, 90, 0}));

    fillWalls(map, 1998);
    EXPECT_EQ(errorOf([&] { map.makePassage(0, 1, true, 0, 0); }), qz::kErrSubscript);
    EXPECT_EQ(map.numWalls, 1998);
    EXPECT_EQ(segmentOf(map, 0), (Segment {0, 0, 90, 0}));
    EXPECT_EQ(segmentOf(map, 1), (Segment {90, 10, 0, 10}));
}

TEST(MoveAndScaleArea, RewriteEveryWallAndTheBoundingBox)
{
    clsMap map;
    addOutline(map, {{0, 0}, {5, 5}});  // an area before, so the indexes are not all 0
    int32_t room = addOutline(map, {{10, 10}, {20, 10}, {20, 20}, {10, 20}});

    map.scaleArea(room, 2, 2);
    EXPECT_EQ(segmentsFrom(map, 2),
              (std::vector<Segment> {{20, 20, 40, 20}, {40, 20, 40, 40}, {40, 40, 20, 40}, {20, 40, 20, 20}}));
    EXPECT_EQ(map.areaBbLeft, 20);
    EXPECT_EQ(map.areaBbTop, 20);
    EXPECT_EQ(map.areaBbRight, 40);
    EXPECT_EQ(map.areaBbBottom, 40);
    EXPECT_EQ(map.areaSqArea, 400);
    EXPECT_EQ(segmentOf(map, 0), (Segment {0, 0, 5, 5}));

    // Halves go to the even neighbour.
    map.moveArea(room, 2.5f, -3.5f);
    EXPECT_EQ(segmentOf(map, 2), (Segment {22, 16, 42, 16}));
    EXPECT_EQ(segmentOf(map, 4), (Segment {42, 36, 22, 36}));
    EXPECT_EQ(map.areaRecord(room).areaBbLeft, 22);
    EXPECT_EQ(map.areaBbBottom, 36);

    map.scaleArea(room, 0.5f, 1.5f);
    EXPECT_EQ(segmentOf(map, 2), (Segment {11, 24, 21, 24}));

    EXPECT_EQ(errorOf([&] { map.moveArea(201, 1, 1); }), qz::kErrSubscript);
    EXPECT_EQ(errorOf([&] { map.scaleArea(-1, 1, 1); }), qz::kErrSubscript);
}

TEST(MoveAndScaleArea, OverflowLeavesTheAreaAsItWas)
{
    clsMap map;
    int32_t room = addOutline(map, {{0, 0}, {10, 0}, {2147483600, 0}});
    EXPECT_EQ(errorOf([&] { map.moveArea(room, 100, 0); }), qz::kErrOverflow);
    EXPECT_EQ(segmentsFrom(map, 0),
              (std::vector<Segment> {{0, 0, 10, 0}, {10, 0, 2147483600, 0}, {2147483600, 0, 0, 0}}));
}

TEST(MoveAndScaleArea, CyclicAndBrokenChainsFromFiles)
{
    clsMap map;
    int32_t room = addOutline(map, {{0, 0}, {10, 0}, {10, 10}});
    map.wallRecord(2).areaNext = 0;  // the last wall points back to the first

    map.moveArea(room, 1, 0);
    EXPECT_EQ(segmentsFrom(map, 0), (std::vector<Segment> {{1, 0, 11, 0}, {11, 0, 11, 10}, {11, 10, 1, 0}}));
    EXPECT_EQ(map.areaBbRight, 11);

    qztest::MessageRecorder messages;
    map.insertX = 8;
    map.insertY = 2;
    map.testPtinPoly();
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "0:2\r");

    map.wallRecord(2).areaNext = 5000;
    EXPECT_EQ(errorOf([&] { map.moveArea(room, 1, 0); }), qz::kErrSubscript);
    EXPECT_EQ(segmentOf(map, 0), (Segment {1, 0, 11, 0}));
}

TEST(Rotation, RotXRotYAndTransformPts)
{
    clsMap map;
    const float quarter = 1.57079637f;
    EXPECT_EQ(map.RotX(10, 0, quarter), 0);
    EXPECT_EQ(map.RotY(10, 0, quarter), 10);
    EXPECT_EQ(map.RotX(3, 4, 0.5f), 1);   // 2.633 - 1.918
    EXPECT_EQ(map.RotY(3, 4, 0.5f), 5);   // 1.438 + 3.510
    EXPECT_EQ(map.RotX(-7, 2, 3.14159274f), 7);
    EXPECT_EQ(map.RotY(-7, 2, 3.14159274f), -2);

    map.tx1 = 10;
    map.ty1 = 0;
    map.tx2 = 0;
    map.ty2 = 10;
    map.TransformPts(quarter, 100, 200);
    EXPECT_EQ((Segment {map.tx1, map.ty1, map.tx2, map.ty2}), (Segment {100, 210, 90, 200}));

    map.tx1 = 5;
    map.ty1 = 5;
    map.tx2 = -3;
    map.ty2 = 1;
    map.TransformPts(0.0f, -1, 2);
    EXPECT_EQ((Segment {map.tx1, map.ty1, map.tx2, map.ty2}), (Segment {4, 7, -4, 3}));
}

TEST(AddPolyCol, FourSidesFacingOutward)
{
    clsMap map;
    map.addWall(50, 50, 60, 60, 0, -1);
    map.addWall(60, 60, 50, 50, 1, -1);
    map.addPolyCol(4, 0, 0, 10);

    ASSERT_EQ(map.numWalls, 6);
    EXPECT_TRUE(map.areaName.empty());
    EXPECT_EQ(segmentsFrom(map, 2),
              (std::vector<Segment> {{0, 0, 0, 10}, {0, 10, -10, 10}, {-10, 10, -10, 0}, {-10, 0, 0, 0}}));
    ASSERT_EQ(map.numAreas, 1);
    map.getArea(0);
    EXPECT_EQ(map.areaName, "Col2            ");
    EXPECT_EQ(map.areaFirstWall, 2);
    EXPECT_EQ(map.areaBbLeft, -10);
    EXPECT_EQ(map.areaSqArea, 100);
    const int32_t next[] = {3, 4, 5, -1};
    for (int32_t k = 0; k < 4; ++k) {
        const Wall& w = map.wallRecord(2 + k);
        EXPECT_EQ(w.areaFirst, 2);
        EXPECT_EQ(w.areaNext, next[k]);
        EXPECT_EQ(w.areaNum, 0);
        EXPECT_EQ(w.floorHtEnd, 16);  // columns keep the paste buffer's opening
    }
    EXPECT_EQ(map.wallRecord(5).nextLineseg, -1);
}

TEST(AddPolyCol, VerticesAreRoundedAtEachStepWithSingleAngles)
{
    clsMap map;
    map.addPolyCol(7, 0, 0, 25);
    EXPECT_EQ(segmentsFrom(map, 0), (std::vector<Segment> {{0, 0, 0, 25},
                                                             {0, 25, -20, 41},
                                                             {-20, 41, -44, 35},
                                                             {-44, 35, -55, 12},
                                                             {-55, 12, -44, -11},
                                                             {-44, -11, -20, -17},
                                                             {-20, -17, 0, -1}}));
    clsMap triangle;
    triangle.addPolyCol(3, 0, 0, 1);
    EXPECT_EQ(segmentsFrom(triangle, 0), (std::vector<Segment> {{0, 0, 0, 1}, {0, 1, -1, 0}, {-1, 0, 0, 0}}));
}

TEST(AddPolySurround, SolidInwardFacingRoom)
{
    clsMap map;
    map.floorHtBegin = 0;
    map.floorHtEnd = 20;
    map.ceilHtBegin = 90;
    map.ceilHtEnd = 140;
    map.txrWall = 5;
    map.setPasteWall(true, true);
    map.wallFlags = 32;
    map.addPolySurround(4, 0, 0, 100);

    ASSERT_EQ(map.numWalls, 4);
    EXPECT_EQ(segmentsFrom(map, 0),
              (std::vector<Segment> {{0, 0, 0, 100}, {0, 100, 100, 100}, {100, 100, 100, 0}, {100, 0, 0, 0}}));
    for (int32_t k = 0; k < 4; ++k) {
        const Wall& w = map.wallRecord(k);
        EXPECT_EQ(w.floorHtBegin, 0);
        EXPECT_EQ(w.floorHtEnd, 140);
        EXPECT_EQ(w.ceilHtBegin, 140);
        EXPECT_EQ(w.ceilHtEnd, 140);
        EXPECT_EQ(w.txrWall, 5);
        EXPECT_EQ(w.wallFlags, 32);
        EXPECT_EQ(w.areaFirst, 0);
        EXPECT_EQ(w.areaNext, k < 3 ? k + 1 : -1);
        EXPECT_NE(w.wallID, 0.0);
        // The front side (positive cross value) is the inside of the room.
        double cross = (50.0 - w.x1) * (w.y2 - w.y1) - (50.0 - w.y1) * (w.x2 - w.x1);
        EXPECT_GT(cross, 0) << "wall " << k;
    }
    EXPECT_EQ(map.wallRecord(3).nextLineseg, -1);
    map.getArea(0);
    EXPECT_EQ(map.areaName, "RoomID0         ");
    EXPECT_EQ(map.areaSqArea, 10000);
    EXPECT_EQ(map.areaFloorHtEnd, 20);
}

TEST(AddPolySurround, KeepsTheCurrentPointUnrounded)
{
    clsMap map;
    map.addPolySurround(6, 0, 0, 10);
    EXPECT_EQ(segmentsFrom(map, 0), (std::vector<Segment> {{0, 0, 0, 10},
                                                             {0, 10, 9, 15},
                                                             {9, 15, 17, 10},
                                                             {17, 10, 17, 0},
                                                             {17, 0, 9, -5},
                                                             {9, -5, 0, 0}}));
    clsMap small;
    small.addPolySurround(6, 0, 0, 3);
    EXPECT_EQ(segmentsFrom(small, 0), (std::vector<Segment> {{0, 0, 0, 3},
                                                               {0, 3, 3, 5},
                                                               {3, 5, 5, 3},
                                                               {5, 3, 5, 0},
                                                               {5, 0, 3, -2},
                                                               {3, -2, 0, 0}}));
}

TEST(PolygonGenerators, RefuseFullTablesAndBadSideCounts)
{
    clsMap map;
    fillWalls(map, 1998);
    for (auto generate : {&clsMap::addPolyCol, &clsMap::addPolySurround}) {
        EXPECT_EQ(errorOf([&] { (map.*generate)(4, 0, 0, 10); }), qz::kErrSubscript);
        EXPECT_EQ(errorOf([&] { (map.*generate)(0, 0, 0, 10); }), 5);
        EXPECT_EQ(map.numWalls, 1998);
        EXPECT_EQ(map.numAreas, 0);
        EXPECT_TRUE(map.areaName.empty());
    }
    map.addPolySurround(3, 0, 0, 10);
    EXPECT_EQ(map.numWalls, 2001);
    EXPECT_EQ(map.numAreas, 1);

    clsMap areas;
    while (areas.numAreas < 201) areas.startArea(-1, 0);
    EXPECT_EQ(errorOf([&] { areas.addPolyCol(4, 0, 0, 10); }), qz::kErrSubscript);
    EXPECT_EQ(areas.numWalls, 0);
}

TEST(PointInArea, SquareInsideOutsideAndEdges)
{
    clsMap map;
    addOutline(map, {{0, 0}, {10, 0}, {10, 10}, {0, 10}});
    EXPECT_EQ(map.pointInArea(0, 3, 5, 5), 2);
    EXPECT_EQ(map.pointInArea(0, 3, 15, 5), 1);
    EXPECT_EQ(map.pointInArea(0, 3, 5, -5), 3);
    EXPECT_EQ(map.pointInArea(0, 3, 5, 15), 1);
    // A wall running towards greater x counts both end columns, one running back neither.
    EXPECT_EQ(map.pointInArea(0, 3, 0, 5), 1);
    EXPECT_EQ(map.pointInArea(0, 3, 10, -5), 2);
    // A range that runs backwards tests no wall.
    EXPECT_EQ(map.pointInArea(3, 0, 5, 5), 1);
    EXPECT_EQ(errorOf([&] { map.pointInArea(1999, 2001, 5, 5); }), qz::kErrSubscript);
}

TEST(PointInArea, TestCommandListsEveryArea)
{
    clsMap map;
    addOutline(map, {{0, 0}, {10, 0}, {10, 10}, {0, 10}});
    addOutline(map, {{100, 100}, {110, 100}, {110, 110}});
    map.insertX = 5;
    map.insertY = 5;
    qztest::MessageRecorder messages;
    map.testPtinPoly();
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "0:2\r1:1\r");
    EXPECT_EQ(messages.messages[0].title, "");
}

}  // namespace
