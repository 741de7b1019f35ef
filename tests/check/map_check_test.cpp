#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/bsp/bsp_builder.h"
#include "editor/check/engine_area_lookup.h"
#include "editor/check/map_check.h"
#include "editor/model/clsMap.h"
#include "tools/room-map/room_map_generator.h"
#include "tests/support/check_maps.h"
#include "tests/support/test_support.h"

using namespace qzedit;
using check::Finding;
using check::RecordKind;
using check::Severity;

namespace {

std::vector<std::string> linesOf(const clsMap& map, const std::vector<Finding>& findings)
{
    std::vector<std::string> lines;
    for (const Finding& f : findings) lines.push_back(check::findingLine(map, f));
    return lines;
}

std::vector<std::string> labelsOf(const clsMap& map, const std::vector<Finding>& findings)
{
    std::vector<std::string> labels;
    for (const Finding& f : findings)
        labels.push_back(std::string(check::severityName(f.severity)) + " " + check::recordLabel(map, f));
    return labels;
}

void addSquare(clsMap& map, int32_t left, int32_t top, int32_t size)
{
    const int32_t first = map.numWalls;
    map.startArea(first, 0);
    map.addWall(left, top, left + size, top, first, first + 1);
    map.addWall(left + size, top, left + size, top + size, first, first + 2);
    map.addWall(left + size, top + size, left, top + size, first, first + 3);
    map.addWall(left, top + size, left, top, first, -1);
    map.endArea();
}

// The map as its file holds it: the checker looks at what the engine and qzmap would read.
class EveryFinding : public ::testing::Test {
protected:
    EveryFinding()
    {
        clsMap built;
        qztest::buildEveryFindingMap(built);
        const std::string path = dir.file("every.map");
        EXPECT_TRUE(built.WriteNewMPB(path, false));
        EXPECT_TRUE(map.ReadNewMPB(path));
    }
    qztest::TempDir dir;
    clsMap map;
};

TEST_F(EveryFinding, EachFindingNamesItsRecordErrorsFirst)
{
    check::CheckOptions options;
    options.header = check::headerTexturesOf(qztest::headerWithThreeWallsAndTwoFlats());
    const std::vector<Finding> findings = check::checkMap(map, options);
    EXPECT_EQ(labelsOf(map, findings),
              (std::vector<std::string> {"error wall 17", "error wall 4", "error wall 1", "error area 1 \"Open\"",
                                         "error area 1 \"Open\"", "error area 2 \"Link\"", "error area 3 \"Loop\"",
                                         "error viewer start", "error wall 0", "error wall 0", "warning wall 16",
                                         "warning wall 12", "warning wall 2", "warning area 4 \"Empty\"",
                                         "warning area 6 \"Huge\"", "warning wall 11", "warning wall 16",
                                         "warning wall 17"}));
    EXPECT_EQ(check::errorCount(findings), 10u);
}

TEST_F(EveryFinding, EachFindingSaysWhatIsWrongAndWhatToDo)
{
    check::CheckOptions options;
    options.header = check::headerTexturesOf(qztest::headerWithThreeWallsAndTwoFlats());
    const std::vector<std::string> lines = linesOf(map, check::checkMap(map, options));
    ASSERT_EQ(lines.size(), 18u);
    const std::vector<std::string> expected = {
        "error: wall 17: its end point (32800, 0) is outside the coordinates the engine takes (-32768 to 32767). "
        "Move the wall inside that range.",
        "error: wall 4: it starts and ends at (50, 50), so it has no length and the engine never shows it. Move one "
        "of its end points.",
        "error: wall 1: the floor in front, Floor(h1) 200, is above the ceiling in front, End Ceil(h4) 128. Lower "
        "Floor(h1) or raise End Ceil(h4).",
        "error: area 1 \"Open\": its floor, Floor beg 300, is above its ceiling, Ceil end 128. Lower Floor beg or "
        "raise Ceil end.",
        "error: area 1 \"Open\": its walls do not close: the outline is open at (600, 0), (610, 0), so the engine "
        "cannot tell inside from outside. Join the walls' end points there.",
        "error: area 2 \"Link\": its chain goes from wall 8 to wall 3000, which is not a wall of the map (the map's "
        "walls are 0 to 21); the engine stops there. Build the area again.",
        "error: area 3 \"Loop\": its chain runs in a circle: wall 10 leads back to wall 9, which the chain has "
        "already passed. Build the area again.",
        "error: viewer start: the viewer starts at (-500, -500), which lies in no area the engine can find, so the "
        "viewer starts outside every room. Move the viewer start into a room (Set viewer to Insert Position).",
        "error: wall 0: its wall texture (Wall Tx) 5 is not in the header's [Walls] list (1 to 3), so the engine "
        "draws a checkerboard instead. Choose a number from the list.",
        "error: wall 0: its front floor flat (Front Floor Tx) 3 is not in the header's [Floors] list (1 to 2), so "
        "the engine draws a checkerboard instead. Choose a number from the list.",
        "warning: wall 16: it repeats wall 11 (the same end points in the same direction), so the engine draws and "
        "compiles both. Move one of them or give it other end points.",
        "warning: wall 12: it crosses wall 14 at about (1050, 50), so the compile cuts both walls there. End both "
        "walls at that point if the crossing is meant, or move one of them.",
        "warning: wall 2: it is transparent, and the ceiling behind it (height 64, flat 1) is not the ceiling in "
        "front (height 128, flat 1): the engine draws the floor and the ceiling round a transparent wall from the "
        "room behind, so the ceiling in front shows the one behind. Give both sides the same ceiling, or make the "
        "wall opaque.",
        "warning: area 4 \"Empty\": it has no walls (its first wall is -1), so nobody can ever stand in it. Build "
        "walls for it or leave it out of the map.",
        "warning: area 6 \"Huge\": its bounding box covers 40000000 square units, and the engine finds only areas "
        "below 32000000, so nobody can stand in it. Split it into smaller areas.",
        "warning: wall 11: it belongs to no area (no area's chain reaches it): the engine draws it, but its area "
        "lookup does not count it as the side of a room. Build it as part of a room if it bounds one.",
    };
    for (size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(lines[i], expected[i]) << "finding " << i;
}

TEST_F(EveryFinding, TexturesAreCheckedOnlyAgainstAHeader)
{
    for (const Finding& f : check::checkMap(map)) EXPECT_EQ(f.text.find("header"), std::string::npos) << f.text;
    EXPECT_EQ(check::checkMap(map).size(), 16u);
}

TEST(MapCheck, TheDemoMapIsCleanWithItsOwnHeader)
{
    qztest::MessageRecorder quiet;
    clsMap demo;
    ASSERT_TRUE(demo.ReadNewMPB(QZ_BUILT_DEMO_MAP));
    check::CheckOptions options;
    options.header = check::readHeaderTextures(QZ_BUILT_DEMO_HEADER);
    ASSERT_TRUE(options.header);
    EXPECT_EQ(options.header->walls, 12);
    EXPECT_EQ(options.header->floors, 6);
    EXPECT_EQ(linesOf(demo, check::checkMap(demo, options)), std::vector<std::string> {});
}

TEST(MapCheck, AnEmptyMapAndAFreshRoomWithTheViewerInsideHaveNoFindings)
{
    clsMap map;
    EXPECT_EQ(check::checkMap(map), (std::vector<Finding> {Finding {
                                        Severity::Error, RecordKind::ViewerStart, -1,
                                        "the viewer starts at (200, 200), which lies in no area the engine can find, "
                                        "so the viewer starts outside every room. Move the viewer start into a room "
                                        "(Set viewer to Insert Position)."}}));
    map.addPolySurround(4, 100, 100, 300);
    EXPECT_EQ(linesOf(map, check::checkMap(map)), std::vector<std::string> {});
}

TEST(MapCheck, ACompileBeyondTheLimitSaysHowManyRecordsItNeeds)
{
    clsMap map;
    qzgen::generateRoomMap(map, {.walls = 2000});
    std::vector<Wall> walls;
    for (int32_t i = 0; i < map.numWalls; ++i) walls.push_back(map.wallRecord(i));
    const bsp::BuildResult built = bsp::buildBspTree(walls);
    ASSERT_FALSE(built.tree) << "the generated map needs more than 2001 records";
    ASSERT_TRUE(built.counted);
    std::vector<Finding> compile;
    for (const Finding& f : check::checkMap(map))
        if (f.record == RecordKind::Map) compile.push_back(f);
    ASSERT_EQ(compile.size(), 1u);
    EXPECT_EQ(compile[0].severity, Severity::Error);
    EXPECT_EQ(compile[0].text, "the compile needs " + std::to_string(built.recordsNeeded) +
                                   " wall records, but a compiled map holds at most 2001, so the preview and Compile "
                                   "and save map binary will refuse it. Use fewer walls, or fewer walls whose lines cut "
                                   "across others (each cut adds a record).");
}

TEST(MapCheck, AChainLongerThanTheLookupFollowsIsAWarning)
{
    clsMap map;
    map.addPolySurround(202, 0, 0, 10);
    // The polygon turns right from (0, 0) heading north: its middle lies east of the start.
    map.vx = 320;
    map.vy = 0;
    std::vector<std::string> labels;
    for (const Finding& f : check::checkMap(map)) labels.push_back(f.text.substr(0, 30));
    EXPECT_EQ(labels, (std::vector<std::string> {"its chain has 202 walls, but t"}));
}

TEST(MapCheck, TransparentWallsBetweenTwoRoomsCompareTheOppositeWall)
{
    clsMap map;
    addSquare(map, 0, 0, 100);
    addSquare(map, 100, 0, 100);
    map.vx = map.vy = 50;
    // Wall 1 of the first room and wall 7 of the second run along x = 100 in opposite directions.
    ASSERT_EQ(map.wallRecord(7).x1, 100);
    for (int32_t w : {1, 7}) {
        Wall& grate = map.wallRecord(w);
        grate.wallFlags = kWallTransparent;
        grate.floorHtEnd = grate.ceilHtBegin;  // solid, see-through
    }
    EXPECT_TRUE(check::checkMap(map).empty()) << "the same floor and ceiling on both sides";
    map.wallRecord(7).wallFlags |= kWallSkyCeiling;
    map.wallRecord(1).txrFFloor = 4;
    std::vector<std::string> found;
    for (const Finding& f : check::checkMap(map)) {
        const std::string line = check::findingLine(map, f);
        found.push_back(line.substr(0, line.find("):") + 1));
    }
    EXPECT_EQ(found, (std::vector<std::string> {
                         "warning: wall 1: it is transparent, and the floor behind it (height 8, flat 1) is not the "
                         "floor in front (height 8, flat 4)",
                         "warning: wall 1: it is transparent, and the ceiling behind it (height 128, sky) is not the "
                         "ceiling in front (height 128, flat 1)",
                         "warning: wall 7: it is transparent, and the floor behind it (height 8, flat 4) is not the "
                         "floor in front (height 8, flat 1)",
                         "warning: wall 7: it is transparent, and the ceiling behind it (height 128, flat 1) is not "
                         "the ceiling in front (height 128, sky)"}));
}

TEST(MapCheck, ARoomBuiltTwiceInOnePlaceIsOneFindingAndSharedSidesAreNone)
{
    clsMap map;
    addSquare(map, 0, 0, 100);
    // A neighbour that keeps the shared side in its own chain, as both rooms need it.
    const int32_t first = map.numWalls;
    map.startArea(first, 0);
    map.addWall(100, 0, 100, 100, first, first + 1);
    map.addWall(100, 100, 200, 100, first, first + 2);
    map.addWall(200, 100, 200, 0, first, first + 3);
    map.addWall(200, 0, 100, 0, first, -1);
    map.endArea();
    map.vx = map.vy = 50;
    EXPECT_TRUE(check::checkMap(map).empty());
    addSquare(map, 0, 0, 100);
    const std::vector<Finding> findings = check::checkMap(map);
    ASSERT_EQ(findings.size(), 1u);
    EXPECT_EQ(check::findingLine(map, findings[0]),
              "warning: area 2 \"Area2\": its walls repeat those of area 0 one for one, so the engine draws them twice "
              "and always finds area 0 instead. Move it, or build it again elsewhere.");
}

TEST(MapCheck, TheEngineLookupFindsTheSmallestAreaAndCountsAJointOnce)
{
    clsMap map;
    addSquare(map, 0, 0, 400);
    addSquare(map, 100, 100, 100);
    EXPECT_EQ(check::engineAreaAt(map, 150, 150), 1) << "the inner room is the smaller";
    EXPECT_EQ(check::engineAreaAt(map, 50, 150), 0);
    // A point rounded onto the wall of least y lies below the far wall only: inside; onto the wall
    // of greatest y it lies below none: outside.
    EXPECT_EQ(check::engineAreaAt(map, 50.4, 0.4), 0);
    EXPECT_EQ(check::engineAreaAt(map, 50, 399.6), -1);
    EXPECT_EQ(check::engineAreaAt(map, 500, 150), -1);
    EXPECT_EQ(check::engineAreaAt(map, 1e300, 0), -1);
    // Through the joint of two walls at x = 200 the boundary is crossed once.
    clsMap roof;
    roof.startArea(0, 0);
    roof.addWall(0, 0, 200, 300, 0, 1);
    roof.addWall(200, 300, 400, 0, 0, 2);
    roof.addWall(400, 0, 0, 0, 0, -1);
    roof.endArea();
    EXPECT_EQ(check::engineAreaAt(roof, 200, 100), 0);
}

TEST(MapCheck, HeaderCountsAreReadAsTheEngineReadsThem)
{
    EXPECT_EQ(check::headerTexturesOf("[Quarzite3D]\nnumWalls= 12abc\nnumFloors=-3\n").walls, 12);
    EXPECT_EQ(check::headerTexturesOf("[Quarzite3D]\nnumWalls= 12abc\nnumFloors=-3\n").floors, 0);
    EXPECT_EQ(check::headerTexturesOf("[Other]\nnumWalls=5\n").walls, 0);
    EXPECT_EQ(check::headerTexturesOf("[quarzite3d]\nNUMFLOORS=99999\n").floors, 32767);
    qztest::TempDir dir;
    EXPECT_FALSE(check::readHeaderTextures(dir.file("missing.hdr")));
}

}  // namespace
