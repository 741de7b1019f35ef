#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>

#include "tests/support/run_program.h"
#include "tests/support/test_support.h"

namespace {

// The QZ3Dedit program itself, started offscreen in a fresh folder as a person starts it.
class EditorProgramTest : public ::testing::Test {
protected:
    EditorProgramTest() { setenv("QT_QPA_PLATFORM", "offscreen", 1); }

    // The splash window closes itself 3 s after the start while the map's message box is up; the
    // editor must live on with its message, here until 5 s after the start.
    void expectRunningPastTheSplash(const std::string& map)
    {
        qztest::RunningProgram editor(QZ3DEDIT_PROGRAM, {map});
        EXPECT_FALSE(editor.waitForEnd(std::chrono::seconds(5)))
            << "ended with " << editor.ending().value_or("") << ": " << editor.err();
        editor.terminate();
        EXPECT_EQ(editor.ending(), "signal 15") << "it ran until it was stopped";
    }

    qztest::TempDir dir;
    qztest::ScopedCurrentDir cwd {dir.path()};
};

TEST_F(EditorProgramTest, AMissingMapOnTheCommandLineIsReportedAndTheEditorOutlivesItsSplash)
{
    expectRunningPastTheSplash("missing.map");
}

TEST_F(EditorProgramTest, ADamagedMapOnTheCommandLineIsReportedAndTheEditorOutlivesItsSplash)
{
    qztest::writeText(dir.file("damaged.map"), "QZ3D this is not a map");
    expectRunningPastTheSplash("damaged.map");
}

}  // namespace
