// Floor, ceiling and sky spans: the horizon row, the 64-unit repeat of the flats, the turning
// panorama and its wrap at the end of the image, rows on the wrong side of the horizon, and the
// span log.
#include <gtest/gtest.h>

#include <set>

#include "engine/ceilbug_log.h"
#include "engine/render_context.h"
#include "engine/renderer.h"
#include "engine/spans.h"
#include "tests/support/render_fixture.h"
#include "platform/files.h"
#include "tests/support/test_support.h"

namespace {

using engine::render::DrawFlatSpan;
using engine::render::FlatSide;
using engine::render::SpanKind;

int floorTexel(int u, int v) { return (u * 3 + v * 7) % 200 + 1; }
uint8_t skyByte(size_t offset) { return static_cast<uint8_t>(offset * 7 % 251); }

class Spans : public qztest::RenderFixture {
protected:
    void SetUp() override
    {
        RenderFixture::SetUp();
        s().flatTextures = {makeFlat(floorTexel)};
        s().wallTextures = {makeWallTexture([](int, int) { return 250; })};
        s().skyImage = makeBlock(engine::kSkyBytes, skyByte);
    }
    std::vector<uint8_t> row(int32_t y) const
    {
        return {frame_.begin() + y * s().screenWidth, frame_.begin() + (y + 1) * s().screenWidth};
    }
    void drawSpan(int32_t x, int32_t y, int32_t count, SpanKind kind)
    {
        const engine::render::FrameContext frame = engine::render::makeFrameContext(s(), nullptr);
        const FlatSide flats = engine::render::makeFlatSide(frame, 40, -30, 1, 1);
        DrawFlatSpan(frame, flats, x, y, count, kind);
    }
};

TEST_F(Spans, HorizonRowShowsTheTexelUnderTheViewer)
{
    placeViewer(10.5, 20.25, 0, 17);  // VX = 10752 (column 10), VY = 20736 (row 20)
    s().lookOffset = 3;
    drawSpan(0, 23, 64, SpanKind::Floor);
    EXPECT_EQ(row(23), std::vector<uint8_t>(64, static_cast<uint8_t>(floorTexel(10, 20))));
    drawSpan(0, 23, 64, SpanKind::Ceiling);
    EXPECT_EQ(row(23), std::vector<uint8_t>(64, static_cast<uint8_t>(floorTexel(10, 20))));
}

TEST_F(Spans, MovingViewerAndWorldBy64UnitsLeavesTheFrameUnchanged)
{
    // A wall at an angle, so that floor and ceiling spans of many lengths and rows are drawn.
    auto build = [&](int32_t shiftX, int32_t shiftY) {
        s().nodeCount = 0;
        addNode(solidWall(-70 + shiftX, 40 + shiftY, 90 + shiftX, 120 + shiftY, -30, 40));
        placeViewer(3.3 + shiftX, -7.6 + shiftY, 5, 6);
        fillFrame(kMarker);
        engine::RenderFrame();
        return frame();
    };
    const std::vector<uint8_t> reference = build(0, 0);
    EXPECT_EQ(build(64, 0), reference);
    EXPECT_EQ(build(0, -64), reference);
    EXPECT_EQ(build(-128, 192), reference);
    EXPECT_NE(build(32, 0), reference);  // half the repeat moves the flat
}

TEST_F(Spans, SkyTurnsTenImageColumnsPerAngleUnit)
{
    s().currentFlags = mapfile::kWallSkyCeiling;
    // While the span stays inside one image row, one unit of turn is the image seen 10 columns
    // further.
    for (int16_t angle = 0; angle < 121; ++angle) {
        placeViewer(0.0, 0.0, 0, angle);
        drawSpan(0, 7, 64, SpanKind::Ceiling);
        const std::vector<uint8_t> before = row(7);
        placeViewer(0.0, 0.0, 0, static_cast<int16_t>(angle + 1));
        drawSpan(0, 7, 64, SpanKind::Ceiling);
        const std::vector<uint8_t> after = row(7);
        ASSERT_TRUE(std::equal(after.begin(), after.end() - 10, before.begin() + 10)) << angle;
        ASSERT_EQ(after[0], skyByte(7 * 1280 + (angle + 1) * 10));
    }
    // The panorama is one full turn wide: 128 units later the same image columns come back.
    placeViewer(0.0, 0.0, 0, 127);
    drawSpan(20, 7, 30, SpanKind::Ceiling);
    const std::vector<uint8_t> turned = row(7);
    placeViewer(0.0, 0.0, 0, 0);
    drawSpan(10, 7, 30, SpanKind::Ceiling);
    const std::vector<uint8_t> unturned = row(7);
    EXPECT_TRUE(std::equal(turned.begin() + 20, turned.begin() + 50, unturned.begin() + 10));
}

TEST_F(Spans, SkySpanPastTheEndOfTheImageContinuesAtItsStart)
{
    setScreen(64, 200);
    s().currentFlags = mapfile::kWallSkyCeiling;
    placeViewer(0.0, 0.0, 0, 127);
    drawSpan(0, 199, 20, SpanKind::Ceiling);  // offset 199 * 1280 + 1270 = 255990
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(pixel(i, 199), skyByte(255990 + i));
        EXPECT_EQ(pixel(10 + i, 199), skyByte(i));
    }
    EXPECT_EQ(pixel(20, 199), kMarker);
}

TEST_F(Spans, SkyOnlyForCeilingSpansOfSkyNodes)
{
    placeViewer(0.0, 0.0, 0, 0);
    auto drawn = [&](int32_t flags, int32_t y, SpanKind kind) {
        s().currentFlags = flags;
        drawSpan(0, y, 64, kind);
        return row(y);
    };
    EXPECT_EQ(drawn(mapfile::kWallSkyCeiling, 30, SpanKind::Floor), drawn(0, 30, SpanKind::Floor));
    const std::vector<uint8_t> sky = drawn(mapfile::kWallSkyCeiling, 5, SpanKind::Ceiling);
    EXPECT_EQ(sky[0], skyByte(5 * 1280));
    EXPECT_EQ(sky[63], skyByte(5 * 1280 + 63));
    const std::vector<uint8_t> flat = drawn(0, 5, SpanKind::Ceiling);
    EXPECT_NE(flat, sky);
    s().skyImage = nullptr;  // no sky loaded: the ceiling flat is drawn
    EXPECT_EQ(drawn(mapfile::kWallSkyCeiling, 5, SpanKind::Ceiling), flat);
}

TEST_F(Spans, RowsOnTheWrongSideOfTheHorizonStayInsideTheFlat)
{
    // Every row of both kinds, for viewers at many positions and angles and an eye below the
    // floor: each pixel is a texel of the flat (values 1 .. 200), never a byte beside it.
    std::set<uint8_t> texels;
    for (int u = 0; u < 64; ++u)
        for (int v = 0; v < 64; ++v) texels.insert(static_cast<uint8_t>(floorTexel(u, v)));
    for (int trial = 0; trial < 40; ++trial) {
        placeViewer(-5000.7 + trial * 517.3, 3000.1 - trial * 211.9, -200 + trial * 13, static_cast<int16_t>(trial * 3));
        s().lookOffset = trial % 7 - 3;
        fillFrame(kMarker);
        for (int32_t y = 0; y < 40; ++y) {
            drawSpan(0, y, 64, y % 2 ? SpanKind::Floor : SpanKind::Ceiling);
            for (uint8_t value : row(y)) ASSERT_TRUE(texels.count(value)) << trial << "," << y;
        }
    }
}

TEST_F(Spans, FloorSpansClosedByTheTopMovingDownAreLogged)
{
    qztest::TempDir dir;
    qztest::ScopedCurrentDir cwd(dir.path());
    qztest::writeText(dir.file("ceilbug.log"), "earlier\n");
    placeViewer(0.0, 0.0, 0, 0);
    {
        engine::render::CeilbugLog log;
        const engine::render::FrameContext frame = engine::render::makeFrameContext(s(), &log);
        const FlatSide flats = engine::render::makeFlatSide(frame, 40, -30, 1, 1);
        engine::render::SpanGenerator spans(frame, flats);
        spans.moveRegion(SpanKind::Floor, 5, 30, 40);
        spans.moveRegion(SpanKind::Floor, 9, 32, 40);    // rows 30, 31 end: top moved down
        spans.moveRegion(SpanKind::Floor, 12, 32, 38);   // rows 38, 39 end: bottom moved up
        spans.moveRegion(SpanKind::Ceiling, 12, 0, 4);
        spans.moveRegion(SpanKind::Ceiling, 14, 2, 4);   // ceiling rows are not logged
        spans.endAll(20);
    }
    // Items start at columns 0, 14, 28 and 42; numbers carry a leading space.
    EXPECT_EQ(qztest::readText(dir.file("ceilbug.log")),
              "earlier\n"
              " 5             30            4             0\n"
              " 5             31            4             0\n");
    // The spans were drawn as well: row 30 from column 5 to 8.
    EXPECT_EQ(pixel(4, 30), kMarker);
    EXPECT_NE(pixel(5, 30), kMarker);
    EXPECT_NE(pixel(8, 30), kMarker);
    EXPECT_EQ(pixel(9, 30), kMarker);
}

TEST_F(Spans, LogFlagWritesOneFrameOnly)
{
    qztest::TempDir dir;
    qztest::ScopedCurrentDir cwd(dir.path());
    // The wall comes nearer from left to right, so its bottom edge, the top of the floor below
    // it, moves down the screen from column to column.
    addNode(solidWall(-60, 90, 60, 30, -30, 40));
    placeViewer(0.0, 0.0, 0, 0);
    engine::RenderFrame();
    EXPECT_FALSE(qz::fileExists(dir.file("ceilbug.log")));
    s().logFlag = true;
    engine::RenderFrame();
    EXPECT_FALSE(s().logFlag);
    const std::string written = qztest::readText(dir.file("ceilbug.log"));
    EXPECT_NE(written.find("             0\n"), std::string::npos);
    engine::RenderFrame();
    EXPECT_EQ(qztest::readText(dir.file("ceilbug.log")), written);
}

}  // namespace
