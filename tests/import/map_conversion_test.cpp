#include <gtest/gtest.h>

#include "editor/import/doom_map.h"
#include "editor/import/map_filling.h"
#include "editor/import/map_import.h"
#include "editor/import/sector_reach.h"
#include "editor/import/wad_file.h"
#include "engine/engine_state.h"
#include "engine/movement.h"
#include "tests/import/engine_world.h"
#include "tests/support/wad_builder.h"
#include "tests/support/test_support.h"

using namespace qzedit;

namespace importtest {
namespace {

wad::DoomMap read(const TestMap& map)
{
    WadBuilder builder;
    builder.map("MAP01", map);
    return wad::readDoomMap(wad::WadFile(builder.bytes(), "test.wad"), "MAP01");
}

wad::ImportedMap import(const TestMap& map, const wad::TextureHeights& heights = {}, bool fit = false)
{
    return wad::importMap(read(map), heights, wad::ImportOptions {fit});
}

struct Heights {
    int32_t floorBegin, floorEnd, ceilBegin, ceilEnd;
};

void expectWall(const mapfile::Wall& w, std::array<int32_t, 4> ends, Heights h, std::array<int32_t, 5> textures,
                int32_t xo, int32_t yo)
{
    EXPECT_EQ((std::array<int32_t, 4> {w.x1, w.y1, w.x2, w.y2}), ends);
    EXPECT_EQ((std::array<int32_t, 4> {w.floorHtBegin, w.floorHtEnd, w.ceilHtBegin, w.ceilHtEnd}),
              (std::array<int32_t, 4> {h.floorBegin, h.floorEnd, h.ceilBegin, h.ceilEnd}));
    EXPECT_EQ((std::array<int32_t, 5> {w.txrWall, w.txrFFloor, w.txrFCeil, w.txrBFloor, w.txrBCeil}), textures);
    EXPECT_EQ(w.xo, xo);
    EXPECT_EQ(w.yo, yo);
}

TEST(MapConversion, RoomBecomesFourSolidWallsInOneAreaWithTheViewerAtTheStart)
{
    TestMap room;
    addRoom(room, 0, 0, 256, 256, TestSector {});
    room.things.push_back({128, 64, 90, 1});
    const wad::ImportedMap imported = import(room);
    const std::vector<mapfile::Wall>& walls = imported.converted.walls;
    ASSERT_EQ(walls.size(), 4u);
    const std::array<std::array<int32_t, 4>, 4> ends = {{{0, 0, 0, 256}, {0, 256, 256, 256}, {256, 256, 256, 0}, {256, 0, 0, 0}}};
    for (size_t k = 0; k < 4; ++k) {
        expectWall(walls[k], ends[k], {0, 128, 128, 128}, {1, 1, 2, 1, 2}, 0, 0);
        EXPECT_EQ(walls[k].areaNum, 0);
        EXPECT_EQ(walls[k].areaFirst, 0);
        EXPECT_EQ(walls[k].areaNext, k < 3 ? static_cast<int32_t>(k) + 1 : -1);
        EXPECT_EQ(walls[k].wallFlags, 0);
    }
    EXPECT_EQ(imported.converted.textures.walls(), (std::vector<std::string> {"WALL"}));
    EXPECT_EQ(imported.converted.textures.flats(), (std::vector<std::string> {"FLOOR", "CEIL"}));
    EXPECT_EQ(imported.viewer.x, 128.0);
    EXPECT_EQ(imported.viewer.y, 64.0);
    EXPECT_EQ(imported.viewer.z, 56);
    EXPECT_EQ(imported.viewer.angle, 0) << "Doom's north is the engine's angle 0";
    EXPECT_EQ(imported.compiledRecords, 4);

    clsMap map;
    wad::fillMap(imported, map);
    EXPECT_EQ(map.numWalls, 4);
    EXPECT_EQ(map.numAreas, 1);
    const Area& area = map.areaRecord(0);
    EXPECT_EQ(area.areaName.str(), "Sector 0        ");
    EXPECT_EQ((std::array<int32_t, 4> {area.areaBbLeft, area.areaBbTop, area.areaBbRight, area.areaBbBottom}),
              (std::array<int32_t, 4> {0, 0, 256, 256}));
    EXPECT_EQ(area.areaSqArea, 65536);
    EXPECT_EQ((std::array<int32_t, 4> {area.areaFloorHtBegin, area.areaFloorHtEnd, area.areaCeilHtBegin, area.areaCeilHtEnd}),
              (std::array<int32_t, 4> {0, 0, 128, 128}));
    EXPECT_EQ(map.wallRecord(2).ceilHtBegin, 128);
    EXPECT_EQ(map.wallRecord(3).areaNext, -1);
    EXPECT_EQ(map.vx, 128.0);
    EXPECT_EQ(map.vy, 64.0);
    EXPECT_EQ(map.vz, 56);
    EXPECT_EQ(map.vd, 0);
    ASSERT_EQ(map.numViewpoints, 1);
    EXPECT_EQ(map.viewpointRecord(0).name.str(), "Player 1 start  ");
    EXPECT_EQ(map.globalRecord(4).globalValue, 24) << "Doom's step height";
    EXPECT_EQ(map.globalRecord(5).globalValue, 1) << "gravity on";
}

// Room A (floor 0, ceiling 128) beside room B (floor 24, ceiling 160): from A the step up shows
// (the lower part, 0 .. 24), from B the higher ceiling's edge (the upper part, 128 .. 160).
TestMap twoRoomsWithAStep()
{
    TestMap map;
    map.sectors = {TestSector {}, TestSector {24, 160, "STEP", "CEIL", 160, 9, 0}};
    map.wall(0, 0, 0, 256, 0);
    map.wall(0, 256, 256, 256, 0);
    map.wall(256, 0, 0, 0, 0);
    TestSide a {0, "-", "STEPTX", "-", 70, 0};
    TestSide b {1, "UPTX", "-", "-", 0, 5};
    map.lines.push_back({map.vertex(256, 256), map.vertex(256, 0), map.side(a), map.side(b), wad::kLineImpassable, 0});
    map.wall(256, 256, 512, 256, 1);
    map.wall(512, 256, 512, 0, 1);
    map.wall(512, 0, 256, 0, 1);
    map.things = {{128, 128, 0, 1}, {64, 64, 0, 3004}, {96, 96, 0, 2}};
    return map;
}

TEST(MapConversion, StepShowsFromBothSidesThroughAWallFacingEachRoom)
{
    const wad::ImportedMap imported = import(twoRoomsWithAStep());
    const std::vector<mapfile::Wall>& walls = imported.converted.walls;
    ASSERT_EQ(walls.size(), 8u);
    // Textures: WALL 1, STEPTX 2, UPTX 3; flats: FLOOR 1, CEIL 2, STEP 3. Offsets wrap into 0 .. 127:
    // the lower part hangs from the higher floor (24), the upper part stands on the lower ceiling
    // (128, plus the texture's height of 128) and moves up by the side's y offset (5).
    expectWall(walls[3], {256, 256, 256, 0}, {0, 24, 160, 128}, {2, 1, 2, 3, 2}, 70, 104);
    EXPECT_EQ(walls[3].areaNum, 0);
    expectWall(walls[4], {256, 0, 256, 256}, {24, 0, 128, 160}, {3, 3, 2, 1, 2}, 0, 123);
    EXPECT_EQ(walls[4].areaNum, 1);
    EXPECT_EQ(walls[4].areaFirst, 4);
    EXPECT_EQ(walls[7].areaNext, -1);
    ASSERT_EQ(imported.converted.areas.size(), 2u);
    EXPECT_EQ(imported.converted.areas[1].areaFirstWall, 4);
    EXPECT_EQ(imported.converted.areas[1].areaFloorHtBegin, 24);
    EXPECT_EQ(imported.converted.areas[1].areaCeilHtEnd, 160);

    const wad::ImportCounts& c = imported.converted.counts;
    EXPECT_EQ(c.oneSidedWalls, 6);
    EXPECT_EQ(c.twoSidedLines, 1);
    EXPECT_EQ(c.droppedThings, 2);
    EXPECT_EQ(c.sectorSpecials, 1);
    EXPECT_EQ(c.dimSectors, 1);
    EXPECT_EQ(c.impassableOpenLines, 1);
    EXPECT_EQ(c.missingTextures, 0);

    // Walking from A into B: the step does not stop the viewer, gravity lifts the eye.
    qztest::TempDir dir;
    clsMap map;
    wad::fillMap(imported, map);
    loadIntoEngine(map, dir.path());
    engine::EngineState& s = engine::state();
    s.viewX = 200;
    s.viewY = 128;
    s.viewAngle = 32;
    engine::moveViewer(0, 100, 0);
    EXPECT_EQ(s.viewX, 300.0);
    EXPECT_EQ(s.currentArea, 1);
    EXPECT_EQ(s.eyeZ, 80);
    engine::moveViewer(0, 300, 0);
    EXPECT_EQ(s.viewX, 300.0) << "the far wall stops the viewer";
}

// Room A, a shut door (a sector whose ceiling is down on its floor), room C.
TestMap roomsWithADoor()
{
    TestMap map;
    map.sectors = {TestSector {}, TestSector {0, 0, "FLOOR", "DOORTOP", 255, 0, 0}, TestSector {}};
    map.wall(0, 0, 0, 128, 0);
    map.wall(0, 128, 256, 128, 0);
    map.wall(256, 0, 0, 0, 0);
    map.lines.push_back({map.vertex(256, 128), map.vertex(256, 0), map.side({0, "DOOR", "-", "-", 0, 0}),
                         map.side({1, "-", "-", "-", 0, 0}), 0, 1});
    map.wall(256, 128, 272, 128, 1, "DOORTRAK");
    map.wall(272, 0, 256, 0, 1, "DOORTRAK");
    map.lines.push_back({map.vertex(272, 0), map.vertex(272, 128), map.side({2, "DOOR", "-", "-", 0, 0}),
                         map.side({1, "-", "-", "-", 0, 0}), wad::kLineUpperUnpegged, 1});
    map.wall(272, 128, 528, 128, 2);
    map.wall(528, 128, 528, 0, 2);
    map.wall(528, 0, 272, 0, 2);
    map.things = {{64, 64, 0, 1}};
    return map;
}

TEST(MapConversion, ShutDoorIsSolidFromBothRooms)
{
    const wad::ImportedMap imported = import(roomsWithADoor(), {{"DOOR", 72}});
    const std::vector<mapfile::Wall>& walls = imported.converted.walls;
    ASSERT_EQ(walls.size(), 12u);
    // WALL 1, DOOR 2, DOORTRAK 3; FLOOR 1, CEIL 2, DOORTOP 3. The door hangs from the lower
    // ceiling up by its height (72) seen from A, and from C's ceiling (upper unpegged).
    expectWall(walls[3], {256, 128, 256, 0}, {0, 128, 128, 128}, {2, 1, 2, 1, 3}, 0, 56);
    expectWall(walls[4], {256, 0, 256, 128}, {0, 0, 0, 0}, {0, 1, 3, 1, 2}, 0, 0);
    expectWall(walls[7], {272, 128, 272, 0}, {0, 0, 0, 0}, {0, 1, 3, 1, 2}, 0, 0);
    expectWall(walls[8], {272, 0, 272, 128}, {0, 128, 128, 128}, {2, 1, 2, 1, 3}, 0, 0);
    EXPECT_EQ(walls[8].areaNum, 2);
    EXPECT_EQ(imported.converted.areas[1].areaName.str(), "Sector 1        ");
    EXPECT_EQ(imported.converted.areas[1].areaCeilHtBegin, 0);
    EXPECT_EQ(imported.converted.counts.lineSpecials, 2);
    EXPECT_EQ(imported.converted.counts.twoSidedLines, 2);

    qztest::TempDir dir;
    clsMap map;
    wad::fillMap(imported, map);
    loadIntoEngine(map, dir.path());
    engine::EngineState& s = engine::state();
    s.viewX = 200;
    s.viewY = 64;
    s.viewAngle = 32;
    engine::moveViewer(0, 100, 0);
    EXPECT_EQ(s.viewX, 200.0) << "the door stops the viewer";
}

// Rooms in a row, 64 units each, player 1 in room 100.
TestMap rowOfRooms(int rooms) { return roomsInARow(rooms, 100); }

TEST(MapConversion, MapBeyondTheTablesIsRefusedOrCutAroundTheStart)
{
    try {
        import(rowOfRooms(250));
        FAIL() << "250 areas do not fit";
    } catch (const wad::MapBeyondTables& e) {
        EXPECT_STREQ(e.what(), "MAP01 needs 1000 walls and 250 areas; a map holds at most 2001 walls and 201 areas. "
                               "Import the connected part around the player start that fits instead (--fit).");
        EXPECT_EQ(e.needs.walls, 1000);
        EXPECT_EQ(e.needs.areas, 250);
    }

    const wad::ImportedMap imported = import(rowOfRooms(250), {}, true);
    const wad::ImportCounts& c = imported.converted.counts;
    EXPECT_TRUE(imported.cut);
    EXPECT_EQ(imported.reachableSectors, 250);
    EXPECT_EQ(c.areas, 201);
    EXPECT_EQ(c.sectorsLeftOut, 49) << "the walk from room 100 takes rooms 0 .. 200";
    EXPECT_EQ(c.solidCutLines, 1);
    EXPECT_EQ(c.walls, 804);
    EXPECT_EQ(imported.compiledRecords, 804);
    EXPECT_EQ(imported.converted.areaSectors.front(), 0);
    EXPECT_EQ(imported.converted.areaSectors.back(), 200);
    const mapfile::Wall& cut = imported.converted.walls.back();
    EXPECT_EQ(cut.areaNum, 200);
    expectWall(imported.converted.walls[imported.converted.walls.size() - 1], {12864, 64, 12864, 0}, {0, 128, 128, 128},
               {0, 1, 2, 1, 2}, 0, 0);

    EXPECT_EQ(import(rowOfRooms(201)).converted.counts.areas, 201) << "201 areas fit whole";
}

TEST(MapConversion, ReachRunsThroughOpeningsAndTeleportersNearestFirst)
{
    const std::vector<int32_t> row = wad::sectorsByReach(read(rowOfRooms(250)), 100);
    ASSERT_EQ(row.size(), 250u);
    EXPECT_EQ(std::vector<int32_t>(row.begin(), row.begin() + 5), (std::vector<int32_t> {100, 99, 101, 98, 102}));

    // Room 0 holds a teleporter line to the sectors tagged 5 (room 1); room 2 is reached by nothing.
    TestMap map;
    addRoom(map, 0, 0, 256, 256, TestSector {});
    addRoom(map, 512, 0, 768, 256, TestSector {0, 128, "FLOOR", "CEIL", 255, 0, 5});
    addRoom(map, 1024, 0, 1280, 256, TestSector {0, 128, "FLOOR", "CEIL", 255, 0, 5 + 1});
    map.lines.push_back({map.vertex(100, 100), map.vertex(100, 150), map.side({0, "-", "-", "-", 0, 0}),
                         map.side({0, "-", "-", "-", 0, 0}), 0, 97, 5});
    map.things = {{32, 32, 0, 1}};
    EXPECT_EQ(wad::sectorsByReach(read(map), 0), (std::vector<int32_t> {0, 1}));
    EXPECT_EQ(wad::sectorsByReach(read(map), 1), (std::vector<int32_t> {1})) << "a teleporter leads one way";
}

TEST(MapConversion, StartAndAnglesFollowDoomsConventions)
{
    EXPECT_EQ(wad::engineAngle(0), 32) << "east";
    EXPECT_EQ(wad::engineAngle(90), 0) << "north";
    EXPECT_EQ(wad::engineAngle(180), 96) << "west";
    EXPECT_EQ(wad::engineAngle(270), 64) << "south";
    EXPECT_EQ(wad::engineAngle(45), 16);
    EXPECT_EQ(wad::engineAngle(135), 112);
    EXPECT_EQ(wad::engineAngle(-90), 64);

    TestMap noStart = twoRoomsWithAStep();
    noStart.things = {{10, 10, 0, 2}};
    try {
        import(noStart);
        FAIL();
    } catch (const wad::WadError& e) {
        EXPECT_STREQ(e.what(), "MAP01 has no player 1 start (a thing of type 1)");
    }
    TestMap outside = twoRoomsWithAStep();
    outside.things = {{900, 100, 0, 1}};
    try {
        import(outside);
        FAIL();
    } catch (const wad::WadError& e) {
        EXPECT_STREQ(e.what(), "MAP01: player 1 starts at (900, 100), outside every sector");
    }
    TestMap inB = twoRoomsWithAStep();
    inB.things = {{400, 20, 270, 1}};
    const wad::ImportedMap imported = import(inB);
    EXPECT_EQ(imported.viewer.sector, 1);
    EXPECT_EQ(imported.viewer.z, 80);
    EXPECT_EQ(imported.viewer.angle, 64);
}

// A grate (an impassable line with a middle texture) between two rooms of one height, a line
// inside a room, a line of no length and a sector no line bounds.
TEST(MapConversion, FeaturesWithoutACounterpartAreDroppedAndCounted)
{
    TestMap map;
    map.sectors = {TestSector {}, TestSector {}, TestSector {}};
    map.wall(0, 0, 0, 256, 0);
    map.wall(0, 256, 256, 256, 0);
    map.wall(256, 0, 0, 0, 0);
    map.lines.push_back({map.vertex(256, 256), map.vertex(256, 0), map.side({0, "-", "-", "GRATE", 0, 0}),
                         map.side({1, "-", "-", "GRATE", 0, 0}), wad::kLineImpassable, 0});
    map.wall(256, 256, 512, 256, 1);
    map.wall(512, 256, 512, 0, 1);
    map.wall(512, 0, 256, 0, 1);
    map.lines.push_back({map.vertex(64, 64), map.vertex(64, 192), map.side({0, "-", "-", "-", 0, 0}),
                         map.side({0, "-", "-", "-", 0, 0}), 0, 0});
    map.lines.push_back({map.vertex(100, 100), map.vertex(100, 100), map.side({0, "-", "-", "WALL", 0, 0}), kNone, 0, 0});
    map.things = {{128, 128, 0, 1}};
    const wad::ImportedMap imported = import(map);
    const wad::ImportCounts& c = imported.converted.counts;
    EXPECT_EQ(c.innerLines, 1);
    EXPECT_EQ(c.zeroLengthLines, 1);
    EXPECT_EQ(c.emptySectors, 1);
    EXPECT_EQ(c.transparentWalls, 2);
    EXPECT_EQ(c.walls, 8);
    EXPECT_EQ(c.areas, 2);
    const mapfile::Wall& grate = imported.converted.walls[3];
    EXPECT_EQ(grate.wallFlags, mapfile::kWallTransparent);
    EXPECT_EQ(grate.floorHtEnd, grate.ceilHtBegin) << "solid: the viewer cannot pass";
    EXPECT_EQ(imported.converted.textures.walls()[static_cast<size_t>(grate.txrWall - 1)], "GRATE");
}

}  // namespace
}  // namespace importtest
