// The tree walk: front-to-back order, stopping when every column is closed, transparent walls
// drawn after the walk, and links that do not form a tree.
#include <gtest/gtest.h>

#include "engine/renderer.h"
#include "tests/support/render_fixture.h"

namespace {

class TreeWalk : public qztest::RenderFixture {
protected:
    void SetUp() override
    {
        RenderFixture::SetUp();
        placeViewer(0.0, 0.0, 0, 0);
        s().wallTextures = {makeWallTexture([](int, int) { return 9; }), makeWallTexture([](int u, int) {
                                return u % 2 ? 255 : 50;
                            }),
                            makeWallTexture([](int, int) { return 60; }), makeWallTexture([](int, int) { return 61; })};
        s().flatTextures = {makeFlat([](int, int) { return 3; })};
    }
    engine::Node wallWithTexture(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t texture, int32_t flags)
    {
        engine::Node node = solidWall(x1, y1, x2, y2, -16, 16);
        node.txrWall = texture;
        node.wallFlags = flags;
        return node;
    }
};

TEST_F(TreeWalk, EmptyWorldKeepsThePreviousFrame)
{
    fillFrame(77);
    engine::RenderFrame();
    EXPECT_EQ(frame(), std::vector<uint8_t>(64 * 40, 77));
    EXPECT_EQ(s().frameCount, 1);
}

TEST_F(TreeWalk, SolidWallAcrossTheScreenStopsTheWalk)
{
    const int32_t root = addNode(wallWithTexture(-64, 32, 64, 32, 1, 0));
    const int32_t behind = addNode(wallWithTexture(-128, 64, 128, 64, 3, mapfile::kWallHorzCycle));
    s().nodes[static_cast<size_t>(root)].back = behind;
    engine::RenderFrame();
    EXPECT_EQ(s().openColumns, 0);
    EXPECT_EQ(s().nodeVisited[static_cast<size_t>(behind)], 0);
    EXPECT_EQ(s().scrollPhase, 0);  // the cycling wall behind was never drawn

    // With the right half of the screen left open, the node behind is reached.
    s().nodes[static_cast<size_t>(root)].x1 = 0;
    s().nodes[static_cast<size_t>(root)].length = 64;
    engine::RenderFrame();
    EXPECT_EQ(s().nodeVisited[static_cast<size_t>(behind)], 1);
    EXPECT_EQ(s().scrollPhase, 127);
    EXPECT_EQ(pixel(10, 20), 60);  // left half: the wall behind
    EXPECT_EQ(pixel(50, 20), 9);   // right half: the near wall
}

TEST_F(TreeWalk, ViewerSideIsWalkedFirst)
{
    // Root faces the viewer; its front child (the viewer's side) is a nearer wall on the left
    // half, so the root only fills the right half.
    const int32_t root = addNode(wallWithTexture(-128, 64, 128, 64, 3, 0));
    const int32_t nearer = addNode(wallWithTexture(-64, 32, 0, 32, 1, 0));
    s().nodes[static_cast<size_t>(root)].front = nearer;
    engine::RenderFrame();
    EXPECT_EQ(pixel(10, 20), 9);
    EXPECT_EQ(pixel(50, 20), 60);

    // Seen from behind (the viewer beyond y = 64 looking back), the root draws no wall: the back
    // child is walked first and then the front side.
    placeViewer(0.0, 100.0, 0, 64);
    fillFrame(kMarker);
    engine::RenderFrame();
    EXPECT_EQ(pixel(50, 20), kMarker);
}

TEST_F(TreeWalk, TwoCyclingWallsMoveTheCounterTwoStepsPerFrame)
{
    const int32_t left = addNode(wallWithTexture(-64, 32, 0, 32, 1, mapfile::kWallHorzCycle));
    const int32_t right = addNode(wallWithTexture(0, 32, 64, 32, 1, mapfile::kWallHorzCycle));
    s().nodes[static_cast<size_t>(left)].back = right;
    engine::RenderFrame();
    EXPECT_EQ(s().scrollPhase, 126);
    engine::RenderFrame();
    EXPECT_EQ(s().scrollPhase, 124);
}

TEST_F(TreeWalk, TransparentWallShowsTheSolidWallThroughIts255Texels)
{
    const int32_t grate = addNode(wallWithTexture(-64, 32, 64, 32, 2, mapfile::kWallTransparent));
    const int32_t solid = addNode(wallWithTexture(-128, 64, 128, 64, 1, 0));
    s().nodes[static_cast<size_t>(grate)].back = solid;
    engine::RenderFrame();
    EXPECT_EQ(s().deferredCount, 64);
    EXPECT_EQ(s().openColumns, 0);  // closed by the solid wall only
    for (int x = 0; x < 64; ++x) {
        const int u = (32 + x) & 127;  // texture column of the grate, as in the hand scene
        EXPECT_EQ(pixel(x, 20), u % 2 ? 9 : 50) << x;
    }
}

TEST_F(TreeWalk, DeferredListDropsColumnsBeyondItsSize)
{
    // Three see-through walls across the screen need 3 * 64 entries; the list holds 65.
    const int32_t first = addNode(wallWithTexture(-64, 32, 64, 32, 3, mapfile::kWallTransparent));
    const int32_t second = addNode(wallWithTexture(-96, 48, 96, 48, 4, mapfile::kWallTransparent));
    const int32_t third = addNode(wallWithTexture(-128, 64, 128, 64, 1, mapfile::kWallTransparent));
    s().nodes[static_cast<size_t>(first)].back = second;
    s().nodes[static_cast<size_t>(second)].back = third;
    engine::RenderFrame();
    EXPECT_EQ(s().deferredCount, 65);
    // Recorded order is drawn: the nearest wall, then column 0 of the second over it.
    EXPECT_EQ(pixel(0, 20), 61);
    EXPECT_EQ(pixel(1, 20), 60);
    EXPECT_EQ(pixel(63, 20), 60);
    EXPECT_EQ(pixel(1, 2), kMarker);  // see-through walls draw no floor or ceiling
}

TEST_F(TreeWalk, LinksOutsideTheTableOrBackToAVisitedNodeAreNotFollowed)
{
    const int32_t root = addNode(wallWithTexture(-64, 32, 0, 32, 1, 0));
    const int32_t other = addNode(wallWithTexture(0, 64, 128, 64, 3, mapfile::kWallHorzCycle));
    s().nodes[static_cast<size_t>(root)].back = other;
    s().nodes[static_cast<size_t>(other)].front = root;   // cycle to the root
    s().nodes[static_cast<size_t>(other)].back = other;   // cycle to itself
    s().nodes[static_cast<size_t>(root)].front = 5000;    // outside the table
    engine::RenderFrame();
    EXPECT_EQ(s().scrollPhase, 127);  // the cycling node was drawn exactly once
    EXPECT_EQ(pixel(10, 20), 9);
    EXPECT_EQ(pixel(50, 20), 60);
}

}  // namespace
