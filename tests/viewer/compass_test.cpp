#include "engine/viewer/compass.h"
#include "engine/viewer/viewer_keys.h"
#include "tests/viewer/viewer_fixture.h"

namespace viewertest {
namespace {

using engine::viewer::compassNeedle;

constexpr uint32_t kBlack = 0xFF000000, kWhite = 0xFFFFFFFF, kRed = 0xFFFF0000;

TEST_F(ViewerTest, TheNeedlePointsUpWhenTheViewerLooksAlongY)
{
    s().screenHeight = 320;
    const engine::viewer::CompassNeedle up = compassNeedle(0);
    EXPECT_EQ(up.lineFrom, (qz::POINT {50, 410}));
    EXPECT_EQ(up.lineTo, (qz::POINT {50, 402}));
    const std::vector<qz::POINT> head = {{50, 392}, {55, 406}, {50, 402}, {45, 406}, {50, 392}};
    EXPECT_EQ(up.head, head);

    // A quarter turn to the right (angle 32, looking along +x) points the needle right.
    const engine::viewer::CompassNeedle right = compassNeedle(32);
    EXPECT_EQ(right.lineTo, (qz::POINT {58, 410}));
    EXPECT_EQ(right.head[0], (qz::POINT {68, 410}));
    EXPECT_EQ(right.head[1], (qz::POINT {54, 415}));
}

TEST_F(ViewerTest, TurningWithTheCompassOnDrawsItBelowTheFrame)
{
    writeText("qz3d.ini", "[init]\nshowCompass=1\n");
    openAndStart();
    ticks(1);
    EXPECT_EQ(windows.pixel(50, 410), RecordingWindowSystem::kBackground) << "no compass until a turn";

    press(qz::VK_RIGHT);
    press(qz::VK_LEFT);
    ticks(1);
    EXPECT_EQ(s().viewAngle, 0);
    for (const auto& [x, y] : {std::pair {25, 385}, {74, 385}, {25, 434}, {74, 434}, {50, 385}, {25, 410}})
        EXPECT_EQ(windows.pixel(x, y), kBlack) << "box outline at " << x << "," << y;
    EXPECT_EQ(windows.pixel(75, 410), RecordingWindowSystem::kBackground) << "the box ends at c + 25";
    EXPECT_EQ(windows.pixel(30, 420), kWhite) << "white inside";
    for (int y = 373; y <= 383; ++y) EXPECT_EQ(windows.pixel(47, y), kBlack) << "N's left stroke at " << y;
    for (int y = 403; y <= 410; ++y) EXPECT_EQ(windows.pixel(50, y), kRed) << "needle at " << y;
    EXPECT_EQ(windows.pixel(50, 392), kRed) << "arrow tip";
    EXPECT_EQ(windows.pixel(55, 406), kRed) << "arrow barb";
}

}  // namespace
}  // namespace viewertest
