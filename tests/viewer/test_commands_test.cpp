#include "engine/viewer/own_window_output.h"
#include "engine/viewer/test_commands.h"
#include "engine/viewer/viewer_resources.h"
#include "tests/viewer/viewer_fixture.h"

namespace viewertest {
namespace {

using engine::viewer::nearestToRed;

TEST(NearestToRed, TakesTheClosestOfTheFirst255EntriesAndTheLowestOnTies)
{
    qz::LOGPALETTE palette {0x300, 255, {}};
    palette.palPalEntry[3] = {200, 10, 10, 0};
    palette.palPalEntry[9] = {255, 0, 0, 0};
    palette.palPalEntry[12] = {255, 0, 0, 0};
    EXPECT_EQ(nearestToRed(palette), 9);
    palette.palPalEntry[9] = {0, 0, 0, 0};
    palette.palPalEntry[12] = {0, 0, 0, 0};
    EXPECT_EQ(nearestToRed(palette), 3);
    palette.palNumEntries = 256;
    palette.palPalEntry[255] = {255, 0, 0, 0};
    EXPECT_EQ(nearestToRed(palette), 3) << "entry 255 is not in the logical palette";
}

TEST_F(ViewerTest, CutShowsARedOverlayAndThePositionThenRestoresTheOverlay)
{
    openAndStart();
    const std::vector<uint8_t> overlay = s().overlayImages[1];
    const int32_t frames = s().frameCount;
    command(engine::viewer::kCmdCut);
    EXPECT_EQ(windows.statusText, "Player Position: 512, 200, 56");
    EXPECT_EQ(s().frameCount, frames + 1) << "one frame shows the test";
    EXPECT_EQ(framePixel(320, 300), kRedIndex) << "overlay image 2 in red";
    EXPECT_EQ(windows.pixel(320, 300 + engine::viewer::kFrameTop), 0xFFFF0000u);
    EXPECT_EQ(s().overlayImages[1], overlay) << "the overlay image is restored";
    EXPECT_EQ(s().overlayToggle, 0);
    ticks(1);
    EXPECT_EQ(framePixel(320, 300), 3) << "the next frame looks as before";
}

TEST_F(ViewerTest, CopyShowsTheFloorBitmapWithARedRampAndTheHandleThenRestoresTheWindow)
{
    std::vector<uint8_t> flat(64 * 64);
    for (size_t k = 0; k < flat.size(); ++k) flat[k] = static_cast<uint8_t>(k % 64 + 100);
    write("world/floor00.bmp", enginetest::bitmapFile(64, 64, flat));
    openAndStart();
    const int64_t memory = s().memoryTotal;

    uint32_t shownAtCorner = 0;
    std::string shownText, shownTitle;
    qz::MessageSink previous = qz::setMessageSink([&](const std::string& text, const std::string& title, int) {
        shownAtCorner = windows.pixel(10, 10);
        shownText = text;
        shownTitle = title;
        return qz::kMsgResultOk;
    });
    command(engine::viewer::kCmdCopy);
    qz::setMessageSink(previous);

    // The file's bottom row comes first: its last row (bytes 100..163) is the flat's first.
    EXPECT_EQ(shownAtCorner, 0xFF000000u | (100u << 16)) << "red ramp entry 100";
    EXPECT_EQ(shownTitle, "");
    ASSERT_FALSE(shownText.empty());
    EXPECT_EQ(shownText.find_first_not_of("0123456789"), std::string::npos) << shownText;
    const qz::Handle testBitmap = static_cast<qz::Handle>(std::stoul(shownText));
    uint8_t probe = 0;
    EXPECT_EQ(GetBitmapBits(testBitmap, 1, &probe), 0) << "the test bitmap is deleted";
    EXPECT_EQ(windows.pixel(10, 10), RecordingWindowSystem::kBackground) << "its place is cleared";
    EXPECT_EQ(windows.pixel(20, 60), shownColour(framePixel(20, 10))) << "the frame is drawn again";
    EXPECT_EQ(s().memoryTotal, memory + 64 * 64 + 1078 + 110) << "the loaded file is accounted";
}

}  // namespace
}  // namespace viewertest
