#include <gtest/gtest.h>

#include "editor/model/clsMap.h"
#include "editor/shell/logic/map_view_controller.h"
#include "tests/shell/fake_map_view_port.h"
#include "tests/support/recording_surface.h"
#include "tests/support/test_support.h"

using namespace qzedit;

namespace {

using qztest::RecordingSurface;

// One square room (100,100)-(200,200), selected, with the insertion point at the map origin.
struct MapViewFixture : ::testing::Test {
    MapViewFixture() : view(surface, port)
    {
        map.startArea(0, 0);
        map.addWall(100, 100, 200, 100, 0, 1);
        map.addWall(200, 100, 200, 200, 0, 2);
        map.addWall(200, 200, 100, 200, 0, 3);
        map.addWall(100, 200, 100, 100, 0, -1);
        map.endArea();
        map.selAreaNum = 0;
        map.insertX = 0;
        map.insertY = 0;
        view.setMap(&map);
    }

    std::vector<int32_t> wall0() const
    {
        const Wall& w = map.wallRecord(0);
        return {w.x1, w.y1, w.x2, w.y2};
    }

    clsMap map;
    RecordingSurface surface;
    FakeMapViewPort port;
    MapViewController view;
    qztest::MessageRecorder messages;
};

TEST_F(MapViewFixture, ScaleDragReleasedWithoutMovingCommitsFactorsOne)
{
    map.clickMode = 1;
    view.mouseDown(MapViewController::kLeftButton, false, 15, 15);
    EXPECT_TRUE(view.dragging());
    ASSERT_EQ(surface.ops.size(), 4u) << "the rubber band";
    EXPECT_EQ(surface.ops[0].x1, 10);
    EXPECT_EQ(surface.ops[1].x1, 20);
    view.mouseUp(MapViewController::kLeftButton, 15, 15);
    EXPECT_FALSE(view.dragging());
    EXPECT_EQ(view.factorX(), 1);
    EXPECT_EQ(view.factorY(), 1);
    EXPECT_EQ(wall0(), std::vector<int32_t>({100, 100, 200, 100}));
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(MapViewFixture, ScaleDragPressedLevelWithTheInsertionPointDividesByOne)
{
    map.clickMode = 1;
    map.insertY = 150;  // pivot row 15
    view.mouseDown(MapViewController::kLeftButton, false, 30, 15);
    view.mouseMove(MapViewController::kLeftButton, 30, 18);
    EXPECT_FLOAT_EQ(view.factorX(), 1);
    EXPECT_FLOAT_EQ(view.factorY(), 3);
    view.mouseUp(MapViewController::kLeftButton, 30, 18);
    EXPECT_EQ(wall0(), std::vector<int32_t>({100, 300, 200, 300}));
    EXPECT_EQ(map.areaRecord(0).areaBbBottom, 600);
}

TEST_F(MapViewFixture, MoveDragTakesTheAreaWhereTheBandWasLetGo)
{
    map.clickMode = 2;
    view.mouseDown(MapViewController::kLeftButton, false, 15, 15);
    view.mouseMove(MapViewController::kLeftButton, 30, 17);
    ASSERT_EQ(surface.ops.size(), 12u);
    EXPECT_EQ(std::vector<double>({surface.ops[8].x1, surface.ops[8].y1, surface.ops[8].x2}),
              std::vector<double>({25, 12, 35})) << "the band follows the mouse: 15 right, 2 down";
    view.mouseUp(MapViewController::kLeftButton, 30, 17);
    EXPECT_EQ(wall0(), std::vector<int32_t>({250, 120, 350, 120})) << "15 and 2 pixels at 10 units each";

    // A click without motion moves nothing, whatever the last drag left in the factors.
    view.mouseDown(MapViewController::kLeftButton, false, 25, 15);
    view.mouseUp(MapViewController::kLeftButton, 25, 15);
    EXPECT_EQ(wall0(), std::vector<int32_t>({250, 120, 350, 120}));
}

TEST_F(MapViewFixture, RubberBandIsErasedByDrawingItAgain)
{
    map.clickMode = 1;
    view.mouseDown(MapViewController::kLeftButton, false, 15, 15);
    view.mouseMove(MapViewController::kLeftButton, 20, 20);
    ASSERT_EQ(surface.ops.size(), 12u);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(surface.ops[i].x1, surface.ops[4 + i].x1) << "the old band drawn again to erase it";
        EXPECT_EQ(surface.ops[i].y2, surface.ops[4 + i].y2);
    }
    EXPECT_FLOAT_EQ(static_cast<float>(surface.ops[8].x1), 10 * 20.0f / 15.0f);
}

TEST_F(MapViewFixture, SelectModeDragsChangeNothing)
{
    map.clickMode = 0;
    view.mouseDown(MapViewController::kLeftButton, false, 50, 50);
    view.mouseMove(MapViewController::kLeftButton, 60, 70);
    view.mouseUp(MapViewController::kLeftButton, 60, 70);
    EXPECT_TRUE(surface.ops.empty());
    EXPECT_FALSE(view.dragging());
    EXPECT_EQ(wall0(), std::vector<int32_t>({100, 100, 200, 100}));
}

TEST_F(MapViewFixture, ToolsWithoutSelectedAreaAndRotateShear)
{
    map.selAreaNum = -1;
    for (int16_t mode : std::initializer_list<int16_t> {1, 2, 3, 4}) {
        map.clickMode = mode;
        view.mouseDown(MapViewController::kLeftButton, false, 15, 15);
        EXPECT_FALSE(view.dragging());
    }
    ASSERT_EQ(messages.messages.size(), 4u);
    EXPECT_EQ(messages.messages[0].text, "No area is selected.");
    EXPECT_EQ(messages.messages[0].title, "No selected area");
    EXPECT_EQ(messages.messages[0].style, 16);

    map.selAreaNum = 0;
    map.clickMode = 3;
    view.mouseDown(MapViewController::kLeftButton, false, 15, 15);
    EXPECT_EQ(messages.messages.back().title, "Not Yet Available");
    EXPECT_FALSE(view.dragging());
    EXPECT_TRUE(surface.ops.empty());
}

TEST_F(MapViewFixture, RightButtonMovesTheInsertionPointInEveryMode)
{
    for (int16_t mode : std::initializer_list<int16_t> {0, 1, 2, 3, 4}) {
        map.clickMode = mode;
        view.mouseDown(MapViewController::kRightButton, false, 7.0f + mode, 9);
        EXPECT_EQ(map.insertX, 70 + 10 * mode);
        EXPECT_EQ(map.insertY, 90);
    }
    EXPECT_FALSE(view.dragging());
}

TEST_F(MapViewFixture, EveryRepaintDrawsTheCrossSoThatARightClickErasesIt)
{
    // The cross's two diagonals, as (left, top) of each, in exclusive-or.
    auto crossLines = [&] {
        std::vector<std::pair<double, double>> lines;
        for (const auto& op : surface.ops)
            if (op.mode == PictureSurface::kXorPen && op.width == 2 && op.color == rgb(0, 0, 255))
                lines.push_back({std::min(op.x1, op.x2), std::min(op.y1, op.y2)});
        return lines;
    };
    using Lines = std::vector<std::pair<double, double>>;
    view.setGrid({64, false, false});  // with the grid shown, a right-click repaints the whole picture
    surface.ops.clear();
    view.redraw();
    EXPECT_EQ(crossLines(), Lines({{-5, -5}, {-5, -5}})) << "the first repaint shows the cross at (0, 0)";
    surface.ops.clear();
    view.mouseDown(MapViewController::kRightButton, false, 30, 40);
    EXPECT_EQ(crossLines(), Lines({{-5, -5}, {-5, -5}, {25, 35}, {25, 35}})) << "erased there, drawn here";
    surface.ops.clear();
    view.redraw();
    EXPECT_EQ(crossLines(), Lines({{25, 35}, {25, 35}}));
}

TEST_F(MapViewFixture, FlashTogglesAndStopsWhenSelectionCleared)
{
    map.selWallNum = 1;
    view.startFlashing();
    EXPECT_TRUE(port.timer);
    view.flashTick();
    EXPECT_TRUE(view.flashOn());
    EXPECT_EQ(surface.ops.size(), 2u);
    view.deselectSideDef();
    EXPECT_FALSE(view.flashOn());
    EXPECT_EQ(surface.ops.size(), 4u) << "the highlight drawn once more to remove it";

    map.selWallNum = -1;
    surface.ops.clear();
    view.flashTick();
    EXPECT_FALSE(port.timer);
    EXPECT_FALSE(view.flashOn());
    EXPECT_TRUE(surface.ops.empty());
}

TEST_F(MapViewFixture, RedrawFollowsScrollBarsAndRedrawCommandRestoresTimer)
{
    port.h = 0.5;
    port.v = 1.0;
    view.redraw();
    EXPECT_EQ(map.offsetX, -1000);
    EXPECT_EQ(map.offsetY, -2000);
    EXPECT_EQ(port.clears, 1);

    map.selWallNum = 0;
    port.timer = true;
    view.flashTick();
    view.redrawSuspendingFlash();
    EXPECT_TRUE(port.timer);
    EXPECT_FALSE(view.flashOn()) << "a fresh picture has no highlight";
    EXPECT_EQ(port.clears, 2);
}

TEST_F(MapViewFixture, ScrollRangesWidenToTheWholeMapNegativeCoordinatesIncluded)
{
    view.redraw();
    EXPECT_EQ(port.ranges, (ScrollRanges {0, 2000, 0, 2000})) << "a map within the usual range keeps it";

    map.addWall(-1000, -505, 30000, 100, 4, -1);
    port.h = -0.058;  // the widened range's left end: -116 of 2000
    port.v = 0;
    view.redraw();
    // Map x -1000 is view pixel -100, y -505 is -50.5; the picture is 800 x 600.
    EXPECT_EQ(port.ranges, (ScrollRanges {-116, 2216, -67, 2000}));
    EXPECT_EQ(map.offsetX, 116);
    EXPECT_FLOAT_EQ(map.scaleDrawX(-1000), 16) << "the west end in view with the margin";
    map.magX = 1;
    EXPECT_EQ(view.scrollRanges().hMin, -1016);
    EXPECT_EQ(view.scrollRanges().hMax, 29216);
}

TEST_F(MapViewFixture, DropsDrawAMark)
{
    view.drop(40, 50);
    ASSERT_EQ(surface.ops.size(), 1u);
    EXPECT_EQ(std::vector<double>({surface.ops[0].x1, surface.ops[0].y1, surface.ops[0].x2, surface.ops[0].y2}),
              std::vector<double>({40, 50, 50, 60}));
    EXPECT_EQ(map.numWalls, 4);
}

}  // namespace
