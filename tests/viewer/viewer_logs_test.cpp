#include "engine/viewer/viewer_logs.h"
#include "engine/viewer/viewer_resources.h"
#include "platform/files.h"
#include "platform/numbers.h"
#include "tests/viewer/viewer_fixture.h"

namespace viewertest {
namespace {

using engine::viewer::frameRateLine;
using engine::viewer::patternFps;

std::tm fourthOfJuly()
{
    std::tm t {};
    t.tm_year = 2025 - 1900;
    t.tm_mon = 6;
    t.tm_mday = 4;
    t.tm_hour = 9;
    t.tm_min = 5;
    t.tm_sec = 7;
    return t;
}

TEST(PatternFps, KeepsAtMostThreeDecimalsAndDropsZerosAsTheHashPatternDoes)
{
    EXPECT_EQ(patternFps(19.98765), "19.988");
    EXPECT_EQ(patternFps(20.5), "20.5");
    EXPECT_EQ(patternFps(20.0), "20.");
    EXPECT_EQ(patternFps(0.25), ".25");
    EXPECT_EQ(patternFps(123.4567), "123.457") << "more whole digits than the pattern shows";
    EXPECT_EQ(patternFps(19.9996), "20.");
    EXPECT_EQ(patternFps(0.0), ".");
}

TEST(LogTexts, DateAndTimeHaveTwoDigitFieldsAndAFourDigitYear)
{
    EXPECT_EQ(engine::viewer::dateText(fourthOfJuly()), "07-04-2025");
    EXPECT_EQ(engine::viewer::timeText(fourthOfJuly()), "09:05:07");
}

TEST_F(ViewerTest, TheFrameRateLineGivesFramesPerSecondSinceStart)
{
    s().startTime = 100.0f;
    s().frameCount = 401;
    EXPECT_EQ(frameRateLine(fourthOfJuly(), 120.0), qz::printZones({"07-04-2025", "09:05:07", "20.05", " 401", " 20"}));
    s().startTime = 86390.0f;
    s().frameCount = 200;
    EXPECT_EQ(frameRateLine(fourthOfJuly(), 10.0), qz::printZones({"07-04-2025", "09:05:07", "10.", " 200", " 20"}))
        << "a session past midnight";
    s().startTime = 10.0f;
    EXPECT_EQ(frameRateLine(fourthOfJuly(), 10.0), qz::printZones({"07-04-2025", "09:05:07", ".", " 200", " 0"}))
        << "no time passed: no rate rather than a division by zero";
}

TEST_F(ViewerTest, DestroyAppendsOneFrameLineAndQuits)
{
    openAndStart();
    ticks(9);
    writeText("world/frame.log", "earlier line\n");
    send(qz::WM_DESTROY);
    const std::string log = qztest::readText(world() + "/frame.log");
    ASSERT_TRUE(log.starts_with("earlier line\n"));
    const std::string line = log.substr(13);
    ASSERT_EQ(std::count(line.begin(), line.end(), '\n'), 1);
    EXPECT_EQ(line.substr(2, 1) + line.substr(5, 1), "--");
    EXPECT_EQ(line.substr(10, 4), "    ");
    EXPECT_EQ(line.substr(16, 1) + line.substr(19, 1), "::");
    EXPECT_EQ(line.substr(42, 14), qz::numText(10).append(14 - 3, ' ')) << "frames since Start";
    const std::string fps = line.substr(28, line.find(' ', 28) - 28);
    EXPECT_LE(fps.size() - fps.find('.'), 4u) << "at most three decimals: " << fps;
    EXPECT_EQ(windows.quitCode, 0);
    EXPECT_EQ(viewer.toolbarBitmap, 0u);
    EXPECT_EQ(GetBitmapBits(windows.toolbarCreation->bitmap, 4, &windows.surface[0]), 0) << "the bitmap is deleted";
}

TEST_F(ViewerTest, ExitSendsTheDestroyMessage)
{
    openAndStart();
    command(engine::viewer::kCmdExit);
    EXPECT_EQ(windows.quitCode, 0);
    EXPECT_TRUE(qz::fileExists(world() + "/frame.log"));
}

TEST_F(ViewerTest, ClosingGoesThroughDefaultProcessingToDestroy)
{
    openAndStart();
    send(qz::WM_CLOSE);
    EXPECT_EQ(windows.defaultProcessed, std::vector<uint32_t> {qz::WM_CLOSE});
    EXPECT_EQ(windows.quitCode, 0);
    EXPECT_EQ(windows.window, 0u);
}

}  // namespace
}  // namespace viewertest
