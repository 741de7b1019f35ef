#include <gtest/gtest.h>

#include "platform/files.h"
#include "tests/support/wad_builder.h"
#include "tests/support/test_support.h"
#include "tests/support/run_program.h"

// qzmap import-wad run as a program on WADs the test writes.
namespace {

using namespace importtest;

qztest::ProgramResult qzmap(const std::vector<std::string>& args) { return qztest::runProgram(QZMAP_TOOL, args); }

// Rooms of 64 units in a row, each its own sector, player 1 in the first.
TestMap rooms(int count) { return roomsInARow(count, 0); }

class QzmapImportWad : public ::testing::Test {
protected:
    QzmapImportWad()
    {
        WadBuilder builder;
        builder.lump("PLAYPAL", std::vector<uint8_t>(768, 0));
        builder.map("MAP01", rooms(1));
        builder.map("MAP02", rooms(250));
        builder.map("MAP03", rooms(1));
        builder.lump("BEHAVIOR", {0});
        qztest::writeBytes(wad, builder.bytes());
    }
    qztest::TempDir dir;
    const std::string wad = dir.file("test.wad");
};

TEST_F(QzmapImportWad, ListsTheMapsOfTheWad)
{
    qztest::ProgramResult result = qzmap({"import-wad", wad});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "MAP01\nMAP02\nMAP03 (Hexen layout, not importable)\n");
}

TEST_F(QzmapImportWad, ImportsAMapAndPrintsTheReport)
{
    qztest::ProgramResult result = qzmap({"import-wad", wad, "MAP01", dir.file("one.map"), "--textures", dir.file("world")});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out.substr(0, result.out.find("  wall textures")),
              "MAP01: 4 lines, 1 sectors, 1 things\nconverted:\n  areas (one per sector): 1\n  walls: 4\n"
              "  one-sided lines (solid walls): 4\n  two-sided lines (a wall facing each side): 0\n"
              "  see-through walls (impassable lines with a middle texture): 0\n");
    EXPECT_NE(result.out.find("  viewer start: x 32, y 32, eye 56, angle 32 (sector 0)\n"), std::string::npos);
    EXPECT_NE(result.out.find("  missing textures: 1 (WALL)\n"), std::string::npos) << "the WAD has no textures";
    for (const char* file : {"one.hdr", "one.mpb", "scratch.hdr", "palette.bmp", "w_wall.bmp"})
        EXPECT_TRUE(qz::fileExists(dir.file(std::string("world/") + file))) << file;
    qztest::ProgramResult info = qzmap({"info", dir.file("one.map")});
    EXPECT_EQ(info.out.substr(0, info.out.find("directory")),
              "walls: 4\nareas: 1\nviewpoints: 1\nglobals: 6\nviewer start: vx 32, vy 32, vz 56, vd 32\n");
}

TEST_F(QzmapImportWad, MapBeyondTheTablesNeedsFit)
{
    qztest::ProgramResult refused = qzmap({"import-wad", wad, "MAP02", dir.file("row.map")});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.err, "qzmap: MAP02 needs 1000 walls and 250 areas; a map holds at most 2001 walls and 201 areas. "
                           "Import the connected part around the player start that fits instead (--fit).\n");
    EXPECT_FALSE(qz::fileExists(dir.file("row.map")));

    qztest::ProgramResult cut = qzmap({"import-wad", wad, "MAP02", dir.file("row.map"), "--fit"});
    EXPECT_EQ(cut.exitCode, 0) << cut.err;
    EXPECT_NE(cut.out.find("  areas (one per sector): 201\n"), std::string::npos);
    EXPECT_NE(cut.out.find("cut:\n  sectors left out: 49\n  lines to sectors left out, made solid: 1\n"
                           "  imported the part around the player start that fits: 201 of 250 reachable sectors\n"),
              std::string::npos);
}

TEST_F(QzmapImportWad, BadFilesAndArgumentsFail)
{
    qztest::ProgramResult missing = qzmap({"import-wad", dir.file("none.wad"), "MAP01", dir.file("a.map")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.err, "qzmap: cannot open \"" + dir.file("none.wad") + "\"\n");
    qztest::ProgramResult hexen = qzmap({"import-wad", wad, "MAP03", dir.file("a.map")});
    EXPECT_EQ(hexen.exitCode, 1);
    EXPECT_EQ(hexen.err, "qzmap: MAP03 is a map in the Hexen layout; only classic Doom-format maps can be imported\n");
    std::vector<uint8_t> cut = qztest::readBytes(wad);
    const size_t directory = cut.size() - 20 * 16;
    cut.resize(cut.size() / 2);
    qztest::writeBytes(dir.file("cut.wad"), cut);
    qztest::ProgramResult truncated = qzmap({"import-wad", dir.file("cut.wad")});
    EXPECT_EQ(truncated.exitCode, 1);
    EXPECT_EQ(truncated.err, "qzmap: \"" + dir.file("cut.wad") + "\": the directory of 20 lumps at byte " +
                                 std::to_string(directory) + " runs past the end of the file (" +
                                 std::to_string(cut.size()) + " bytes)\n");

    for (const std::vector<std::string>& args :
         {std::vector<std::string> {"import-wad"}, {"import-wad", wad, "MAP01"},
          {"import-wad", wad, "MAP01", dir.file("a.map"), "--textures"},
          {"import-wad", wad, "MAP01", dir.file("a.map"), "--whole"}}) {
        qztest::ProgramResult result = qzmap(args);
        EXPECT_EQ(result.exitCode, 2) << args.size();
        EXPECT_NE(result.err.find("qzmap import-wad FILE.wad MAP OUT.map [--textures DIR] [--fit]"), std::string::npos);
    }
}

}  // namespace
