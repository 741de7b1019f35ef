#include <filesystem>

#include "engine/viewer/own_window_output.h"
#include "engine/viewer/screenshot_file.h"
#include "engine/viewer/viewer_keys.h"
#include "platform/numbers.h"
#include "platform/random.h"
#include "tests/viewer/viewer_fixture.h"

namespace viewertest {
namespace {

using engine::viewer::kKeyC;
using engine::viewer::kKeyN;

class ViewerKeysTest : public ViewerTest {
protected:
    ~ViewerKeysTest() override { qz::setFixedRandomSeed(std::nullopt); }

    // The rows of the far wall in a column left of the overlay.
    std::pair<int32_t, int32_t> wallRows() const
    {
        int32_t first = -1, last = -1;
        for (int32_t y = 0; y < s().screenHeight; ++y) {
            if (framePixel(kColumn, y) != kWallIndex) continue;
            if (first < 0) first = y;
            last = y;
        }
        return {first, last};
    }

    // The name the next screenshot takes, with the random numbers seeded again.
    static std::string nextShotName(uint32_t seed)
    {
        qz::setFixedRandomSeed(seed);
        std::string name = engine::viewer::screenshotName();
        qz::setFixedRandomSeed(seed);
        return name;
    }

    static constexpr int32_t kColumn = 200;
};

TEST_F(ViewerKeysTest, PageUpTwiceMovesTheHorizonTwelveRowsDown)
{
    openAndStart();
    const auto [top, bottom] = wallRows();
    ASSERT_GT(top, 0);
    tap(qz::VK_PRIOR);
    tap(qz::VK_PRIOR);
    EXPECT_EQ(s().lookOffset, 12);
    ticks(1);
    EXPECT_EQ(wallRows(), std::make_pair(top + 12, bottom + 12));
    tap(qz::VK_NEXT);
    EXPECT_EQ(s().lookOffset, 6);
}

TEST_F(ViewerKeysTest, SpaceTogglesTheOverlayImage)
{
    openAndStart();
    EXPECT_EQ(framePixel(320, 300), 3) << "overlay image 1";
    tap(qz::VK_SPACE);
    EXPECT_EQ(s().overlayToggle, 1);
    ticks(1);
    EXPECT_EQ(framePixel(320, 300), 4) << "overlay image 2";
    tap(qz::VK_SPACE);
    EXPECT_EQ(s().overlayToggle, 0);
}

TEST_F(ViewerKeysTest, TabAppendsThePositionAndShiftTabPlacesTheViewer)
{
    openAndStart();
    tap(qz::VK_TAB);
    press(qz::VK_UP);
    ticks(1);
    release(qz::VK_UP);
    tap(qz::VK_TAB);
    const std::string log = qztest::readText(world() + "/Position.log");
    const std::string first = log.substr(0, log.find('\n'));
    const std::string second = log.substr(first.size() + 1);
    EXPECT_EQ(first.substr(8), qz::printZones({"hh:mm:ss", " 512", " 200", " 56", " 0"}).substr(8));
    EXPECT_EQ(second, qz::printZones({second.substr(0, 8), " 512", " 220", " 56", " 0"}) + "\n");
    EXPECT_TRUE(std::isdigit(first[0]) && std::isdigit(first[1]) && first[2] == ':' && std::isdigit(first[3]) &&
        std::isdigit(first[4]) && first[5] == ':' && std::isdigit(first[6]) && std::isdigit(first[7]))
        << first;

    press(qz::VK_SHIFT);
    tap(qz::VK_TAB);
    EXPECT_EQ(s().viewX, 1899.53730748543);
    EXPECT_EQ(s().viewY, 1209.3491292387);
    EXPECT_EQ(s().viewAngle, 36);
    EXPECT_EQ(s().eyeZ, 56);
    EXPECT_EQ(qztest::readText(world() + "/Position.log"), log) << "placing writes no line";
}

TEST_F(ViewerKeysTest, EnterDumpsTheTreeWalkToTheHeadersFolder)
{
    openAndStart();
    tap(qz::VK_RETURN);
    const std::vector<std::string> dumps = filesMatching("bsp", ".txt");
    ASSERT_EQ(dumps.size(), 1u);
    const std::string digits = dumps[0].substr(3, dumps[0].size() - 7);
    EXPECT_NE(digits.find_first_of("0123456789"), std::string::npos);
    EXPECT_EQ(digits.find_first_not_of("0123456789."), std::string::npos) << dumps[0];
    // Every wall of the hall has the others in front: the walk goes down the front links first.
    EXPECT_EQ(qztest::readText(world() + "/" + dumps[0]), "1\t3\n1\t2\n1\t1\n1\t0\n");
}

TEST_F(ViewerKeysTest, NWritesTheFrameAsAnEightBitBitmapWhenReleased)
{
    openAndStart();
    press(qz::VK_LEFT);
    ticks(3);
    release(qz::VK_LEFT);
    const std::string name = nextShotName(11);
    press(kKeyN);
    EXPECT_TRUE(filesMatching("shot", ".BMP").empty()) << "the shot is taken on release";
    release(kKeyN);
    ASSERT_EQ(filesMatching("shot", ".BMP"), std::vector<std::string> {name});
    EXPECT_NE(name.find('.'), name.size() - 4) << "the random number keeps its fractional digits: " << name;

    const std::vector<uint8_t> bmp = qztest::readBytes(world() + "/" + name);
    const int32_t width = 640, height = 320;
    ASSERT_EQ(bmp.size(), 1078u + width * height);
    EXPECT_EQ(bmp[0], 'B');
    EXPECT_EQ(bmp[1], 'M');
    using enginetest::readI32;
    EXPECT_EQ(readI32(bmp, 2), 1078 + width * height);
    EXPECT_EQ(readI32(bmp, 6), 0);
    EXPECT_EQ(readI32(bmp, 10), 1078);
    EXPECT_EQ(readI32(bmp, 14), 40);
    EXPECT_EQ(readI32(bmp, 18), width);
    EXPECT_EQ(readI32(bmp, 22), height);
    EXPECT_EQ(readI32(bmp, 26), 1 | (8 << 16)) << "1 plane, 8 bits";
    EXPECT_EQ(readI32(bmp, 30), 0);
    EXPECT_EQ(readI32(bmp, 34), width * height);
    for (size_t offset = 38; offset < 54; offset += 4) EXPECT_EQ(readI32(bmp, offset), 0) << offset;
    EXPECT_EQ(std::vector<uint8_t>(bmp.begin() + 54 + 4 * kRedIndex, bmp.begin() + 58 + 4 * kRedIndex),
        (std::vector<uint8_t> {0, 0, 255, 0}));
    EXPECT_EQ(std::vector<uint8_t>(bmp.begin() + 54 + 4 * 20, bmp.begin() + 58 + 4 * 20),
        (std::vector<uint8_t> {20, 20, 20, 0}));
    for (int32_t row = 0; row < height; ++row)
        for (int32_t x = 0; x < width; x += 37)
            ASSERT_EQ(bmp[static_cast<size_t>(1078 + row * width + x)], framePixel(x, height - 1 - row))
                << x << "," << row;
}

TEST_F(ViewerKeysTest, AScreenshotNeverReplacesAnEarlierFile)
{
    openAndStart();
    const std::string taken = nextShotName(5);
    writeText("world/" + taken, "keep");
    tap(kKeyN);
    EXPECT_EQ(qztest::readText(world() + "/" + taken), "keep");
    EXPECT_EQ(filesMatching("shot", ".BMP").size(), 2u);
}

TEST_F(ViewerKeysTest, FilesThatCannotBeWrittenAreSkippedQuietly)
{
    openAndStart();
    const std::string shot = nextShotName(3);
    for (const std::string& name : {shot, std::string("Position.log"), std::string("frame.log")})
        std::filesystem::create_directory(world() + "/" + name);
    tap(kKeyN);
    tap(qz::VK_TAB);
    send(qz::WM_DESTROY);
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(windows.quitCode, 0) << "the window still closes";
    for (const auto& entry : std::filesystem::directory_iterator(world()))
        EXPECT_EQ(entry.path().filename().string().find(".~"), std::string::npos) << "no temporary file left";
}

TEST_F(ViewerKeysTest, CAsksTheNextFrameForTheCeilingLog)
{
    openAndStart();
    press(kKeyC);
    EXPECT_FALSE(s().logFlag) << "on release";
    release(kKeyC);
    EXPECT_TRUE(s().logFlag);
    ticks(1);
    EXPECT_FALSE(s().logFlag) << "for one frame";
}

}  // namespace
}  // namespace viewertest
