// The overlay at the bottom of the frame and the falling snow.
#include <gtest/gtest.h>

#include "engine/renderer.h"
#include "tests/support/render_fixture.h"

namespace {

constexpr uint8_t kTransparent = 250;

std::vector<uint8_t> overlayImage(int salt)
{
    std::vector<uint8_t> image(114 * 64);
    for (size_t i = 0; i < image.size(); ++i) image[i] = static_cast<uint8_t>(i % 5 == 0 ? kTransparent : (i * 3 + salt) % 200);
    return image;
}

class Overlays : public qztest::RenderFixture {
protected:
    void SetUp() override
    {
        RenderFixture::SetUp();
        s().transparentIndex = kTransparent;
        s().overlayImages = {overlayImage(0), overlayImage(1)};
    }
};

TEST_F(Overlays, RunsAreCopiedDownwardsAtTheBottomCentre)
{
    setScreen(128, 80);  // columns 64 - 57 + k, rows 16 .. 79
    engine::RenderFrame();
    const std::vector<uint8_t>& image = s().overlayImages[0];
    for (int k = 0; k < 114; ++k)
        for (int j = 0; j < 64; ++j) {
            const uint8_t byte = image[static_cast<size_t>(k * 64 + j)];
            ASSERT_EQ(pixel(7 + k, 16 + j), byte == kTransparent ? kMarker : byte) << k << "," << j;
        }
    EXPECT_EQ(pixel(6, 79), kMarker);
    EXPECT_EQ(pixel(121, 79), kMarker);
    EXPECT_EQ(pixel(60, 15), kMarker);
}

TEST_F(Overlays, ToggleSelectsTheSecondImage)
{
    setScreen(128, 80);
    s().overlayToggle = 1;
    engine::RenderFrame();
    EXPECT_EQ(pixel(7, 17), s().overlayImages[1][1]);
    EXPECT_NE(s().overlayImages[1][1], s().overlayImages[0][1]);
}

TEST_F(Overlays, MissingImageOrSmallFrameDrawsOnlyWhatFits)
{
    s().overlayImages[1].clear();
    s().overlayToggle = 1;
    engine::RenderFrame();
    EXPECT_EQ(frame(), std::vector<uint8_t>(64 * 40, kMarker));

    // 64 x 40: columns 32 - 57 + k for k = 25 .. 88, rows 40 - 64 + j for j = 24 .. 63.
    s().overlayToggle = 0;
    engine::RenderFrame();
    const std::vector<uint8_t>& image = s().overlayImages[0];
    const uint8_t corner = image[static_cast<size_t>(25 * 64 + 24)];
    EXPECT_EQ(pixel(0, 0), corner == kTransparent ? kMarker : corner);
    const uint8_t last = image[static_cast<size_t>(88 * 64 + 63)];
    EXPECT_EQ(pixel(63, 39), last == kTransparent ? kMarker : last);
}

TEST_F(Overlays, SnowFallsOneRowPerFrameAndWraps)
{
    s().overlayImages = {};
    s().showSnow = 1;
    s().snow.fill(5);
    s().snow[1] = 39 * 64 + 3;  // last row
    engine::RenderFrame();
    EXPECT_EQ(pixel(5, 0), 0);
    EXPECT_EQ(pixel(3, 39), 0);
    EXPECT_EQ(s().snow[0], 5 + 64);
    EXPECT_EQ(s().snow[1], 3);
    fillFrame(kMarker);
    s().showSnow = 0;
    engine::RenderFrame();
    EXPECT_EQ(frame(), std::vector<uint8_t>(64 * 40, kMarker));
}

TEST_F(Overlays, SeededSnowStaysInsideTheFrame)
{
    // Rounding can give column 2 and row 2 of a 2 x 2 frame, which would point past its end.
    setScreen(2, 2);
    s().overlayImages = {};
    s().showSnow = 1;
    engine::SeedSnow();
    for (int32_t flake : s().snow) ASSERT_TRUE(flake >= 0 && flake < 4) << flake;
    engine::RenderFrame();
    EXPECT_EQ(frame(), std::vector<uint8_t>(4, 0));
    for (int32_t flake : s().snow) ASSERT_TRUE(flake >= 0 && flake < 4) << flake;
}

}  // namespace
