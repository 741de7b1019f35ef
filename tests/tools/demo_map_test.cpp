#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "editor/model/clsMap.h"
#include "platform/numbers.h"
#include "tests/support/test_support.h"
#include "tests/tools/compile_output.h"
#include "tests/support/run_program.h"

using namespace qzedit;

namespace {

bool isSolid(const Wall& w) { return w.floorHtEnd == w.ceilHtBegin; }

int32_t lastChainWall(const clsMap& map, int32_t area)
{
    int32_t last = -1;
    map.forEachChainWall(map.areaRecord(area).areaFirstWall, [&](int32_t w) { last = w; });
    return last;
}

bool insideArea(const clsMap& map, int32_t area, double x, double y)
{
    int32_t first = map.areaRecord(area).areaFirstWall;
    return map.pointInArea(first, lastChainWall(map, area), qz::toLong(x), qz::toLong(y)) % 2 == 0;
}

class DemoMap : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(qztest::runProgram(QZ_DEMO_MAP_TOOL, {path}).exitCode, 0);
        ASSERT_TRUE(map.ReadNewMPB(path));
    }
    qztest::TempDir dir;
    qztest::MessageRecorder messages;
    std::string path = dir.file("demo.map");
    clsMap map;
};

TEST_F(DemoMap, IsTheSameFileOnEveryRun)
{
    std::string again = dir.file("again.map");
    ASSERT_EQ(qztest::runProgram(QZ_DEMO_MAP_TOOL, {again}).exitCode, 0);
    EXPECT_EQ(qztest::readBytes(path), qztest::readBytes(again));
}

TEST_F(DemoMap, HasEveryKindOfWallTheEngineDraws)
{
    EXPECT_GE(map.numWalls, 150);
    std::set<int32_t> flags;
    bool grate = false, waterfall = false, tallMultiTexture = false;
    int openings = 0;
    for (int32_t i = 0; i < map.numWalls; ++i) {
        const Wall& w = map.wallRecord(i);
        for (int32_t bit = 1; bit <= 32; bit <<= 1)
            if (w.wallFlags & bit) flags.insert(bit);
        grate = grate || ((w.wallFlags & kWallTransparent) && w.txrWall == 6 && isSolid(w));
        waterfall = waterfall || ((w.wallFlags & kWallVertCycle) && w.txrWall == 11);
        tallMultiTexture = tallMultiTexture || ((w.wallFlags & kWallMultiTexture) && w.ceilHtEnd - w.floorHtBegin >= 512);
        if (!isSolid(w)) ++openings;
        for (int32_t c : {w.x1, w.y1, w.x2, w.y2}) {
            EXPECT_GE(c, -32768);
            EXPECT_LE(c, 32767);
        }
    }
    EXPECT_EQ(flags, (std::set<int32_t> {1, 2, 4, 8, 16, 32}));
    EXPECT_TRUE(grate);
    EXPECT_TRUE(waterfall);
    EXPECT_TRUE(tallMultiTexture);
    EXPECT_GE(openings, 10);
}

TEST_F(DemoMap, OpeningsAreWalkableAndFaceTheLowerRoom)
{
    for (int32_t i = 0; i < map.numWalls; ++i) {
        const Wall& w = map.wallRecord(i);
        if (isSolid(w)) continue;
        SCOPED_TRACE("wall " + std::to_string(i));
        // The step and the lintel are drawn only on the front: the front room is the lower one.
        EXPECT_LE(w.floorHtBegin, w.floorHtEnd);
        EXPECT_GE(w.ceilHtEnd, w.ceilHtBegin);
        EXPECT_LE(w.floorHtEnd - w.floorHtBegin, 25);  // the map's maximum step height
        EXPECT_GE(w.ceilHtBegin - w.floorHtEnd, 128);  // room to walk through
    }
}

// The engine fills the floor and the ceiling seen round a transparent wall from the rooms behind it,
// so the rooms on both sides of one must have the same floor and ceiling: heights, flats and sky.
TEST_F(DemoMap, EveryTransparentWallHasTheSameFloorAndCeilingOnBothSides)
{
    // The area holding a point, or -1.
    auto areaAt = [&](double x, double y) {
        for (int32_t a = 0; a < map.numAreas; ++a)
            if (insideArea(map, a, x, y)) return a;
        return -1;
    };
    int transparent = 0;
    for (int32_t i = 0; i < map.numWalls; ++i) {
        const Wall& w = map.wallRecord(i);
        if (!(w.wallFlags & kWallTransparent)) continue;
        ++transparent;
        SCOPED_TRACE("wall " + std::to_string(i));
        // The front is on the right of the wall's direction, x to the right and y up.
        const double length = std::hypot(w.x2 - w.x1, w.y2 - w.y1);
        const double nx = (w.y2 - w.y1) / length * 8, ny = -(w.x2 - w.x1) / length * 8;
        const double mx = (w.x1 + w.x2) / 2.0, my = (w.y1 + w.y2) / 2.0;
        const int32_t front = areaAt(mx + nx, my + ny), back = areaAt(mx - nx, my - ny);
        ASSERT_GE(front, 0);
        ASSERT_GE(back, 0);
        EXPECT_EQ(map.areaRecord(front).areaFloorHtBegin, map.areaRecord(back).areaFloorHtBegin)
            << map.areaRecord(front).areaName.str() << " and " << map.areaRecord(back).areaName.str();
        EXPECT_EQ(w.floorHtBegin, map.areaRecord(front).areaFloorHtBegin);
        if (!isSolid(w)) {
            EXPECT_EQ(w.floorHtEnd, w.floorHtBegin);
            EXPECT_EQ(w.txrBFloor, w.txrFFloor);
            continue;
        }
        // A solid one stands between two rooms: the room behind has its own wall on the same line.
        int twins = 0;
        for (int32_t j = 0; j < map.numWalls; ++j) {
            const Wall& t = map.wallRecord(j);
            if (t.x1 != w.x2 || t.y1 != w.y2 || t.x2 != w.x1 || t.y2 != w.y1) continue;
            ++twins;
            EXPECT_EQ(t.floorHtBegin, w.floorHtBegin) << "wall " << j;
            EXPECT_EQ(t.txrFFloor, w.txrFFloor) << "wall " << j;
            EXPECT_EQ(t.ceilHtEnd, w.ceilHtEnd) << "wall " << j;
            EXPECT_EQ(t.txrFCeil, w.txrFCeil) << "wall " << j;
            EXPECT_EQ(t.wallFlags & kWallSkyCeiling, w.wallFlags & kWallSkyCeiling) << "wall " << j;
        }
        EXPECT_GE(twins, 1);
    }
    EXPECT_GE(transparent, 4);
}

TEST_F(DemoMap, ViewerStartsInTheHallFacingItsWalls)
{
    map.getGlobal(5);
    EXPECT_EQ(map.globalID, 12005);
    EXPECT_EQ(map.globalValue, 1);  // gravity

    ASSERT_GE(map.numAreas, 5);
    map.getArea(0);
    EXPECT_EQ(map.areaName, "Hall            ");
    EXPECT_TRUE(insideArea(map, 0, map.vx, map.vy));
    for (int32_t a = 1; a < map.numAreas; ++a) EXPECT_FALSE(insideArea(map, a, map.vx, map.vy)) << "area " << a;
    EXPECT_EQ(map.vz, map.areaFloorHtEnd + 56);

    // The hall is a rectangle: from inside, every wall of its chain shows its front.
    map.forEachChainWall(map.areaFirstWall, [&](int32_t i) {
        const Wall& w = map.wallRecord(i);
        if (!isSolid(w)) return;
        double cross = (map.vx - w.x1) * (w.y2 - w.y1) - (map.vy - w.y1) * (w.x2 - w.x1);
        EXPECT_GT(cross, 0) << "wall " << i;
    });
}

TEST_F(DemoMap, CompileSplitsWallsAndMatchesTheBuiltDemo)
{
    std::string compiled = dir.file("demo.mpb");
    qztest::ProgramResult r = qztest::runProgram(QZMAP_TOOL, {"compile", path, compiled});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_GT(qztest::compiledRecords(r.out), map.numWalls) << r.out;
    EXPECT_EQ(qztest::readBytes(compiled), qztest::readBytes(QZ_BUILT_DEMO_MPB));
    EXPECT_EQ(qztest::readBytes(path), qztest::readBytes(QZ_BUILT_DEMO_MAP));
}

}  // namespace
