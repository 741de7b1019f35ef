#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "platform/files.h"
#include "tests/support/run_program.h"
#include "tests/support/test_support.h"

namespace {

// QZ3Dedit driven from its command line, offscreen, in a fresh folder with a scratch folder of
// its own.
class EditorDriveProgramTest : public ::testing::Test {
protected:
    EditorDriveProgramTest()
    {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        setenv("XDG_CACHE_HOME", cache.path().c_str(), 1);
    }
    ~EditorDriveProgramTest() override { unsetenv("XDG_CACHE_HOME"); }

    static bool isPng(const std::string& path)
    {
        const std::vector<uint8_t> bytes = qztest::readBytes(path);
        return bytes.size() > 8 && bytes[1] == 'P' && bytes[2] == 'N' && bytes[3] == 'G';
    }

    qztest::TempDir dir, cache;
    qztest::ScopedCurrentDir cwd {dir.path()};
};

TEST_F(EditorDriveProgramTest, StepsPreviewTheMapWalkAndSavePicturesOfTheWindows)
{
    qztest::ProgramResult run = qztest::runProgram(
        QZ3DEDIT_PROGRAM, {"--drive",
                           "menu:render click:frmRender/cmdInit key:frmRender/Picture1=Up,Up,Space "
                           "grab:frmRender=render.png menu:itmLivePreview ticks:4 press:frmLivePreview/Picture1=Up "
                           "ticks:6 release:frmLivePreview/Picture1=Up grab:frmLivePreview=live.png quit",
                           QZ_BUILT_DEMO_MAP});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(isPng(dir.file("render.png")));
    EXPECT_TRUE(isPng(dir.file("live.png")));
    EXPECT_TRUE(qz::fileExists(dir.file("scratch.mpb")));
}

TEST_F(EditorDriveProgramTest, StepsReachTheWizardsModalDialogs)
{
    // An empty square room of four walls from the room wizard, the cross shape (twelve walls) from the shape
    // wizard, then the render window's Init compiles the map into scratch.mpb.
    qztest::ProgramResult run = qztest::runProgram(
        QZ3DEDIT_PROGRAM,
        {"--drive", "menu:itmRoomWizard pick:frmRoomWizard/List1=Empty%20room type:frmRoomWizard/txtNumSides=4 "
                    "click:frmRoomWizard/cmdOK menu:itmShapeWizard pick:frmShapeWizard/cmbShapes=cross_room.xml "
                    "click:frmShapeWizard/cmdCreate menu:render click:frmRender/cmdInit quit"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    const std::vector<uint8_t> compiled = qztest::readBytes(dir.file("scratch.mpb"));
    ASSERT_GT(compiled.size(), 64u + 26u);
    int32_t records = 0;
    std::memcpy(&records, compiled.data() + 64, 4);
    EXPECT_EQ(records, 16) << "the room's four walls and the cross's twelve";
}

TEST_F(EditorDriveProgramTest, AStepNamingAMissingControlEndsTheEditorWithStatusOne)
{
    qztest::ProgramResult run = qztest::runProgram(QZ3DEDIT_PROGRAM, {"--drive", "menu:render click:frmRender/cmdStart"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("QZ3Dedit: drive step \"click:frmRender/cmdStart\": no button named frmRender/cmdStart\n"),
              std::string::npos)
        << run.err;
}

TEST_F(EditorDriveProgramTest, HelpShowsTheStepsAndABadStepIsRefusedBeforeStart)
{
    qztest::ProgramResult help = qztest::runProgram(QZ3DEDIT_PROGRAM, {"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_EQ(help.out.rfind("Usage: QZ3Dedit [--drive STEPS] [MAP]\n", 0), 0u) << help.out;
    for (const char* verb : {"menu:NAME", "click:NAME", "pick:NAME=ENTRY", "type:NAME=TEXT", "key:NAME=K1,K2",
                             "ticks:N", "grab:NAME=FILE", "quit"})
        EXPECT_NE(help.out.find(verb), std::string::npos) << verb;
    qztest::ProgramResult bad = qztest::runProgram(QZ3DEDIT_PROGRAM, {"--drive", "wave:cmdInit"});
    EXPECT_EQ(bad.exitCode, 2);
    EXPECT_NE(bad.err.find("QZ3Dedit: cannot play the step \"wave:cmdInit\"\nUsage: QZ3Dedit"), std::string::npos) << bad.err;
}

}  // namespace
