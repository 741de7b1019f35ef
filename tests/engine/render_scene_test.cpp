// Exact pixels of a scene worked out by hand from the projection, wall column and span formulas:
// a 64 x 40 frame (halfWidth 32, halfHeight 20, focal length 32), the viewer at the origin looking
// along +y with the eye at height 0, and a solid wall from (-64, 32) to (64, 32) between heights
// -16 and 16. The wall is 32 units away, so one unit is one pixel: it covers rows 4 .. 35 of every
// column; screen column x shows texture column (32 + x) AND 127 and screen row y texture row
// (y - 20) AND 127 (the texture row counts downwards from height 0).
#include <gtest/gtest.h>

#include "engine/renderer.h"
#include "tests/support/render_fixture.h"

namespace {

int wallTexel(int u, int r) { return (3 * u + 5 * r) % 251; }
int floorTexel(int u, int v) { return (7 * u + 13 * v) % 200; }
int ceilingTexel(int u, int v) { return (11 * u + 3 * v) % 200 + 20; }

class HandScene : public qztest::RenderFixture {
protected:
    void SetUp() override
    {
        RenderFixture::SetUp();
        s().wallTextures = {makeWallTexture(wallTexel)};
        s().flatTextures = {makeFlat(floorTexel), makeFlat(ceilingTexel)};
        placeViewer(0.0, 0.0, 0, 0);
        engine::Node wall = solidWall(-64, 32, 64, 32, -16, 16);
        wall.txrFCeil = 2;
        addNode(wall);
    }
    engine::Node& wall() { return s().nodes[0]; }
};

TEST_F(HandScene, WallColumnsFloorAndCeilingMatchTheFormulas)
{
    engine::RenderFrame();
    for (int x = 0; x < 64; ++x)
        for (int y = 4; y < 36; ++y)
            ASSERT_EQ(pixel(x, y), wallTexel((32 + x) & 127, (y - 20) & 127)) << x << "," << y;
    // Floor row 36 (16 rows below the horizon): A = 16384 / 16 = 1024, one texel per column,
    // flat row 32; column x shows flat column (x - 32) AND 63.
    EXPECT_EQ(pixel(0, 36), floorTexel(32, 32));
    EXPECT_EQ(pixel(40, 36), floorTexel(8, 32));
    // Row 37: A = round(16384 / 17) = 964, position 964 * 32 = 30848 (flat row 30); column 0 is
    // 32 steps to the left: bits 26..31 of -32 * 964 * 65536 + 30848 give column 33.
    EXPECT_EQ(pixel(0, 37), floorTexel(33, 30));
    // Ceiling row 3 mirrors floor row 37; row 0: A = round(16384 / 20) = 819, position 26208 (row
    // 25), column 63 is 31 * 819 / 1024 = 24.8 texels to the right.
    EXPECT_EQ(pixel(32, 3), ceilingTexel(0, 30));
    EXPECT_EQ(pixel(0, 3), ceilingTexel(33, 30));
    EXPECT_EQ(pixel(63, 0), ceilingTexel(24, 25));
    EXPECT_EQ(s().openColumns, 0);
}

TEST_F(HandScene, LookOffsetAndEyeHeightMoveTheRows)
{
    s().lookOffset = 4;  // horizon at row 24: the wall spans rows 8 .. 39
    engine::RenderFrame();
    EXPECT_EQ(pixel(10, 8), wallTexel(42, (8 - 24) & 127));
    EXPECT_EQ(pixel(10, 39), wallTexel(42, 15));
    EXPECT_EQ(pixel(32, 7), ceilingTexel(0, 30));  // d = 20 - 7 + 4 = 17, as row 3 without the offset

    fillFrame(kMarker);
    s().lookOffset = 0;
    s().eyeZ = 8;  // top at round(20 - 8) = 12; texture row = -(world height) = y - 28
    engine::RenderFrame();
    EXPECT_EQ(pixel(10, 12), wallTexel(42, (12 - 28) & 127));
    // Ceiling row 11: hc = 8, d = 9, A = round(8192 / 9) = 910, position 29120: flat row 28.
    EXPECT_EQ(pixel(32, 11), ceilingTexel(0, 28));
    EXPECT_EQ(pixel(10, 39), wallTexel(42, (39 - 28) & 127));
}

TEST_F(HandScene, TextureOffsetsUseTheirLowEightBits)
{
    wall().xo = 300;  // 44
    wall().yo = -1;   // 255
    engine::RenderFrame();
    EXPECT_EQ(pixel(10, 20), wallTexel((42 + 44) & 127, (0 - 255) & 127));
    EXPECT_EQ(pixel(63, 4), wallTexel((95 + 44) & 127, (-16 - 255) & 127));
}

TEST_F(HandScene, CyclingWallsTakeTheScrollCounter)
{
    wall().xo = 5;
    wall().wallFlags = mapfile::kWallHorzCycle;  // column offset = counter, 127 on the first frame
    engine::RenderFrame();
    EXPECT_EQ(s().scrollPhase, 127);
    EXPECT_EQ(pixel(10, 20), wallTexel((42 + 127) & 127, 0));

    wall().wallFlags = mapfile::kWallVertCycle | mapfile::kWallHorzCycle;  // vertical wins: row offset = 126, xo kept
    engine::RenderFrame();
    EXPECT_EQ(s().scrollPhase, 126);
    EXPECT_EQ(pixel(10, 20), wallTexel(42 + 5, (0 - 126) & 127));
    EXPECT_EQ(pixel(10, 4), wallTexel(42 + 5, (-16 - 126) & 127));
}

TEST_F(HandScene, MultiTextureStacksFourTexturesOf128Rows)
{
    for (int k = 0; k < 4; ++k)
        s().animationSets[0][static_cast<size_t>(k)] = makeWallTexture([k](int u, int r) { return k * 40 + (u + r) % 40; });
    wall().wallFlags = mapfile::kWallMultiTexture;
    engine::RenderFrame();
    // Texture row t = (y - 20) AND 511: texture t div 128, row t AND 127.
    EXPECT_EQ(pixel(10, 20), 0 * 40 + (42 + 0) % 40);
    EXPECT_EQ(pixel(10, 35), 0 * 40 + (42 + 15) % 40);
    EXPECT_EQ(pixel(10, 19), 3 * 40 + (42 + 127) % 40);
    EXPECT_EQ(pixel(10, 4), 3 * 40 + (42 + 112) % 40);
}

TEST_F(HandScene, AnimatedIndexRoundsThePhaseHalfToEven)
{
    for (uint8_t value : std::initializer_list<uint8_t> {11, 12, 13})
        s().animTextures.push_back(makeWallTexture([value](int, int) { return value; }));
    s().animFrameCount = 3;
    s().animInc = 0.5f;
    wall().wallFlags = mapfile::kWallAnimated;
    std::vector<int> shown;
    for (int frame = 0; frame < 6; ++frame) {
        engine::RenderFrame();
        shown.push_back(pixel(10, 20) - 11);
    }
    EXPECT_EQ(shown, (std::vector<int> {0, 0, 1, 2, 2, 0}));
    EXPECT_EQ(s().frameCount, 6);
}

TEST_F(HandScene, TexturesOutsideTheirListsDrawTheCheckerboard)
{
    for (int32_t number : {0, 2, -7}) {
        wall().txrWall = number;
        fillFrame(kMarker);
        engine::RenderFrame();
        EXPECT_EQ(pixel(10, 20), checker_[42 * 128 + 0]) << number;
    }
    wall().txrFFloor = 3;
    wall().txrFCeil = 0;
    s().animFrameCount = 9;
    s().animPhase = 5.0f;  // past the one animated texture
    s().animTextures = {makeWallTexture([](int, int) { return 1; })};
    wall().wallFlags = mapfile::kWallAnimated;
    engine::RenderFrame();
    EXPECT_EQ(pixel(10, 20), checker_[42 * 128 + 0]);
    // The fallback block read as a flat: byte row * 64 + column.
    EXPECT_EQ(pixel(0, 36), checker_[32 * 64 + 32]);
    EXPECT_EQ(pixel(32, 3), checker_[30 * 64 + 0]);
}

TEST_F(HandScene, Texel255LeavesTheFramePixel)
{
    // Texture rows 0 .. 63 are see-through: screen rows 20 .. 35 keep the old frame.
    s().wallTextures = {makeWallTexture([](int u, int r) { return r < 64 ? 255 : wallTexel(u, r); })};
    engine::RenderFrame();
    for (int x = 0; x < 64; ++x) {
        EXPECT_EQ(pixel(x, 10), wallTexel((32 + x) & 127, (10 - 20) & 127));
        EXPECT_EQ(pixel(x, 25), kMarker);
    }
    EXPECT_EQ(s().openColumns, 0);  // a see-through texel still closes its column
}

// An opening: the node's lower part rises 8 to the floor behind it and its upper part drops 8 to
// the ceiling behind it; a solid wall of texture 2 stands 64 away behind the opening, between
// heights -8 and 8. At depth 64 two texture rows pass per screen row and texture column 128 + 2 x
// (x relative to the centre) is at screen x.
class OpeningScene : public HandScene {
protected:
    static int farTexel(int u, int r) { return (5 * u + 7 * r) % 97 + 100; }
    static int backFloorTexel(int u, int v) { return (u + v) % 50 + 30; }
    static int backCeilingTexel(int u, int v) { return (u + 2 * v) % 50 + 90; }
    void SetUp() override
    {
        HandScene::SetUp();
        s().wallTextures.push_back(makeWallTexture(farTexel));
        s().flatTextures.push_back(makeFlat(backFloorTexel));
        s().flatTextures.push_back(makeFlat(backCeilingTexel));
        wall().floorHtEnd = -8;
        wall().ceilHtBegin = 8;
        wall().txrBFloor = 3;
        wall().txrBCeil = 4;
        engine::Node far = solidWall(-128, 64, 128, 64, -8, 8);
        far.txrWall = 2;
        far.txrFFloor = 3;
        far.txrFCeil = 4;
        wall().back = addNode(far);
    }
};

TEST_F(OpeningScene, LowerAndUpperPartsFrameTheRoomBehind)
{
    engine::RenderFrame();
    EXPECT_EQ(pixel(10, 30), wallTexel(42, 10));              // lower part, rows 28 .. 35
    EXPECT_EQ(pixel(10, 8), wallTexel(42, (8 - 20) & 127));   // upper part, rows 4 .. 11
    EXPECT_EQ(pixel(10, 20), farTexel(84, 0));                // far wall, rows 16 .. 23
    EXPECT_EQ(pixel(10, 17), farTexel(84, (2 * (17 - 20)) & 127));
    // Inside the opening, above and below the far wall: the flats of the room behind. Row 12:
    // hc = 8, d = 8, A = 1024 (flat row 32); column 10 is flat column (10 - 32) AND 63 = 42.
    EXPECT_EQ(pixel(10, 12), backCeilingTexel(42, 32));
    // Row 27: hf = 8, d = 7, A = round(8192 / 7) = 1170, position 37440 (row 36); column 10 is
    // -22 * 1170 / 1024 = -25.1 units to the side: flat column 38.
    EXPECT_EQ(pixel(10, 27), backFloorTexel(38, 36));
    // Row 2, the near node's own ceiling: hc = 16, d = 18, A = 910 (row 28); column 10 at
    // -22 * 910 / 1024 = -19.6: flat column 44.
    EXPECT_EQ(pixel(10, 2), ceilingTexel(44, 28));
    EXPECT_EQ(s().openColumns, 0);
}

TEST_F(OpeningScene, SeenFromBehindOnlyTheFlatsOfTheOpeningAreDrawn)
{
    // Reversed, the node faces away from the viewer: its back side draws the flats of the room the
    // viewer stands in (floor -8, ceiling 8) and narrows every column to the opening.
    std::swap(wall().x1, wall().x2);
    std::swap(wall().front, wall().back);
    engine::RenderFrame();
    // Row 11: hc = 8, d = 9, A = round(8192 / 9) = 910, position 29120: flat row 28.
    EXPECT_EQ(pixel(32, 11), backCeilingTexel(0, 28));
    // Row 28: hf = 8, d = 8, A = 1024: flat row 32.
    EXPECT_EQ(pixel(32, 28), backFloorTexel(0, 32));
    EXPECT_EQ(pixel(10, 20), farTexel(84, 0));
    for (int y = 0; y < 40; ++y) EXPECT_NE(pixel(10, y), wallTexel(42, (y - 20) & 127)) << y;
    EXPECT_EQ(s().openColumns, 0);
}

}  // namespace
