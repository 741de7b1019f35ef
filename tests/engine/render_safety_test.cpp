// Worlds at the edges of what the loader accepts: end points on the view plane, the largest
// coordinates and heights, viewers far away. Nothing may divide by zero into an integer, convert
// an out-of-range value (the sanitizer build stops on that) or read beside a texture.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <random>
#include <set>

#include "engine/renderer.h"
#include "tests/support/render_fixture.h"

namespace {

class RenderSafety : public qztest::RenderFixture {
protected:
    void SetUp() override
    {
        RenderFixture::SetUp();
        s().wallTextures = {makeWallTexture([](int u, int r) { return 100 + (u + r) % 40; })};
        s().flatTextures = {makeFlat([](int u, int v) { return 1 + (u + v) % 40; })};
    }
    // Every pixel is the marker, a wall texel (100 .. 139), a flat texel (1 .. 40) or a
    // checkerboard texel (150 .. 246).
    void expectOnlyKnownValues()
    {
        ASSERT_TRUE(slackUntouched());
        for (uint8_t value : frame()) {
            const bool known = value == kMarker || (value >= 100 && value < 140) || (value >= 1 && value <= 40) ||
                               (value >= 150 && value < 247);
            ASSERT_TRUE(known) << int(value);
        }
    }
};

TEST_F(RenderSafety, EndPointOnTheViewPlaneCountsAsJustInFront)
{
    // Left end exactly beside the viewer (depth 0, to its left): the wall starts at the left edge.
    addNode(solidWall(-50, 0, 50, 50, -16, 16));
    placeViewer(0.0, 0.0, 0, 0);
    engine::RenderFrame();
    EXPECT_NE(pixel(0, 20), kMarker);
    expectOnlyKnownValues();

    // An end point at depth 0 to the right of the viewer is infinitely far right: with the
    // right end in front, the face is seen from behind and draws nothing.
    fillFrame(kMarker);
    s().nodes[0] = solidWall(50, 0, -50, 50, -16, 16);
    engine::RenderFrame();
    EXPECT_EQ(frame(), std::vector<uint8_t>(64 * 40, kMarker));

    // Both ends on the view plane, one on each side: the face spans the whole screen.
    fillFrame(kMarker);
    s().nodes[0] = solidWall(-50, 0, 50, 0, -16, 16);
    s().viewY = -0.0;
    engine::RenderFrame();
    expectOnlyKnownValues();
}

TEST_F(RenderSafety, ExtremeWorldsDrawOnlyTexels)
{
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int32_t> coordinate(-32767, 32767);
    std::uniform_int_distribution<int32_t> height(std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max());
    std::uniform_int_distribution<int32_t> small(-200, 200);
    std::uniform_int_distribution<int32_t> angle(0, 127);
    std::uniform_int_distribution<int32_t> flags(0, 63);
    const double viewers[] = {0.0, 0.5, -32767.0, 32767.0, 1.0e7, -2.5e9};
    int worldsDrawn = 0;
    for (int world = 0; world < 300; ++world) {
        fillFrame(kMarker);
        s().nodeCount = 0;
        const bool huge = world % 2 == 0;
        for (int n = 0; n < 6; ++n) {
            engine::Node node = solidWall(huge ? coordinate(random) : small(random), huge ? coordinate(random) : small(random),
                                          huge ? coordinate(random) : small(random), huge ? coordinate(random) : small(random),
                                          0, 0);
            node.floorHtBegin = huge ? height(random) : small(random);
            node.floorHtEnd = huge ? height(random) : small(random);
            node.ceilHtBegin = world % 3 == 0 ? node.floorHtEnd : small(random);
            node.ceilHtEnd = huge ? height(random) : small(random);
            node.xo = height(random);
            node.yo = height(random);
            node.wallFlags = flags(random) & ~mapfile::kWallSkyCeiling;
            node.front = n + 1 < 6 && n % 2 == 0 ? n + 1 : 0;
            node.back = n + 2 < 6 ? n + 2 : 0;
            addNode(node);
        }
        const bool far = world % 3 == 0;
        const double vx = (far ? viewers[world % 6] : 0.0) + small(random) * 0.37;
        const double vy = (far ? viewers[(world / 6) % 6] : 0.0) - small(random) * 0.61;
        placeViewer(vx, vy, huge ? height(random) : small(random), static_cast<int16_t>(angle(random)));
        s().lookOffset = world % 5 == 0 ? height(random) : small(random) % 30;
        s().animPhase = static_cast<float>(world % 4);
        engine::RenderFrame();
        expectOnlyKnownValues();
        ASSERT_LE(s().deferredCount, 65);
        ASSERT_GE(s().openColumns, 0);
        worldsDrawn += frame() != std::vector<uint8_t>(64 * 40, kMarker);
    }
    EXPECT_GT(worldsDrawn, 100);
}

TEST_F(RenderSafety, EyeBelowTheFloorReadsOnlyFlatTexels)
{
    // The eye is under the floor of a wide room: floor rows above the horizon have a negative
    // distance term, and all of them still come from the flat.
    engine::Node wall = solidWall(-500, 40, 500, 40, 100, 400);
    addNode(wall);
    for (int16_t a : std::initializer_list<int16_t> {0, 5, 11}) {
        placeViewer(12.3, -7.7, -50, a);
        fillFrame(kMarker);
        engine::RenderFrame();
        expectOnlyKnownValues();
    }
}

TEST_F(RenderSafety, OddWidthStaysInsideTheFrame)
{
    // 63 columns: halfWidth rounds to 32, so a face reaching the right screen limit ends at
    // column 64 and must be cut at the frame's last column.
    setScreen(63, 40);
    addNode(solidWall(-640, 32, 640, 32, -640, 640));
    placeViewer(0.0, 0.0, 0, 0);
    engine::RenderFrame();
    EXPECT_TRUE(slackUntouched());
    EXPECT_EQ(s().openColumns, 0);
    EXPECT_NE(pixel(62, 39), kMarker);
}

TEST_F(RenderSafety, UnusableFrameStateDrawsNothing)
{
    addNode(solidWall(-64, 32, 64, 32, -16, 16));
    s().clipTop.clear();  // tables not sized for this frame
    engine::RenderFrame();
    EXPECT_EQ(frame(), std::vector<uint8_t>(64 * 40, kMarker));
    setScreen(64, 400);  // taller than the row tables
    engine::RenderFrame();
    EXPECT_EQ(frame(), std::vector<uint8_t>(64 * 400, kMarker));
}

}  // namespace
