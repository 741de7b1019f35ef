#include <gtest/gtest.h>

#include <algorithm>

#include "editor/model/clsMap.h"
#include "tests/support/check_maps.h"
#include "tests/support/run_program.h"
#include "tests/support/test_support.h"

using namespace qzedit;

namespace {

qztest::ProgramResult qzmap(const std::vector<std::string>& args) { return qztest::runProgram(QZMAP_TOOL, args); }

class QzmapCheck : public ::testing::Test {
protected:
    QzmapCheck()
    {
        clsMap map;
        qztest::buildEveryFindingMap(map);
        EXPECT_TRUE(map.WriteNewMPB(every, false));
        qztest::writeText(header, qztest::headerWithThreeWallsAndTwoFlats());
    }
    qztest::TempDir dir;
    std::string every = dir.file("every.map");
    std::string header = dir.file("every.hdr");
};

TEST_F(QzmapCheck, PrintsOneLinePerFindingAndExitsOneOnErrors)
{
    qztest::ProgramResult r = qzmap({"check", every, "--header", header});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "");
    ASSERT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 19) << r.out;
    EXPECT_EQ(r.out.rfind("error: wall 17: its end point (32800, 0) is outside", 0), 0u) << r.out;
    EXPECT_NE(r.out.find("\nerror: wall 0: its wall texture (Wall Tx) 5 is not in the header's [Walls] list (1 to 3)"),
              std::string::npos);
    EXPECT_NE(r.out.find("\nwarning: area 4 \"Empty\": it has no walls"), std::string::npos);
    EXPECT_EQ(r.out.substr(r.out.rfind('\n', r.out.size() - 2) + 1), "10 errors, 8 warnings\n");

    r = qzmap({"check", every});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out.substr(r.out.rfind('\n', r.out.size() - 2) + 1), "8 errors, 8 warnings\n") << "no header, no textures";
}

TEST_F(QzmapCheck, JsonListsSeverityRecordIndexLabelAndText)
{
    qztest::ProgramResult r = qzmap({"check", "--json", every, "--header", header});
    EXPECT_EQ(r.exitCode, 2) << "the map comes first";
    r = qzmap({"check", every, "--json", "--header", header});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out.rfind(
                  "{\n  \"errors\": 10,\n  \"warnings\": 8,\n  \"findings\": [\n"
              "    {\"severity\": \"error\", \"record\": \"wall\", \"index\": 17, \"label\": \"wall 17\", \"text\": \"its "
                  "end point (32800, 0) is outside the c",
                  0),
              0u)
        << r.out;
    EXPECT_NE(r.out.find("{\"severity\": \"error\", \"record\": \"area\", \"index\": 2, \"label\": \"area 2 \\\"Link\\\"\", "
                         "\"text\": \"its chain goes from wall 8 to wall 3000,"),
              std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("{\"severity\": \"error\", \"record\": \"viewer start\", \"index\": null, \"label\": \"viewer "
                         "start\", \"text\": \"the viewer starts at (-500, -500),"),
              std::string::npos);
    const std::string end = "bounds one.\"}\n  ]\n}\n";
    EXPECT_EQ(r.out.substr(r.out.size() - end.size()), end);
}

TEST_F(QzmapCheck, ACleanMapExitsZeroAndWarningsAloneDoToo)
{
    clsMap room;
    room.addPolySurround(4, 100, 100, 300);
    const std::string clean = dir.file("clean.map");
    ASSERT_TRUE(room.WriteNewMPB(clean, false));
    qztest::ProgramResult r = qzmap({"check", clean});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "0 errors, 0 warnings\n");
    r = qzmap({"check", clean, "--json"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "{\n  \"errors\": 0,\n  \"warnings\": 0,\n  \"findings\": []\n}\n");

    room.addWall(1000, 1000, 1100, 1000, -1, -1);
    ASSERT_TRUE(room.WriteNewMPB(clean, false));
    r = qzmap({"check", clean});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out,
              "warning: wall 4: it belongs to no area (no area's chain reaches it): the engine draws it, but its area "
              "lookup does not count it as the side of a room. Build it as part of a room if it bounds one.\n"
              "0 errors, 1 warning\n");
}

TEST_F(QzmapCheck, TheDemoMapIsClean)
{
    qztest::ProgramResult r = qzmap({"check", QZ_BUILT_DEMO_MAP, "--header", QZ_BUILT_DEMO_HEADER});
    EXPECT_EQ(r.exitCode, 0) << r.out;
    EXPECT_EQ(r.out, "0 errors, 0 warnings\n");
}

TEST_F(QzmapCheck, BadFilesAndArgumentsAreRefused)
{
    qztest::ProgramResult r = qzmap({"check", dir.file("missing.map")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("missing.map"), std::string::npos) << r.err;

    qztest::writeText(dir.file("damaged.map"), "QZ3D this is not a map");
    r = qzmap({"check", dir.file("damaged.map")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "");

    r = qzmap({"check", every, "--header", dir.file("missing.hdr")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "qzmap: cannot read the header \"" + dir.file("missing.hdr") + "\"\n");

    for (const std::vector<std::string>& args :
         {std::vector<std::string> {"check"}, {"check", every, "--header"}, {"check", every, "--xml"}}) {
        r = qzmap(args);
        EXPECT_EQ(r.exitCode, 2);
        EXPECT_NE(r.err.find("qzmap check FILE [--json] [--header HDR]"), std::string::npos);
    }
}

}  // namespace
