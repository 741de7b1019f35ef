#include <algorithm>
#include <filesystem>

#include "engine/viewer/own_window_output.h"
#include "engine/viewer/viewer_keys.h"
#include "engine/viewer/viewer_resources.h"
#include "engine/viewer/viewer_start.h"
#include "platform/files.h"
#include "tests/viewer/viewer_fixture.h"

namespace viewertest {
namespace {

using engine::viewer::headerNameFault;
using engine::viewer::kCmdStart;

TEST(HeaderNameFault, OnlyNamesEndingInHdrInAnyCasePass)
{
    EXPECT_EQ(headerNameFault(""), std::nullopt) << "the settings name the header";
    for (const char* good : {"a.hdr", "B.HDR", "maps/c.HdR", "HDR"})
        EXPECT_EQ(headerNameFault(good), std::nullopt) << good;
    EXPECT_EQ(headerNameFault("x.txt"), "The file: x.txt is either missing or not a QZ3D header (.HDR) file.");
    EXPECT_TRUE(headerNameFault("hd").has_value());
    EXPECT_TRUE(headerNameFault("demo.hdr ").has_value()) << "the command line is trimmed before, not here";
}

TEST_F(ViewerTest, StartWithABadNameShowsFileMissingAndLeavesTheEngineAlone)
{
    openWindow("  x.txt  ");
    command(kCmdStart);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "The file: x.txt is either missing or not a QZ3D header (.HDR) file.");
    EXPECT_EQ(messages.messages[0].title, "File Missing");
    EXPECT_EQ(messages.messages[0].style, qz::kMsgCritical);
    EXPECT_FALSE(s().engineReady);
    EXPECT_TRUE(windows.timers.empty());
    EXPECT_EQ(windows.statusText, "");
}

TEST_F(ViewerTest, StartDrawsTheFirstFrameFiftyPixelsDownAndStartsTheTick)
{
    openWindow(header());
    EXPECT_EQ(windows.creation.title, "Quarzite3D 1.5 engine");
    EXPECT_EQ(windows.creation.width, 650);
    EXPECT_EQ(windows.creation.height, 500);
    EXPECT_EQ(windows.shown, 1);
    EXPECT_EQ(windows.pixel(100, 100), RecordingWindowSystem::kBackground) << "nothing drawn before Start";

    command(kCmdStart);
    EXPECT_TRUE(messages.messages.empty()) << messages.messages.front().text;
    EXPECT_NE(s().frameOutput, nullptr) << "the viewer shows the frames in its window";
    EXPECT_EQ(s().screenWidth, 640);
    EXPECT_EQ(s().screenHeight, 320);
    EXPECT_EQ(s().frameCount, 1);
    EXPECT_EQ(windows.timers, (std::map<uintptr_t, uint32_t> {{1, 50}}));
    EXPECT_EQ(windows.statusText, "Use the arrow keys to move (add Shift for turbo). Also: PGUP,PGDOWN,A,Z,Space");
    EXPECT_NEAR(s().startTime, qz::secondsSinceMidnight(), 2.0);

    for (int32_t y : {0, 160, 319})
        for (int32_t x : {0, 200, 639})
            EXPECT_EQ(windows.pixel(x, y + engine::viewer::kFrameTop), shownColour(framePixel(x, y))) << x << "," << y;
    EXPECT_EQ(framePixel(200, 160), kWallIndex) << "the far wall faces the viewer";
    EXPECT_EQ(windows.pixel(645, 100), RecordingWindowSystem::kBackground) << "right of the frame";
    EXPECT_EQ(windows.pixel(100, 49), RecordingWindowSystem::kBackground) << "above the frame";
    EXPECT_EQ(windows.pixel(100, 370), RecordingWindowSystem::kBackground) << "below the frame";
}

TEST_F(ViewerTest, AMissingHeaderStartsWithoutAMap)
{
    openWindow(world() + "/gone.HDR");
    command(kCmdStart);
    const std::vector<std::string> texts = messageTexts();
    EXPECT_NE(std::find(texts.begin(), texts.end(), "No map"), texts.end());
    EXPECT_TRUE(s().engineReady);
    EXPECT_EQ(windows.timers.count(1), 1u);
    ticks(2);
    EXPECT_EQ(s().frameCount, 3) << "frames of an empty world";
}

TEST_F(ViewerTest, WithoutACommandLineStartReadsTheDefaultOfTheSettings)
{
    writeText("world/qz3d.ini", "[init]\ndefault = hall.hdr\n");
    qztest::ScopedCurrentDir inWorld(world());
    openWindow("   ");
    EXPECT_EQ(viewer.headerName, "");
    command(kCmdStart);
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(s().headerPath, world() + "/hall.hdr");
    EXPECT_EQ(s().nodeCount, 4);
}

TEST_F(ViewerTest, StartAgainLoadsTheSameHeaderAfterTheFirstChangedTheFolder)
{
    openWindow("world/hall.hdr");
    command(kCmdStart);
    EXPECT_EQ(qz::currentDirectory(), world()) << "the header's folder";
    press(qz::VK_UP);
    ticks(3);
    release(qz::VK_UP);
    EXPECT_EQ(s().viewY, 260.0);

    command(kCmdStart);
    EXPECT_TRUE(messages.messages.empty()) << messages.messages.front().text;
    EXPECT_EQ(s().nodeCount, 4);
    EXPECT_EQ(s().viewY, 200.0) << "back at the map's start";
    EXPECT_EQ(s().frameCount, 1) << "frames count from this Start";
    EXPECT_EQ(windows.timers.count(1), 1u);
}

TEST_F(ViewerTest, MessagesBeforeStartLeaveTheEngineUntouched)
{
    openWindow(header());
    ticks(3);
    for (uint32_t key : {qz::VK_PRIOR, qz::VK_SPACE, qz::VK_TAB, qz::VK_RETURN, engine::viewer::kKeyN,
             engine::viewer::kKeyC, qz::VK_UP})
        tap(key);
    command(engine::viewer::kCmdCut);
    command(engine::viewer::kCmdCopy);
    EXPECT_EQ(s().frameCount, 0);
    EXPECT_EQ(s().lookOffset, 0);
    EXPECT_EQ(s().overlayToggle, 0);
    EXPECT_FALSE(s().logFlag);
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_TRUE(filesMatching("shot", ".BMP").empty());
    EXPECT_TRUE(filesMatching("bsp", ".txt").empty());
    EXPECT_FALSE(qz::fileExists(file("Position.log")));
    EXPECT_EQ(windows.pixel(100, 100), RecordingWindowSystem::kBackground);
}

}  // namespace
}  // namespace viewertest
