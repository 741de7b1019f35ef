#include <gtest/gtest.h>

#include "editor/model/clsMap.h"
#include "editor/shell/logic/wad_import_choice.h"
#include "platform/files.h"
#include "tests/support/wad_builder.h"
#include "tests/support/test_support.h"

using namespace qzedit;

// The Import Doom WAD map dialog's logic on WADs the test writes: the maps listed, what can be
// picked, and the import into the map with the world written beside.
namespace {

using namespace importtest;

TestMap room(int16_t size)
{
    TestMap map;
    addRoom(map, 0, 0, size, size, TestSector {});
    map.things.push_back({32, 32, 90, 1});
    return map;
}

std::string writeWad(const qztest::TempDir& dir)
{
    WadBuilder wad;
    wad.map("MAP01", room(256));
    wad.map("MAP02", room(64));
    wad.lump("BEHAVIOR", {0});
    wad.lump("PLAYPAL", std::vector<uint8_t>(768, 0));
    const std::string path = dir.file("test.wad");
    qztest::writeBytes(path, wad.bytes());
    return path;
}

TEST(WadImportChoice, ListsTheMapsAndEnablesOnlyImportableOnes)
{
    qztest::TempDir dir;
    WadImportChoice choice;
    ASSERT_TRUE(choice.load(writeWad(dir)).ok);
    EXPECT_EQ(choice.mapLines(), (std::vector<std::string> {"MAP01", "MAP02 (Hexen layout, not importable)"}));
    EXPECT_EQ(choice.selected(), 0);
    EXPECT_TRUE(choice.okEnabled());
    choice.select(1);
    EXPECT_FALSE(choice.okEnabled());
    choice.select(7);
    EXPECT_EQ(choice.selected(), -1);
    EXPECT_FALSE(choice.okEnabled());

    WadImportChoice missing;
    Outcome refused = missing.load(dir.file("none.wad"));
    EXPECT_FALSE(refused.ok);
    EXPECT_EQ(refused.title, "Import Error");
    EXPECT_EQ(refused.text, "cannot open \"" + dir.file("none.wad") + "\"");
    qztest::writeBytes(dir.file("empty.wad"), WadBuilder().bytes());
    EXPECT_EQ(missing.load(dir.file("empty.wad")).text, "\"" + dir.file("empty.wad") + "\" holds no map.");
}

TEST(WadImportChoice, ImportReplacesTheMapAndWritesItsWorld)
{
    qztest::TempDir dir;
    WadImportChoice choice;
    ASSERT_TRUE(choice.load(writeWad(dir)).ok);
    clsMap map;
    map.addWall(1, 2, 3, 4, 0, -1);
    std::string report;
    Outcome done = choice.importInto(map, dir.file("MAP01"), report);
    ASSERT_TRUE(done.ok) << done.text;
    EXPECT_EQ(map.numWalls, 4);
    EXPECT_EQ(map.numAreas, 1);
    EXPECT_EQ(map.wallRecord(1).x2, 256);
    EXPECT_EQ(report.substr(0, report.find('\n')), "MAP01: 4 lines, 1 sectors, 1 things");
    EXPECT_NE(report.find("  header: MAP01.hdr (map MAP01.mpb), scratch.hdr (map scratch.mpb)\n"), std::string::npos);
    for (const char* file : {"MAP01.hdr", "MAP01.mpb", "scratch.hdr", "palette.bmp", "w_wall.bmp", "f_floor.bmp"})
        EXPECT_TRUE(qz::fileExists(dir.file(std::string("MAP01/") + file))) << file;

    // A refused import leaves the map as it was.
    choice.select(1);
    Outcome refused = choice.importInto(map, dir.file("MAP02"), report);
    EXPECT_FALSE(refused.ok);
    EXPECT_EQ(refused.text, "No importable map is selected.");
    EXPECT_EQ(map.numWalls, 4);
}

}  // namespace
