#include <cmath>

#include "engine/area_lookup.h"
#include "engine/map_reader.h"
#include "engine/movement.h"
#include "engine/world_loader.h"
#include "tests/support/engine_files.h"

namespace enginetest {
namespace {

class MovementTest : public EngineTest {
protected:
    void load(const TestMap& testMap)
    {
        engine::MapReadResult read = engine::readMapContents(mapFile(testMap));
        ASSERT_EQ(read.fault, "");
        engine::applyMapContents(read);
    }
    void place(double x, double y, int16_t angle)
    {
        s().viewX = x;
        s().viewY = y;
        s().viewAngle = angle;
    }
};

TEST_F(MovementTest, SolidNodeAheadStopsOnlyMovesThatReachIt)
{
    TestMap testMap;
    testMap.nodes.push_back(node(-5, 5, 5, 5));
    load(testMap);

    place(0, 0, 0);
    engine::moveViewer(0, 10, 0);
    EXPECT_EQ(s().viewY, 0.0) << "a step of 10 crosses the node at y = 5";
    engine::moveViewer(0, 4, 0);
    EXPECT_EQ(s().viewY, 4.0);
    place(0, 0, 0);
    engine::moveViewer(0, -10, 0);
    EXPECT_EQ(s().viewY, -10.0);
}

TEST_F(MovementTest, OpenNodeNeverStops)
{
    TestMap testMap;
    testMap.nodes.push_back(node(-5, 5, 5, 5, false));
    load(testMap);
    place(0, 0, 0);
    engine::moveViewer(0, 10, 0);
    EXPECT_EQ(s().viewY, 10.0);
}

TEST_F(MovementTest, BothEndPositionsCount)
{
    TestMap testMap;
    testMap.nodes.push_back(node(-5, 5, 5, 5));
    load(testMap);

    place(0, 0, 0);
    engine::moveViewer(0, 5, 0);
    EXPECT_EQ(s().viewY, 0.0) << "ending exactly on the node";
    place(0, 5, 0);
    engine::moveViewer(0, -3, 0);
    EXPECT_EQ(s().viewY, 5.0) << "starting exactly on the node";
    engine::moveViewer(0, 3, 0);
    EXPECT_EQ(s().viewY, 5.0);
    place(0, 5, 32);
    engine::moveViewer(0, 3, 0);
    EXPECT_NEAR(s().viewX, 3.0, 1e-12) << "parallel to the node it stands on";
}

TEST_F(MovementTest, ViewerWithinHalfAUnitCannotStepThrough)
{
    TestMap testMap;
    testMap.nodes.push_back(node(-50, 5, 50, 5));
    load(testMap);
    place(0.3, 4.6, 1);
    engine::moveViewer(0, 1, 0);
    EXPECT_EQ(s().viewY, 4.6);
    EXPECT_EQ(s().viewX, 0.3);
    EXPECT_TRUE(engine::hitWall(0.3, 4.7, 0.3, 9.7));
}

TEST_F(MovementTest, StraightNorthThroughLongEastWestWallIsStopped)
{
    // det is exactly -10000 for this step.
    TestMap testMap;
    testMap.nodes.push_back(node(-250, 10, 250, 10));
    load(testMap);
    place(0, 0, 0);
    engine::moveViewer(0, 20, 0);
    EXPECT_EQ(s().viewY, 0.0);
}

TEST_F(MovementTest, FirstSolidNodeDecidesAndOpenOnesAreSkipped)
{
    TestMap testMap;
    testMap.nodes.push_back(node(-5, 3, 5, 3, false));
    testMap.nodes.push_back(node(-5, 8, 5, 8));
    load(testMap);
    EXPECT_FALSE(engine::hitWall(0, 0, 0, 6));
    EXPECT_TRUE(engine::hitWall(0, 0, 0, 9));
    EXPECT_FALSE(engine::hitWall(0, 0, 0, 0)) << "a zero step";
    EXPECT_FALSE(engine::hitWall(6, 0, 6, 20)) << "beside the node's end";
}

TEST_F(MovementTest, SidewaysStepGoesLeftAndHeightChanges)
{
    place(10, 10, 0);
    s().eyeZ = 64;
    engine::moveViewer(5, 0, 7);
    EXPECT_NEAR(s().viewX, 5.0, 1e-12);
    EXPECT_NEAR(s().viewY, 10.0, 1e-12);
    EXPECT_EQ(s().eyeZ, 71);
    s().eyeZ = INT32_MAX - 1;
    engine::moveViewer(0, 0, 100);
    EXPECT_EQ(s().eyeZ, INT32_MAX) << "clamped, not wrapped";
}

TEST_F(MovementTest, TurnsWrapAndJumpReducesTheAngle)
{
    engine::turnViewer(1);
    EXPECT_EQ(s().viewAngle, 127);
    engine::turnViewer(-1);
    EXPECT_EQ(s().viewAngle, 0);
    engine::turnViewer(130);
    EXPECT_EQ(s().viewAngle, 126);
    engine::turnViewer(INT32_MIN);
    EXPECT_EQ(s().viewAngle, 126);

    engine::jumpViewer(100, -20, 80, 200);
    EXPECT_EQ(s().viewX, 100.0);
    EXPECT_EQ(s().viewY, -20.0);
    EXPECT_EQ(s().eyeZ, 80);
    EXPECT_EQ(s().viewAngle, 72);
    engine::jumpViewer(0, 0, 0, -1);
    EXPECT_EQ(s().viewAngle, 127);
    engine::jumpViewer(0, 0, 0, 128);
    EXPECT_EQ(s().viewAngle, 0);
}

TEST_F(MovementTest, ForwardMovesTenUnitsWithoutCollision)
{
    TestMap testMap;
    testMap.nodes.push_back(node(5, -5, 5, 5));
    load(testMap);
    place(0, 0, 32);
    engine::forwardViewer();
    EXPECT_NEAR(s().viewX, 10.0, 1e-9) << "through the solid node";
    EXPECT_NEAR(s().viewY, 0.0, 1e-9);
}

TEST_F(MovementTest, NestedAreasGiveTheInnerOne)
{
    TestMap testMap;
    addRoom(testMap, 0, 0, 1000, 1000, "Hall");
    addRoom(testMap, 400, 400, 600, 600, "Closet");
    load(testMap);
    EXPECT_EQ(engine::findAreaAt(500, 500), 1);
    EXPECT_EQ(engine::findAreaAt(100, 100), 0);
    EXPECT_EQ(engine::findAreaAt(-10, 100), -1);
    EXPECT_EQ(engine::findAreaAt(1e300, 0), -1);
    EXPECT_EQ(engine::findAreaAt(std::nan(""), 0), -1);
    EXPECT_EQ(engine::findAreaName(1), "Closet          ");
    EXPECT_EQ(engine::findAreaName(2), "");
    EXPECT_EQ(engine::findAreaName(-1), "");
}

TEST_F(MovementTest, BoundaryColumnsAreHalfOpen)
{
    // A node covers the columns from its smaller x up to, not including, its larger x, whichever
    // way it runs: the left edge column of a box is in, the right edge column out.
    TestMap testMap;
    addRoom(testMap, 0, 0, 100, 100, "Box");
    load(testMap);
    EXPECT_EQ(engine::findAreaAt(0, 50), 0);
    EXPECT_EQ(engine::findAreaAt(100, 50), -1);
    EXPECT_EQ(engine::findAreaAt(1, 50), 0);
    EXPECT_EQ(engine::findAreaAt(99, 50), 0);
    EXPECT_EQ(engine::findAreaAt(50, 0), 0) << "on the top line: only the bottom is below";
    EXPECT_EQ(engine::findAreaAt(50, 100), -1) << "on the bottom line";
    EXPECT_EQ(engine::findAreaAt(50, 99.6), 0) << "a viewer short of the bottom line is in the room";
    EXPECT_EQ(engine::findAreaAt(99.6, 50), 0) << "and short of the right line";
    EXPECT_EQ(engine::findAreaAt(-0.4, 50), -1) << "and a viewer short of the left line is not";
}

TEST_F(MovementTest, CornerAboveThePointIsCrossedOnce)
{
    // An L: the corner (50, 50) lies in the column of (50, 25), where the two nodes meeting
    // there would both count if a node covered both of its end columns.
    TestMap testMap;
    const int32_t corners[7][2] = {{0, 0}, {0, 100}, {50, 100}, {50, 50}, {100, 50}, {100, 0}, {0, 0}};
    for (int k = 0; k < 6; ++k) {
        engine::Node n = node(corners[k][0], corners[k][1], corners[k + 1][0], corners[k + 1][1]);
        n.areaNext = k < 5 ? k + 1 : -1;
        testMap.nodes.push_back(n);
    }
    testMap.areas.push_back(area(0, 0, 100, 100, 0, "Ell"));
    load(testMap);
    EXPECT_EQ(engine::findAreaAt(50, 25), 0);
    EXPECT_EQ(engine::findAreaAt(50, 75), -1) << "right of the upright's edge column";
    EXPECT_EQ(engine::findAreaAt(49, 75), 0);
    EXPECT_EQ(engine::findAreaAt(100, 25), -1);
}

TEST_F(MovementTest, EqualSizesGiveTheLowerIndex)
{
    TestMap testMap;
    addRoom(testMap, 0, 0, 100, 100, "First");
    addRoom(testMap, 0, 0, 100, 100, "Second");
    load(testMap);
    EXPECT_EQ(engine::findAreaAt(50, 50), 0);
}

TEST_F(MovementTest, LineHeightIsTakenInSinglePrecision)
{
    // (830, 372) lies exactly on the line; in single precision the line's y comes out just above
    // 372, so the node counts as a crossing (in double precision it would not).
    TestMap testMap;
    testMap.nodes.push_back(node(776, -9, 848, 499));
    testMap.areas.push_back(area(776, -9, 848, 499, 0, "Sliver"));
    load(testMap);
    EXPECT_EQ(engine::findAreaAt(830, 372), 0);
}

TEST_F(MovementTest, GravityPutsTheEyeAboveTheFloorOfTheAreaEntered)
{
    TestMap testMap;
    addRoom(testMap, -100, -100, 100, 100, "Step", 8, 16, 16);
    addRoom(testMap, 200, -100, 400, 100, "Room", 8, 16, 128);
    testMap.globals.push_back(global(12005, 1));
    load(testMap);
    ASSERT_EQ(s().gravity, 1);

    place(0, 0, 0);
    s().eyeZ = 500;
    engine::moveViewer(0, 10, 0);
    EXPECT_EQ(s().currentArea, 0);
    EXPECT_EQ(s().eyeZ, 64) << "ceiling begin = floor end: the floor is floorHtBegin";

    s().areas[0].areaCeilHtBegin = 128;
    engine::moveViewer(0, 10, 0);
    EXPECT_EQ(s().eyeZ, 72);

    place(150, 0, 0);
    s().eyeZ = 500;
    engine::moveViewer(0, 10, 0);
    EXPECT_EQ(s().currentArea, -1);
    EXPECT_EQ(s().eyeZ, 500) << "outside every area gravity does nothing";
}

TEST_F(MovementTest, RefusedMoveChangesNothing)
{
    TestMap testMap;
    addRoom(testMap, -100, -100, 100, 100, "Room");
    testMap.globals.push_back(global(12005, 1));
    load(testMap);
    place(0, 90, 0);
    s().eyeZ = 300;
    s().currentArea = 7;
    engine::moveViewer(0, 20, 5);
    EXPECT_EQ(s().viewY, 90.0);
    EXPECT_EQ(s().eyeZ, 300);
    EXPECT_EQ(s().currentArea, 7);
}

TEST_F(MovementTest, AreaChainsEndAtBadLinksAndCannotLoop)
{
    TestMap testMap;
    addRoom(testMap, 0, 0, 100, 100, "Room");
    load(testMap);
    // A shape wizard leaves areaNext = 0 on its walls: the walk is bounded.
    for (int k = 0; k < 4; ++k) s().nodes[static_cast<size_t>(k)].areaNext = 0;
    EXPECT_EQ(engine::findAreaAt(50, 50), -1);
    s().nodes[0].areaNext = 2;
    s().nodes[2].areaNext = 5000;
    EXPECT_EQ(engine::findAreaAt(50, 50), 0) << "top and bottom walked, then the chain ends";
    s().areas[0].areaFirstWall = -7;
    EXPECT_EQ(engine::findAreaAt(50, 50), -1);
    s().areas[0].areaFirstWall = 4;
    EXPECT_EQ(engine::findAreaAt(50, 50), -1) << "past the node count";
}

TEST_F(MovementTest, EmptyWorldAcceptsEveryMove)
{
    place(0, 0, 0);
    engine::moveViewer(0, 1000, 0);
    EXPECT_EQ(s().viewY, 1000.0);
    EXPECT_EQ(s().currentArea, -1);
}

}  // namespace
}  // namespace enginetest
