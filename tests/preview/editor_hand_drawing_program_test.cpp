// QZ3Dedit driven from its command line with the mouse: a room drawn by clicks, its walls given a
// texture in the texture browser, compiled by the render window's Init.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "tests/support/run_program.h"
#include "tests/support/test_support.h"

namespace {

class EditorHandDrawingProgram : public ::testing::Test {
protected:
    EditorHandDrawingProgram()
    {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        setenv("XDG_CACHE_HOME", cache.path().c_str(), 1);
    }
    ~EditorHandDrawingProgram() override { unsetenv("XDG_CACHE_HOME"); }

    qztest::TempDir dir, cache;
    qztest::ScopedCurrentDir cwd {dir.path()};
};

TEST_F(EditorHandDrawingProgram, ClicksInTheMapViewDrawARoomThatCompiles)
{
    // A triangle of three clicks closed on its first corner, its walls given texture 3, compiled.
    const qztest::ProgramResult run = qztest::runProgram(
        QZ3DEDIT_PROGRAM,
        {"--drive", "menu:itmDrawTool mouse:Picture1=10,10 mouse:Picture1=10,40 mouse:Picture1=40,40 "
                    "mouse:Picture1=10,10 menu:itmTextureWin pick:lstTextures=3%20wood menu:render "
                    "click:frmRender/cmdInit quit"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    const std::vector<uint8_t> compiled = qztest::readBytes(dir.file("scratch.mpb"));
    ASSERT_GT(compiled.size(), 64u + 26u + 3 * 148u);
    int32_t records = 0;
    std::memcpy(&records, compiled.data() + 64, 4);
    EXPECT_EQ(records, 3) << "the three walls of the drawn room";
    for (size_t wall = 0; wall < 3; ++wall) {
        int32_t texture = 0;
        std::memcpy(&texture, compiled.data() + 64 + 26 + wall * 148 + 10 * 4, 4);  // txrWall, the eleventh Long
        EXPECT_EQ(texture, 3) << "wall " << wall;
    }
}

TEST_F(EditorHandDrawingProgram, MouseStepsAreCheckedBeforeTheRun)
{
    for (const char* bad : {"mouse:Picture1=10", "mouse:Picture1=a,b", "mouse:Picture1=1,2,middle", "move:Picture1=1,2,right",
                            "mouse:Picture1"}) {
        const qztest::ProgramResult run = qztest::runProgram(QZ3DEDIT_PROGRAM, {"--drive", bad});
        EXPECT_EQ(run.exitCode, 2) << bad;
        EXPECT_NE(run.err.find("QZ3Dedit: cannot play the step \"" + std::string(bad) + "\""), std::string::npos) << run.err;
    }
    const qztest::ProgramResult help = qztest::runProgram(QZ3DEDIT_PROGRAM, {"--help"});
    EXPECT_NE(help.out.find("mouse:NAME=X,Y"), std::string::npos);
    EXPECT_NE(help.out.find("move:NAME=X,Y"), std::string::npos);
}

}  // namespace
