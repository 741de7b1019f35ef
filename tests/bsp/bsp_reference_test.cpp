#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "editor/model/clsMap.h"
#include "tests/bsp/record_compare.h"
#include "tests/bsp/reference_bsp.h"
#include "tools/room-map/room_map_generator.h"
#include "tests/support/test_support.h"

using namespace qzedit;

namespace {

// What the comparisons went through, so that the test shows it exercised the cases it is for.
struct Coverage {
    int maps = 0;
    int splitMaps = 0;
    int movedRoots = 0;
    int refused = 0;
};

// Compiles the map and compares the whole compiled list with the reference builder's, field by field.
void expectSameAsReference(clsMap& map, Coverage& coverage)
{
    map.polishNextSeg();
    refbsp::Result reference = refbsp::build(map.wallList(), map.numWalls);
    int32_t needed = static_cast<int32_t>(reference.records.size());
    const Outcome compiled = map.createBSP();
    ++coverage.maps;
    if (needed > clsMap::kWallSlots) {
        ++coverage.refused;
        EXPECT_FALSE(compiled);
        EXPECT_NE(compiled.text.find("needs " + std::to_string(needed) + " wall records"), std::string::npos);
        return;
    }
    ASSERT_TRUE(compiled);
    ASSERT_EQ(map.numTreeSegs, needed);
    ASSERT_EQ(map.treeRoot, reference.treeRoot);
    if (needed > map.numWalls) ++coverage.splitMaps;
    if (reference.treeRoot != 0) ++coverage.movedRoots;
    for (int32_t i = 0; i < needed; ++i)
        ASSERT_TRUE(bsptest::sameRecord(map.treeSeg(i), reference.records[i])) << "record " << i;
}

struct Family {
    const char* name;
    qzgen::RoomMapOptions options;
};

// Many crossing lines, coordinates on coarse grids (shared end points, collinear walls, crossings
// exactly at end points) and walls with part ranges.
const Family kFamilies[] = {
    {"rooms and crossing lines", {.crossingLines = 8}},
    {"dense crossings", {.crossingLines = 20, .cellSize = 256}},
    {"coarse grid", {.crossingLines = 10, .snap = 16}},
    {"very coarse grid", {.crossingLines = 12, .snap = 64, .cellSize = 256}},
    {"part ranges", {.crossingLines = 8, .presetRangeShare = 0.4}},
    {"part ranges on a grid", {.crossingLines = 10, .snap = 8, .presetRangeShare = 0.3}},
    {"stars", {.crossingLines = 4, .snap = 2, .presetRangeShare = 0.2, .starWalls = 40}},
};

TEST(BuilderAgainstReference, GeneratedMapsCompileRecordForRecord)
{
    Coverage coverage;
    for (const Family& family : kFamilies) {
        for (int32_t walls : {3, 12, 30, 60, 110, 180}) {
            for (uint32_t seed = 1; seed <= 6; ++seed) {
                SCOPED_TRACE(std::string(family.name) + ", " + std::to_string(walls) + " walls, seed " + std::to_string(seed));
                qzgen::RoomMapOptions options = family.options;
                options.walls = walls;
                options.seed = seed * 7919 + walls;
                clsMap map;
                qzgen::generateRoomMap(map, options);
                ASSERT_EQ(map.numWalls, walls);
                expectSameAsReference(map, coverage);
                if (HasFatalFailure()) return;
            }
        }
    }
    std::printf("%d maps: %d with splits, %d with the root moved, %d refused\n", coverage.maps, coverage.splitMaps,
                coverage.movedRoots, coverage.refused);
    EXPECT_GT(coverage.splitMaps, coverage.maps / 2);
    EXPECT_GT(coverage.movedRoots, coverage.maps / 4);
}

// Lists far longer than a block of the splitter scan, with many splits; the benchmark's 2000-wall
// map needs more records than a compiled map holds, and the refusal names the reference's count.
TEST(BuilderAgainstReference, LargeMapsCompileRecordForRecord)
{
    Coverage coverage;
    const qzgen::RoomMapOptions maps[] = {
        {.walls = 1000, .seed = 5, .crossingLines = 40},
        {.walls = 600, .seed = 11, .crossingLines = 20, .snap = 8, .presetRangeShare = 0.2, .starWalls = 60},
        {.walls = 2000, .seed = 2024},
    };
    for (const qzgen::RoomMapOptions& options : maps) {
        SCOPED_TRACE(std::to_string(options.walls) + " walls");
        clsMap map;
        qzgen::generateRoomMap(map, options);
        expectSameAsReference(map, coverage);
        if (HasFatalFailure()) return;
    }
    EXPECT_EQ(coverage.splitMaps, 2);
    EXPECT_EQ(coverage.refused, 1);
}

// A compiled file read back holds pieces with their ranges; compiling it again takes the ranges as
// they stand.
TEST(BuilderAgainstReference, MapsReadFromCompiledFilesCompileRecordForRecord)
{
    qztest::TempDir dir;
    Coverage coverage;
    int partRanges = 0;
    for (uint32_t seed = 1; seed <= 8; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        clsMap source;
        qzgen::generateRoomMap(source, {.walls = 70, .seed = seed, .crossingLines = 6, .snap = 4});
        ASSERT_TRUE(source.createBSP());
        std::string path = dir.file("compiled" + std::to_string(seed) + ".mpb");
        ASSERT_TRUE(source.WriteNewMPB(path, true));
        clsMap map;
        ASSERT_TRUE(map.ReadNewMPB(path));
        ASSERT_EQ(map.numWalls, source.numTreeSegs);
        for (int32_t i = 0; i < map.numWalls; ++i) partRanges += map.wallRecord(i).tStart != 0.0;
        expectSameAsReference(map, coverage);
        if (HasFatalFailure()) return;
    }
    EXPECT_GT(partRanges, 0);
}

}  // namespace
