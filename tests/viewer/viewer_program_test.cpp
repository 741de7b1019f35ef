#include <gtest/gtest.h>

#include <QImage>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "tests/support/test_support.h"
#include "tests/support/run_program.h"

namespace {

// The QZ3D15 program run on Qt's offscreen platform in a copy of the demo world, driven by the
// host's step player as a person would drive it.
class ViewerProgramTest : public ::testing::Test {
protected:
    ViewerProgramTest()
    {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        for (const auto& entry : std::filesystem::directory_iterator(QZ_DEMO_DIR)) {
            const std::string name = entry.path().filename().string();
            if (name.ends_with(".bmp") || name == "demo.hdr" || name == "demo.mpb")
                std::filesystem::copy_file(entry.path(), dir.file(name));
        }
    }

    qztest::ProgramResult run(const std::vector<std::string>& arguments) const
    {
        return qztest::runProgram(QZ3D15_PROGRAM, arguments);
    }

    // viewX and viewY of each Position.log line.
    std::vector<std::pair<double, double>> positions() const
    {
        std::vector<std::pair<double, double>> found;
        std::istringstream log(qztest::readText(dir.file("Position.log")));
        std::string time;
        double x = 0, y = 0, eye = 0, angle = 0;
        while (log >> time >> x >> y >> eye >> angle) found.emplace_back(x, y);
        return found;
    }

    qztest::TempDir dir;
    qztest::ScopedCurrentDir cwd {dir.path()};
};

TEST_F(ViewerProgramTest, StartAndTwentyTicksWithUpHeldWalkFourHundredUnitsAndDrawEveryTick)
{
    const qztest::ProgramResult result = run({"--drive",
        "command:0xC00 press:Tab release:Tab press:Up ticks:20 release:Up press:Tab release:Tab close", "demo.hdr"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const auto walked = positions();
    ASSERT_EQ(walked.size(), 2u) << qztest::readText(dir.file("Position.log"));
    const double distance = std::hypot(walked[1].first - walked[0].first, walked[1].second - walked[0].second);
    EXPECT_NEAR(distance, 400.0, 1e-6) << "20 ticks of 20 units";

    std::istringstream frameLog(qztest::readText(dir.file("frame.log")));
    std::string date, time, fps;
    int frames = 0;
    double seconds = 0;
    ASSERT_TRUE(frameLog >> date >> time >> fps >> frames >> seconds);
    EXPECT_GE(frames, 21) << "the first frame and one every tick";
    EXPECT_GE(seconds, 0.9);
    EXPECT_NEAR(std::stod(fps), frames / seconds, 0.01) << fps;
    EXPECT_NEAR(std::stod(fps), 20.0, 5.0) << "a frame every 50 ms";
}

TEST_F(ViewerProgramTest, WithoutAHeaderStartReadsTheSettingsAndTheToolbarStarts)
{
    qztest::writeText(dir.file("qz3d.ini"), "[init]\ndefault=demo.hdr\n");
    const qztest::ProgramResult result =
        run({"--drive", "click:0xC00 press:Tab release:Tab press:Right ticks:3 release:Right close"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(positions().size(), 1u);
}

TEST_F(ViewerProgramTest, HoldingPageUpLooksUpAgainWithEveryRepeatWhileHeldArrowsMoveOnlyByTheTick)
{
    const auto frameAfter = [&](const std::string& keys, const std::string& name) {
        const std::string picture = dir.file(name);
        const qztest::ProgramResult result =
            run({"--drive", "command:0xC00 " + keys + " ticks:1 grab:" + picture + " close", "demo.hdr"});
        EXPECT_EQ(result.exitCode, 0) << result.err;
        return QImage(QString::fromStdString(picture));
    };
    const QImage held = frameAfter("press:PageUp repeat:PageUp repeat:PageUp release:PageUp", "held.png");
    const QImage pressedThrice = frameAfter(
        "press:PageUp release:PageUp press:PageUp release:PageUp press:PageUp release:PageUp", "thrice.png");
    const QImage pressedOnce = frameAfter("press:PageUp release:PageUp", "once.png");
    ASSERT_FALSE(held.isNull());
    EXPECT_TRUE(held == pressedThrice) << "a key held for two repeats looks up three steps";
    EXPECT_FALSE(held == pressedOnce);

    const qztest::ProgramResult walked = run({"--drive",
        "command:0xC00 press:Tab release:Tab press:Up repeat:Up repeat:Up ticks:10 repeat:Up release:Up "
        "press:Tab release:Tab close", "demo.hdr"});
    ASSERT_EQ(walked.exitCode, 0) << walked.err;
    const auto places = positions();
    ASSERT_EQ(places.size(), 2u);
    EXPECT_NEAR(std::hypot(places[1].first - places[0].first, places[1].second - places[0].second), 200.0, 1e-6)
        << "10 ticks of 20 units, the repeats add nothing";
}

TEST_F(ViewerProgramTest, ScaleShowsTheWindowLargerAndBadOptionsAreRefused)
{
    const std::string picture = dir.file("window.png");
    ASSERT_EQ(
        run({"--scale", "2", "--drive", "command:0xC00 ticks:1 grab:" + picture + " close", "demo.hdr"}).exitCode, 0);
    const QImage grabbed(QString::fromStdString(picture));
    EXPECT_EQ(grabbed.width(), 1300);

    const qztest::ProgramResult refused = run({"--scale", "9", "demo.hdr"});
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_NE(refused.err.find("usage: QZ3D15 [--scale N] [HEADER.hdr]"), std::string::npos) << refused.err;
}

}  // namespace
