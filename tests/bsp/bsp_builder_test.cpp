#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "editor/bsp/bsp_builder.h"
#include "editor/model/clsMap.h"
#include "platform/run_error.h"
#include "tests/bsp/record_compare.h"
#include "tests/bsp/reference_bsp.h"
#include "tools/room-map/room_map_generator.h"
#include "tests/support/test_support.h"

using namespace qzedit;

namespace {

int32_t looseWall(clsMap& map, int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    return map.addWall(x1, y1, x2, y2, map.numWalls, -1);
}

// The end points and child links of one finished record.
struct Node {
    int32_t x1, y1, x2, y2, front, back;
};

void expectNode(const clsMap& map, int32_t index, Node expected)
{
    const BspNode& r = map.treeSeg(index);
    EXPECT_EQ(r.x1, expected.x1) << "record " << index;
    EXPECT_EQ(r.y1, expected.y1) << "record " << index;
    EXPECT_EQ(r.x2, expected.x2) << "record " << index;
    EXPECT_EQ(r.y2, expected.y2) << "record " << index;
    EXPECT_EQ(r.front, expected.front) << "record " << index;
    EXPECT_EQ(r.back, expected.back) << "record " << index;
}

// Horizontal and vertical lines that all cross one another: many splits.
void addGrid(clsMap& map, int32_t lines)
{
    for (int32_t i = 0; i < lines; ++i) {
        looseWall(map, -10, i * 10 + 3, lines * 10 + 10, i * 10 + 3);
        looseWall(map, i * 10 + 7, -10, i * 10 + 7, lines * 10 + 10);
    }
}

class Builder : public ::testing::Test {
protected:
    qztest::MessageRecorder messages;
    clsMap map;
};

TEST_F(Builder, EmptyMapCompilesToNothing)
{
    EXPECT_TRUE(map.createBSP());
    EXPECT_EQ(map.numTreeSegs, 0);
    EXPECT_EQ(map.treeRoot, 0);
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(Builder, OneWallIsTheRootWithoutChildren)
{
    looseWall(map, 3, -4, 17, 9);
    ASSERT_TRUE(map.createBSP());
    EXPECT_EQ(map.numTreeSegs, 1);
    EXPECT_EQ(map.treeRoot, 0);
    expectNode(map, 0, {3, -4, 17, 9, 0, 0});
}

TEST_F(Builder, ParallelWallLiesBehindOrInFrontBySideValue)
{
    looseWall(map, 0, 0, 10, 0);
    looseWall(map, 0, 5, 10, 5);
    ASSERT_TRUE(map.createBSP());
    expectNode(map, 0, {0, 0, 10, 0, 0, 1});

    clsMap other;
    looseWall(other, 0, 0, 10, 0);
    looseWall(other, 0, -5, 10, -5);
    ASSERT_TRUE(other.createBSP());
    expectNode(other, 0, {0, 0, 10, 0, 1, 0});
}

TEST_F(Builder, CollinearWallsGoBehind)
{
    looseWall(map, 0, 0, 10, 0);
    looseWall(map, 20, 0, 30, 0);
    looseWall(map, -5, 0, -15, 0);
    ASSERT_TRUE(map.createBSP());
    EXPECT_EQ(map.numTreeSegs, 3);
    expectNode(map, 0, {0, 0, 10, 0, 0, 2});
    expectNode(map, 2, {-5, 0, -15, 0, 0, 1});
}

TEST_F(Builder, WallTouchingTheLineIsPlacedByItsOtherEndPoint)
{
    looseWall(map, 0, 0, 10, 0);
    looseWall(map, 5, 0, 5, -10);  // first end point on the line, the other in front
    looseWall(map, 5, 10, 5, 0);   // second end point on the line, the first behind
    ASSERT_TRUE(map.createBSP());
    EXPECT_EQ(map.numTreeSegs, 3);
    EXPECT_EQ(map.treeRoot, 0);
    expectNode(map, 0, {0, 0, 10, 0, 1, 2});
    expectNode(map, 1, {5, 0, 5, -10, 0, 0});
    expectNode(map, 2, {5, 10, 5, 0, 0, 0});
    EXPECT_EQ(map.treeSeg(1).tStart, 0.0);
    EXPECT_EQ(map.treeSeg(2).tEnd, 1.0);
}

// A piece whose both end points lie on the splitter's line (here one of no length, as a wall read
// from a compiled file may hold) goes behind it, like a wall lying on the line.
TEST_F(Builder, PieceWithBothEndPointsOnTheLineGoesBehind)
{
    looseWall(map, 0, 0, 10, 0);
    int32_t point = looseWall(map, 5, -5, 5, 5);
    map.wallRecord(point).tStart = 0.5;
    map.wallRecord(point).tEnd = 0.5;
    ASSERT_TRUE(map.createBSP());
    EXPECT_EQ(map.numTreeSegs, 2);
    expectNode(map, 0, {0, 0, 10, 0, 0, 1});
    expectNode(map, 1, {5, 0, 5, 0, 0, 0});
}

// Two walls that cut each other at (size/2, size/2): wall 0 wins the tie, wall 1 is cut at 0.5,
// its first part lies in front and the new piece behind, and the pieces meet at the crossing
// rounded half to even.
TEST_F(Builder, CrossOfTwoWallsSplitsTheSecond)
{
    struct Case {
        int32_t size, meet;
    };
    for (Case c : {Case {5, 2}, Case {7, 4}, Case {-5, -2}}) {
        SCOPED_TRACE(c.size);
        clsMap cross;
        cross.startArea(0, 0);
        cross.addWall(0, 0, c.size, c.size, 0, 1);
        cross.addWall(c.size, 0, 0, c.size, 0, -1);
        ASSERT_TRUE(cross.createBSP());
        ASSERT_EQ(cross.numTreeSegs, 3);
        EXPECT_EQ(cross.treeRoot, 0);
        expectNode(cross, 0, {0, 0, c.size, c.size, 1, 2});
        expectNode(cross, 1, {c.size, 0, c.meet, c.meet, 0, 0});
        expectNode(cross, 2, {c.meet, c.meet, 0, c.size, 0, 0});
        EXPECT_EQ(cross.treeSeg(1).tStart, 0.0);
        EXPECT_EQ(cross.treeSeg(1).tEnd, 0.5);
        EXPECT_EQ(cross.treeSeg(2).tStart, 0.5);
        EXPECT_EQ(cross.treeSeg(2).tEnd, 1.0);
        // The piece joins the area chain right after the wall it was cut from.
        EXPECT_EQ(cross.treeSeg(0).areaNext, 1);
        EXPECT_EQ(cross.treeSeg(1).areaNext, 2);
        EXPECT_EQ(cross.treeSeg(2).areaNext, -1);
        EXPECT_EQ(cross.treeSeg(2).areaFirst, 0);
        EXPECT_EQ(cross.treeSeg(2).wallID, cross.wallRecord(1).wallID);
    }
}

// Wall 0's line cuts wall 1, but wall 1's cuts nothing: wall 1 is the root and exchanges places
// with wall 0, and every link and area-chain value follows the records.
TEST_F(Builder, RootOtherThanWallZeroIsMovedFirst)
{
    map.startArea(0, 0);
    map.addWall(0, 0, 100, 0, 0, 1);
    map.addWall(200, -10, 200, 10, 0, 2);
    map.addWall(300, 50, 300, 60, 0, -1);
    ASSERT_TRUE(map.createBSP());
    EXPECT_EQ(map.treeRoot, 1);
    ASSERT_EQ(map.numTreeSegs, 3);
    expectNode(map, 0, {200, -10, 200, 10, 2, 1});
    expectNode(map, 1, {0, 0, 100, 0, 0, 0});
    expectNode(map, 2, {300, 50, 300, 60, 0, 0});
    EXPECT_EQ(map.treeSeg(0).areaFirst, 1);
    EXPECT_EQ(map.treeSeg(0).areaNext, 2);
    EXPECT_EQ(map.treeSeg(1).areaFirst, 1);
    EXPECT_EQ(map.treeSeg(1).areaNext, 0);
    EXPECT_EQ(map.treeSeg(2).areaFirst, 1);
    EXPECT_EQ(map.treeSeg(2).areaNext, -1);
    EXPECT_EQ(map.treeSeg(0).nextLineseg, 2);
    EXPECT_EQ(map.wallRecord(0).x2, 100);
}

// Four parallel walls, none cutting another: wall 0 wins; its back list holds walls 1 and 3 in the
// reverse order of meeting, so wall 3 is chosen before wall 1.
TEST_F(Builder, TiesGoToTheFirstOfTheListAndSideListsAreReversed)
{
    looseWall(map, 0, 0, 10, 0);
    looseWall(map, 0, 10, 10, 10);
    looseWall(map, 0, -10, 10, -10);
    looseWall(map, 0, 20, 10, 20);
    ASSERT_TRUE(map.createBSP());
    expectNode(map, 0, {0, 0, 10, 0, 2, 3});
    expectNode(map, 3, {0, 20, 10, 20, 1, 0});
    expectNode(map, 1, {0, 10, 10, 10, 0, 0});
    expectNode(map, 2, {0, -10, 10, -10, 0, 0});
    EXPECT_EQ(map.treeSeg(0).nextLineseg, 1);
    EXPECT_EQ(map.treeSeg(3).nextLineseg, 1);
    EXPECT_EQ(map.treeSeg(1).nextLineseg, -1);
    EXPECT_EQ(map.treeSeg(2).nextLineseg, -1);
}

// A wall given with a part range is built alone into one record whose end points are those of its
// piece, rounded half to even from the whole wall.
TEST_F(Builder, PieceEndPointsRoundHalfToEvenFromTheWholeWall)
{
    auto built = [](int32_t x1, int32_t y1, int32_t x2, int32_t y2, double tStart, double tEnd) {
        Wall w;
        w.x1 = x1;
        w.y1 = y1;
        w.x2 = x2;
        w.y2 = y2;
        w.tStart = tStart;
        w.tEnd = tEnd;
        bsp::BuildResult result = bsp::buildBspTree({w});
        EXPECT_TRUE(result.tree.has_value());
        return result.tree ? result.tree->records.at(0) : Wall {};
    };
    const Wall halves = built(0, 0, 5, 7, 0.5, 1.0);
    EXPECT_EQ((std::array {halves.x1, halves.y1, halves.x2, halves.y2}), (std::array {2, 4, 5, 7}));
    EXPECT_EQ(halves.tStart, 0.5);
    const Wall negative = built(0, 0, -5, -7, 0.0, 0.5);
    EXPECT_EQ((std::array {negative.x1, negative.y1, negative.x2, negative.y2}), (std::array {0, 0, -2, -4}));
    EXPECT_EQ(negative.tEnd, 0.5);
    const Wall both = built(0, 100, 8, 100, 0.5, 0.75);
    EXPECT_EQ((std::array {both.x1, both.y1, both.x2, both.y2}), (std::array {4, 100, 6, 100}));
    EXPECT_EQ((std::array {both.front, both.back}), (std::array {0, 0}));
}

TEST_F(Builder, CompileLeavesTheMapsWallsAsTheyAre)
{
    qzgen::generateRoomMap(map, {.walls = 300, .seed = 7, .crossingLines = 12});
    map.polishNextSeg();
    std::vector<Wall> before = map.wallList();
    ASSERT_TRUE(map.createBSP());
    ASSERT_GT(map.numTreeSegs, map.numWalls);
    ASSERT_EQ(map.numWalls, 300);
    for (int32_t i = 0; i < map.numWalls; ++i) EXPECT_TRUE(bsptest::sameRecord(map.wallRecord(i), before[i])) << i;
}

TEST_F(Builder, LinkingJoinsTheMapsWallsInOrder)
{
    map.polishNextSeg();  // nothing to link
    looseWall(map, 0, 0, 1, 1);
    looseWall(map, 2, 2, 3, 3);
    looseWall(map, 4, 4, 5, 5);
    map.polishNextSeg();
    EXPECT_EQ(map.wallRecord(0).nextLineseg, 1);
    EXPECT_EQ(map.wallRecord(1).nextLineseg, 2);
    EXPECT_EQ(map.wallRecord(2).nextLineseg, -1);
}

TEST_F(Builder, StaleListLinksOfTheMapDoNotReachTheBuild)
{
    looseWall(map, 0, 0, 10, 0);
    looseWall(map, 0, 5, 10, 5);
    map.polishNextSeg();
    map.wallRecord(1).nextLineseg = 0;
    ASSERT_TRUE(map.createBSP());
    EXPECT_EQ(map.numTreeSegs, 2);
    EXPECT_EQ(map.wallRecord(1).nextLineseg, -1) << "the compile links the walls in index order";
}

TEST_F(Builder, EndPointBeyondTheLongRangeLeavesNoList)
{
    int32_t wall = looseWall(map, 0, 0, 10, 0);
    map.wallRecord(wall).tStart = -1e12;
    try {
        map.createBSP();
        FAIL() << "an end point beyond the Long range was stored";
    } catch (const qz::RunError& e) {
        EXPECT_EQ(e.number(), qz::kErrOverflow);
    }
    EXPECT_EQ(map.numTreeSegs, 0);
}

// Stacked parallel walls: each list's first record cuts nothing and has all the others on one
// side, and each side list comes reversed, so the tree is a chain as deep as the map, zigzagging
// between the lowest and the highest wall left: 0, 2000, 1, 1999, 2, ...
TEST_F(Builder, StackedWallsMakeATreeAsDeepAsTheMap)
{
    for (int32_t i = 0; i < clsMap::kWallSlots; ++i) looseWall(map, 0, i * 4, 100, i * 4);
    ASSERT_TRUE(map.createBSP());
    ASSERT_EQ(map.numTreeSegs, clsMap::kWallSlots);
    int32_t low = 0, high = clsMap::kWallSlots;
    for (int32_t depth = 0; depth < clsMap::kWallSlots; ++depth) {
        bool fromLow = depth % 2 == 0;
        int32_t node = fromLow ? low++ : --high;
        const BspNode& r = map.treeSeg(node);
        int32_t next = fromLow ? high - 1 : low;
        bool last = depth == clsMap::kWallSlots - 1;
        ASSERT_EQ(r.back, fromLow && !last ? next : 0) << "record " << node;
        ASSERT_EQ(r.front, !fromLow && !last ? next : 0) << "record " << node;
    }
}

TEST_F(Builder, TreeNeedingMoreThan2001RecordsIsRefusedWhole)
{
    addGrid(map, 45);
    map.polishNextSeg();
    std::vector<Wall> before = map.wallList();
    refbsp::Result reference = refbsp::build(before, map.numWalls);
    int32_t needed = static_cast<int32_t>(reference.records.size());
    ASSERT_GT(needed, 2001);

    const Outcome m = map.createBSP();
    EXPECT_FALSE(m);
    EXPECT_TRUE(messages.messages.empty()) << "the caller shows the message";
    EXPECT_EQ(m.title, "Compile Error");
    EXPECT_EQ(m.style, qz::kMsgCritical);
    EXPECT_EQ(m.text, "The BSP tree of this map needs " + std::to_string(needed) +
                          " wall records, but a compiled map holds at most 2001. The map was not compiled.");
    EXPECT_EQ(map.numTreeSegs, 0);
    EXPECT_EQ(map.treeRoot, 0);
    for (int32_t i = 0; i < map.numWalls; ++i) EXPECT_TRUE(bsptest::sameRecord(map.wallRecord(i), before[i])) << i;

    // The compiled list is usable again for the next map.
    map.clearMap();
    looseWall(map, 0, 0, 10, 0);
    EXPECT_TRUE(map.createBSP());
    EXPECT_EQ(map.numTreeSegs, 1);
    EXPECT_NO_THROW(map.treeSeg(2000));
}

TEST_F(Builder, FarTooLargeTreeStopsCounting)
{
    addGrid(map, 100);
    const Outcome m = map.createBSP();
    EXPECT_FALSE(m);
    EXPECT_EQ(m.text, "The BSP tree of this map needs more than 8004 wall records, but a compiled map "
                                         "holds at most 2001. The map was not compiled.");
    EXPECT_EQ(map.numTreeSegs, 0);
}

}  // namespace
