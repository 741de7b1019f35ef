#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "editor/model/clsMap.h"
#include "tests/support/test_support.h"
#include "tests/tools/compile_output.h"
#include "tests/support/run_program.h"

using namespace qzedit;

namespace {

qztest::ProgramResult qzmap(const std::vector<std::string>& args) { return qztest::runProgram(QZMAP_TOOL, args); }

// Two walls in one area with known identities, a name that needs escaping, two viewpoints and a
// changed map identity: every value of the file is known.
void buildKnownMap(clsMap& map)
{
    map.vx = 12.5;
    map.vy = -3;
    map.vz = 40;
    map.vd = 7;
    map.areaName = "Q\"uote\\ \x80\x01";
    map.startArea(0, 2);
    map.addWall(0, 0, 30, 40, 0, 1);
    map.wallFlags = 9;
    map.addWall(30, 40, -5, 7, 0, -1);
    map.endArea();
    map.areaName.clear();
    map.wallRecord(0).wallID = 0.25;
    Wall& second = map.wallRecord(1);
    second.wallID = 123456.5;
    second.spareL3 = -77;
    second.spareD2 = 1e20;
    map.globalRecord(0).globalValue = 42;
    Viewpoint& look = map.viewpointRecord(1);
    look.name.assign("Look");
    look.x = 5;
    look.y = 6;
    look.z = 7;
    map.numViewpoints = 2;
}

// Two crossing walls: the compile must split one of them.
void buildCrossingMap(clsMap& map)
{
    map.startArea(0, 0);
    map.addWall(0, 0, 100, 0, 0, 1);
    map.addWall(50, -50, 50, 50, 0, -1);
    map.endArea();
}

std::string writeMap(const qztest::TempDir& dir, const std::string& name, void (*build)(clsMap&))
{
    qztest::MessageRecorder quiet;
    clsMap map;
    build(map);
    std::string path = dir.file(name);
    EXPECT_TRUE(map.WriteNewMPB(path, false));
    return path;
}

void putI32(std::vector<uint8_t>& bytes, size_t offset, int32_t value) { std::memcpy(bytes.data() + offset, &value, 4); }

void expectOneLineFailure(const qztest::ProgramResult& r, const std::string& startsWith)
{
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err.rfind(startsWith, 0), 0u) << r.err;
    ASSERT_FALSE(r.err.empty());
    EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err;
}

class Qzmap : public ::testing::Test {
protected:
    qztest::TempDir dir;
};

TEST_F(Qzmap, InfoPrintsCountsViewerStartAndDirectory)
{
    qztest::ProgramResult r = qzmap({"info", writeMap(dir, "known.map", buildKnownMap)});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out,
              "walls: 2\n"
              "areas: 1\n"
              "viewpoints: 2\n"
              "globals: 6\n"
              "viewer start: vx 12.5, vy -3, vz 40, vd 7\n"
              "directory:\n"
              "  type 1 (walls) at position 65\n"
              "  type 2 (viewpoints) at position 387\n"
              "  type 3 (areas) at position 519\n"
              "  type 4 (globals) at position 613\n");
}

TEST_F(Qzmap, DumpShowsEveryStoredFieldAsJson)
{
    qztest::ProgramResult r = qzmap({"dump", writeMap(dir, "known.map", buildKnownMap)});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.err, "");
    const std::string spares = "\"spareL1\": 0, \"spareL2\": 0, ";
    EXPECT_EQ(
        r.out,
        "{\n"
        "  \"wallBlockType\": 1,\n"
        "  \"viewerStart\": {\"vx\": 12.5, \"vy\": -3, \"vz\": 40, \"vd\": 7},\n"
        "  \"walls\": [\n"
        "    {\"x1\": 0, \"y1\": 0, \"x2\": 30, \"y2\": 40, \"floorHtBegin\": 8, \"floorHtEnd\": 16, \"ceilHtBegin\": 64, "
        "\"ceilHtEnd\": 128, \"xo\": 0, \"yo\": 0, \"txrWall\": 1, \"txrFFloor\": 1, \"txrFCeil\": 1, \"txrBFloor\": 1, "
        "\"txrBCeil\": 1, \"back\": 0, \"front\": 0, \"tStart\": 0, \"tEnd\": 1, \"wallFlags\": 0, \"areaNum\": 0, "
        "\"areaFirst\": 0, \"areaNext\": 1, " +
            spares +
            "\"spareL3\": 0, \"spareL4\": 0, \"wallID\": 0.25, \"spareD1\": 0, \"spareD2\": 0, \"spareD3\": 0},\n"
            "    {\"x1\": 30, \"y1\": 40, \"x2\": -5, \"y2\": 7, \"floorHtBegin\": 8, \"floorHtEnd\": 16, \"ceilHtBegin\": 64, "
            "\"ceilHtEnd\": 128, \"xo\": 0, \"yo\": 0, \"txrWall\": 1, \"txrFFloor\": 1, \"txrFCeil\": 1, \"txrBFloor\": 1, "
            "\"txrBCeil\": 1, \"back\": 0, \"front\": 0, \"tStart\": 0, \"tEnd\": 1, \"wallFlags\": 9, \"areaNum\": 0, "
            "\"areaFirst\": 0, \"areaNext\": -1, " +
            spares +
            "\"spareL3\": -77, \"spareL4\": 0, \"wallID\": 123456.5, \"spareD1\": 0, \"spareD2\": 1e+20, \"spareD3\": 0}\n"
            "  ],\n"
            "  \"viewpoints\": [\n"
            "    {\"name\": \"Initial position\", \"x\": 100, \"y\": 100, \"z\": 8, \"spareV1\": 0, \"spareV2\": 0, "
            "\"spareV3\": 0, \"spareV4\": 0, \"spareV5\": 0},\n"
            "    {\"name\": \"Look            \", \"x\": 5, \"y\": 6, \"z\": 7, \"spareV1\": 0, \"spareV2\": 0, "
            "\"spareV3\": 0, \"spareV4\": 0, \"spareV5\": 0}\n"
            "  ],\n"
            "  \"areas\": [\n"
            "    {\"areaFirstWall\": 0, \"areaSqArea\": 1400, \"areaFLAGS\": 2, \"areaBbTop\": 0, \"areaBbLeft\": -5, "
            "\"areaBbBottom\": 40, \"areaBbRight\": 30, \"areaFloorHtBegin\": 8, \"areaFloorHtEnd\": 16, "
            "\"areaCeilHtBegin\": 64, \"areaCeilHtEnd\": 128, \"spareA1\": 0, \"spareA2\": 0, \"spareA3\": 0, "
            "\"areaName\": \"Q\\\"uote\\\\ \xE2\x82\xAC\\u0001      \", \"spareA4\": 0, \"spareA5\": 0, \"spareA6\": 0}\n"
            "  ],\n"
            "  \"globals\": [\n"
            "    {\"globalID\": 12000, \"globalName\": \"MapID           \", \"globalValue\": 42, \"spareG1\": 0, "
            "\"spareG2\": 0, \"spareG3\": 0, \"spareG4\": 0},\n"
            "    {\"globalID\": 12001, \"globalName\": \"Floor Height    \", \"globalValue\": 8, \"spareG1\": 0, "
            "\"spareG2\": 0, \"spareG3\": 0, \"spareG4\": 0},\n"
            "    {\"globalID\": 12002, \"globalName\": \"Ceil Height     \", \"globalValue\": 264, \"spareG1\": 0, "
            "\"spareG2\": 0, \"spareG3\": 0, \"spareG4\": 0},\n"
            "    {\"globalID\": 12003, \"globalName\": \"Overide CeilFloo\", \"globalValue\": 0, \"spareG1\": 0, "
            "\"spareG2\": 0, \"spareG3\": 0, \"spareG4\": 0},\n"
            "    {\"globalID\": 12004, \"globalName\": \"Max Step Height \", \"globalValue\": 25, \"spareG1\": 0, "
            "\"spareG2\": 0, \"spareG3\": 0, \"spareG4\": 0},\n"
            "    {\"globalID\": 12005, \"globalName\": \"Gravity         \", \"globalValue\": 1, \"spareG1\": 0, "
            "\"spareG2\": 0, \"spareG3\": 0, \"spareG4\": 0}\n"
            "  ]\n"
            "}\n");
}

TEST_F(Qzmap, DumpOfAFileWithoutWallsOrViewpoints)
{
    std::vector<uint8_t> bytes = qztest::readBytes(writeMap(dir, "known.map", buildKnownMap));
    // The directory starts at byte 1000; its first two entries become unknown types, so only
    // areas and globals remain.
    putI32(bytes, 1000, 77);
    putI32(bytes, 1064, 5);
    std::string path = dir.file("partial.map");
    qztest::writeBytes(path, bytes);
    qztest::ProgramResult r = qzmap({"dump", path});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_NE(r.out.find("\"wallBlockType\": 0,\n  \"viewerStart\": null,\n  \"walls\": [],\n  \"viewpoints\": [],\n"),
              std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("\"areaFirstWall\": 0"), std::string::npos);
}

TEST_F(Qzmap, CompileWritesTheCompiledListAndKeepsTheViewpoints)
{
    std::string in = writeMap(dir, "cross.map", buildCrossingMap);
    std::string out = dir.file("cross.mpb");
    qztest::ProgramResult r = qzmap({"compile", in, out});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(qztest::compiledRecords(r.out), 3) << r.out;

    qztest::MessageRecorder quiet;
    clsMap expected;
    ASSERT_TRUE(expected.ReadNewMPB(in));
    ASSERT_TRUE(expected.createBSP());
    ASSERT_EQ(expected.numTreeSegs, 3);
    std::string expectedPath = dir.file("expected.mpb");
    ASSERT_TRUE(expected.WriteNewMPB(expectedPath, true));
    EXPECT_EQ(qztest::readBytes(out), qztest::readBytes(expectedPath));

    std::string known = writeMap(dir, "known.map", buildKnownMap);
    ASSERT_EQ(qzmap({"compile", known, out}).exitCode, 0);
    qztest::ProgramResult info = qzmap({"info", out});
    EXPECT_NE(info.out.find("viewpoints: 2\n"), std::string::npos) << info.out;
    EXPECT_NE(info.out.find("type 8 (compiled walls) at position 65\n"), std::string::npos) << info.out;
}

TEST_F(Qzmap, MissingFilesFailWithOneLine)
{
    std::string missing = dir.file("nothing.map");
    expectOneLineFailure(qzmap({"info", missing}), "qzmap: no such map file: \"" + missing + "\"\n");
    expectOneLineFailure(qzmap({"dump", missing}), "qzmap: no such map file: \"" + missing + "\"\n");
    expectOneLineFailure(qzmap({"compile", missing, dir.file("out.mpb")}),
                         "qzmap: no such map file: \"" + missing + "\"\n");
    EXPECT_FALSE(std::filesystem::exists(dir.file("out.mpb")));
}

TEST_F(Qzmap, DamagedFilesAreRefusedWithOneLine)
{
    std::vector<uint8_t> good = qztest::readBytes(writeMap(dir, "known.map", buildKnownMap));
    struct Case {
        const char* name;
        std::vector<uint8_t> bytes;
        const char* reason;
    };
    std::vector<uint8_t> noDirectory = good;
    putI32(noDirectory, 12, 0);
    std::vector<uint8_t> tooManyWalls = good;
    putI32(tooManyWalls, 64, 5000);
    std::vector<uint8_t> longWall = good;
    putI32(longWall, 64 + 26, -2147483647 - 1);
    putI32(longWall, 64 + 26 + 4, -2147483647 - 1);
    putI32(longWall, 64 + 26 + 8, 2147483647);
    putI32(longWall, 64 + 26 + 12, 2147483647);
    const Case cases[] = {
        {"short.map", std::vector<uint8_t>(good.begin(), good.begin() + 40), "it is shorter than its 64-byte header"},
        {"cut.map", std::vector<uint8_t>(good.begin(), good.begin() + 300),
         "directory entry 1 at position 1001 lies outside the file"},
        {"nodir.map", noDirectory, "directory entry 1 at position 0 lies outside the file"},
        {"many.map", tooManyWalls, "the wall block at position 65 holds 5000 records; the map holds 0 to 2001"},
        {"long.map", longWall, "a wall is too long"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string path = dir.file(c.name);
        qztest::writeBytes(path, c.bytes);
        std::string line = "qzmap: the map file \"" + path + "\" is damaged: " + c.reason + "\n";
        expectOneLineFailure(qzmap({"info", path}), line);
        expectOneLineFailure(qzmap({"dump", path}), line);
        expectOneLineFailure(qzmap({"compile", path, dir.file("out.mpb")}), line);
        EXPECT_FALSE(std::filesystem::exists(dir.file("out.mpb")));
    }
}

TEST_F(Qzmap, TextFilesAreNotMapFiles)
{
    std::string path = dir.file("readme.map");
    qztest::writeText(path, "A plan of the hall, drawn on paper first.\n");
    std::string line = "qzmap: the file \"" + path + "\" is not a map file\n";
    expectOneLineFailure(qzmap({"info", path}), line);
    expectOneLineFailure(qzmap({"dump", path}), line);
    expectOneLineFailure(qzmap({"compile", path, dir.file("out.mpb")}), line);
    EXPECT_FALSE(std::filesystem::exists(dir.file("out.mpb")));
}

TEST_F(Qzmap, CompileReportsAnUnwritableOutput)
{
    std::string in = writeMap(dir, "cross.map", buildCrossingMap);
    std::string out = dir.file("no-folder/cross.mpb");
    expectOneLineFailure(qzmap({"compile", in, out}), "qzmap: cannot write \"" + out + "\": Path not found\n");
}

TEST_F(Qzmap, WrongArgumentsShowTheUsage)
{
    std::string map = writeMap(dir, "known.map", buildKnownMap);
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>> {
             {}, {"info"}, {"info", map, map}, {"compile", map}, {"show", map}}) {
        qztest::ProgramResult r = qzmap(args);
        EXPECT_EQ(r.exitCode, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err.rfind("usage: qzmap info FILE", 0), 0u) << r.err;
    }
}

}  // namespace
