// Drawing a frame allocates nothing: every table is sized at initialisation. Counted by replacing
// the global allocation functions of this test program.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

#include "engine/renderer.h"
#include "tests/support/render_fixture.h"

namespace {

size_t allocations = 0;

}  // namespace

// The replacements pair malloc with free, which is what makes them a matching pair; GCC's check
// sees only the names.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

void* operator new(size_t size)
{
    ++allocations;
    if (void* block = std::malloc(size ? size : 1)) return block;
    throw std::bad_alloc();
}

void operator delete(void* block) noexcept { std::free(block); }
void operator delete(void* block, size_t) noexcept { std::free(block); }

#pragma GCC diagnostic pop

namespace {

class FrameAllocations : public qztest::RenderFixture {};

TEST_F(FrameAllocations, FramesWithEveryKindOfPartAllocateNothing)
{
    s().wallTextures = {makeWallTexture([](int u, int r) { return (u + r) % 2 ? 255 : 40; })};
    s().flatTextures = {makeFlat([](int u, int v) { return u ^ v; })};
    s().animTextures = {s().wallTextures[0]};
    s().animationSets[0] = {checker_, checker_, checker_, checker_};
    s().skyImage = makeBlock(engine::kSkyBytes, [](size_t i) { return static_cast<uint8_t>(i); });
    s().overlayImages[0].assign(114 * 64, 3);
    s().showSnow = 1;
    engine::Node grate = solidWall(-64, 32, 64, 32, -16, 16);
    grate.wallFlags = mapfile::kWallTransparent;
    engine::Node step = solidWall(-96, 48, 96, 48, -16, 64);
    step.floorHtEnd = 0;
    step.ceilHtBegin = 40;  // an opening: lower and upper parts, back flats
    step.wallFlags = mapfile::kWallSkyCeiling | mapfile::kWallVertCycle | mapfile::kWallAnimated;
    engine::Node back = solidWall(-200, 90, 200, 90, 0, 40);
    back.wallFlags = mapfile::kWallMultiTexture;
    addNode(grate);
    addNode(step);
    addNode(back);
    s().nodes[0].back = 1;
    s().nodes[1].back = 2;
    placeViewer(3.0, 0.0, 0, 2);

    const size_t before = allocations;
    for (int frame = 0; frame < 10; ++frame) engine::RenderFrame();
    EXPECT_EQ(allocations, before);
    EXPECT_GT(s().deferredCount, 0);
    EXPECT_EQ(s().frameCount, 10);
}

}  // namespace
