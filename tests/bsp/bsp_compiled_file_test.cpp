#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "editor/model/clsMap.h"
#include "tests/bsp/record_compare.h"
#include "tools/room-map/room_map_generator.h"
#include "tests/support/test_support.h"

using namespace qzedit;

namespace {

int32_t i32At(const std::vector<uint8_t>& b, size_t offset)
{
    int32_t v;
    std::memcpy(&v, b.data() + offset, 4);
    return v;
}

// Wall 1 becomes the root of this map, so records 0 and 1 exchange places.
void buildMovedRootMap(clsMap& map)
{
    map.startArea(0, 0);
    map.addWall(0, 0, 100, 0, 0, 1);
    map.addWall(200, -10, 200, 10, 0, 2);
    map.addWall(300, 50, 300, 60, 0, -1);
    map.endArea();
}

class CompiledFile : public ::testing::Test {
protected:
    qztest::TempDir dir;
    qztest::MessageRecorder messages;
};

TEST_F(CompiledFile, HoldsTheCompiledListAndRenumberedAreaStarts)
{
    clsMap map;
    buildMovedRootMap(map);
    ASSERT_TRUE(map.createBSP());
    ASSERT_EQ(map.treeRoot, 1);
    std::string path = dir.file("moved.mpb");
    ASSERT_TRUE(map.WriteNewMPB(path, true));

    std::vector<uint8_t> bytes = qztest::readBytes(path);
    size_t directory = static_cast<size_t>(i32At(bytes, 12)) - 1;
    EXPECT_EQ(i32At(bytes, directory), 8);
    size_t areaBlock = static_cast<size_t>(i32At(bytes, directory + 2 * 64 + 4)) - 1;
    EXPECT_EQ(i32At(bytes, areaBlock), 1);
    EXPECT_EQ(i32At(bytes, areaBlock + 4), 1) << "the area starts at the former wall 0, now record 1";

    clsMap back;
    ASSERT_TRUE(back.ReadNewMPB(path));
    ASSERT_EQ(back.numWalls, 3);
    for (int32_t i = 0; i < 3; ++i) {
        Wall expected = map.treeSeg(i);
        expected.length = back.wallRecord(i).length;  // not stored: recomputed on reading
        expected.nextLineseg = back.wallRecord(i).nextLineseg;
        EXPECT_TRUE(bsptest::sameRecord(back.wallRecord(i), expected)) << "record " << i;
    }
    EXPECT_EQ(back.areaRecord(0).areaFirstWall, 1);

    // The map's own area and walls are saved as they are.
    EXPECT_EQ(map.areaRecord(0).areaFirstWall, 0);
    ASSERT_TRUE(map.WriteNewMPB(path, false));
    ASSERT_TRUE(back.ReadNewMPB(path));
    EXPECT_EQ(back.areaRecord(0).areaFirstWall, 0);
    EXPECT_EQ(back.wallRecord(0).x2, 100);
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(CompiledFile, RefusedCompileWritesNoWalls)
{
    clsMap map;
    for (int32_t i = 0; i < 45; ++i) {
        map.addWall(-10, i * 10 + 3, 460, i * 10 + 3, map.numWalls, -1);
        map.addWall(i * 10 + 7, -10, i * 10 + 7, 460, map.numWalls, -1);
    }
    ASSERT_FALSE(map.createBSP());
    std::string path = dir.file("refused.mpb");
    ASSERT_TRUE(map.WriteNewMPB(path, true));
    EXPECT_EQ(i32At(qztest::readBytes(path), 64), 0);
}

// Every area chain of the compiled file, walked from its area's first wall, visits exactly the
// pieces of the area's walls, in order along the outline, and closes the room.
TEST_F(CompiledFile, AreaChainsWalkEveryPieceInOutlineOrder)
{
    int movedRoots = 0;
    for (uint32_t seed = 1; seed <= 6; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        clsMap map;
        qzgen::generateRoomMap(map, {.walls = 120, .seed = seed, .crossingLines = 8, .snap = 2});
        ASSERT_TRUE(map.createBSP());
        ASSERT_GT(map.numTreeSegs, map.numWalls);
        if (map.treeRoot != 0) ++movedRoots;
        std::string path = dir.file("rooms.mpb");
        ASSERT_TRUE(map.WriteNewMPB(path, true));
        clsMap back;
        ASSERT_TRUE(back.ReadNewMPB(path));

        for (int32_t r = 0; r < back.numWalls; ++r) {
            const Wall& piece = back.wallRecord(r);
            if (piece.areaNext == -1) continue;
            const Wall& next = back.wallRecord(piece.areaNext);
            EXPECT_EQ(piece.x2, next.x1) << "record " << r;
            EXPECT_EQ(piece.y2, next.y1) << "record " << r;
        }
        ASSERT_GT(back.numAreas, 0);
        for (int32_t a = 0; a < back.numAreas; ++a) {
            std::set<int32_t> expected;
            for (int32_t r = 0; r < back.numWalls; ++r)
                if (back.wallRecord(r).areaNum == a) expected.insert(r);
            std::set<int32_t> visited;
            int32_t last = -1;
            back.forEachChainWall(back.areaRecord(a).areaFirstWall, [&](int32_t r) {
                visited.insert(r);
                last = r;
            });
            EXPECT_EQ(visited, expected) << "area " << a;
            const Wall& firstWall = map.wallRecord(map.areaRecord(a).areaFirstWall);
            const Wall& first = back.wallRecord(back.areaRecord(a).areaFirstWall);
            EXPECT_EQ(first.x1, firstWall.x1) << "area " << a;
            EXPECT_EQ(first.y1, firstWall.y1) << "area " << a;
            ASSERT_NE(last, -1);
            EXPECT_EQ(back.wallRecord(last).x2, first.x1) << "area " << a;
            EXPECT_EQ(back.wallRecord(last).y2, first.y1) << "area " << a;
        }
    }
    EXPECT_GT(movedRoots, 0);
}

}  // namespace
