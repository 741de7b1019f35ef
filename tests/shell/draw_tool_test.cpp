// The Draw tool: its outline state machine, and the map view drawing with it (the rubber band, the
// status line, snapping, closing, cancelling) on a recording picture.
#include <gtest/gtest.h>

#include "editor/check/area_chains.h"
#include "editor/document/map_document.h"
#include "editor/model/clsMap.h"
#include "editor/shell/logic/draw_tool.h"
#include "editor/shell/logic/map_view_controller.h"
#include "tests/shell/fake_map_view_port.h"
#include "tests/support/recording_shell.h"
#include "tests/support/recording_surface.h"
#include "tests/support/test_support.h"

using namespace qzedit;

namespace {

using Shape = DrawTool::Shape;

TEST(DrawTool, ClicksPlaceCornersAndTheFirstCornerClosesTheRoom)
{
    DrawTool tool;
    EXPECT_FALSE(tool.drawing());
    EXPECT_EQ(tool.statusText(), "");
    EXPECT_EQ(tool.click({0, 0}, 5).shape, Shape::None);
    tool.moveTo({0, 100});
    EXPECT_EQ(tool.statusText(), "Length 100, angle 270\xC2\xB0") << "down the plan";
    tool.click({0, 100}, 5);
    tool.moveTo({100, 100});
    EXPECT_EQ(tool.statusText(), "Length 100, angle 0\xC2\xB0");
    tool.moveTo({103, 96});
    EXPECT_EQ(tool.statusText(), "Length 103, angle 2\xC2\xB0");
    tool.click({100, 100}, 5);
    tool.moveTo({100, 0});
    EXPECT_EQ(tool.statusText(), "Length 100, angle 90\xC2\xB0") << "up the plan";
    tool.click({100, 0}, 5);
    EXPECT_EQ(tool.corners().size(), 4u);
    const DrawTool::Finished room = tool.click({3, -4}, 5);
    EXPECT_EQ(room.shape, Shape::Room);
    EXPECT_EQ(room.points, (std::vector<MapPoint> {{0, 0}, {0, 100}, {100, 100}, {100, 0}}))
        << "a click within reach of the first corner closes on it";
    EXPECT_FALSE(tool.drawing());
    EXPECT_FALSE(tool.pointer().has_value());
}

TEST(DrawTool, EnterClosesDoubleClickEndsALineBackspaceAndEscapeTakeBack)
{
    DrawTool tool;
    tool.click({0, 0}, 5);
    tool.click({50, 0}, 5);
    tool.click({50, 0}, 5);
    EXPECT_EQ(tool.corners().size(), 2u) << "a second click on the same corner adds no wall of no length";
    EXPECT_EQ(tool.close().shape, Shape::None);
    EXPECT_EQ(tool.statusText(), "A room needs at least three corners.");
    EXPECT_EQ(tool.click({0, 3}, 5).shape, Shape::None) << "the first corner closes nothing yet";
    EXPECT_EQ(tool.statusText(), "A room needs at least three corners.");
    tool.click({50, 50}, 5);
    tool.removeLast();
    EXPECT_EQ(tool.corners(), (std::vector<MapPoint> {{0, 0}, {50, 0}}));
    const DrawTool::Finished line = tool.finishLine();
    EXPECT_EQ(line.shape, Shape::Walls);
    EXPECT_EQ(line.points, (std::vector<MapPoint> {{0, 0}, {50, 0}}));
    EXPECT_FALSE(tool.drawing());

    tool.click({0, 0}, 5);
    EXPECT_EQ(tool.finishLine().shape, Shape::None) << "one point is no wall";
    tool.click({0, 60}, 5);
    tool.click({60, 60}, 5);
    const DrawTool::Finished room = tool.close();
    EXPECT_EQ(room.shape, Shape::Room);
    EXPECT_EQ(room.points.size(), 3u);

    tool.click({0, 0}, 5);
    tool.click({10, 0}, 5);
    tool.cancel();
    EXPECT_FALSE(tool.drawing());
    EXPECT_EQ(tool.statusText(), "");
}

TEST(DrawTool, TheOutlineNeverCrossesItselfNorEnclosesNothing)
{
    DrawTool tool;
    for (MapPoint p : {MapPoint {0, 0}, MapPoint {100, 0}, MapPoint {100, 100}}) tool.click(p, 5);
    EXPECT_EQ(tool.click({50, -50}, 5).shape, Shape::None);
    EXPECT_EQ(tool.statusText(), "A wall there would cross the outline.");
    EXPECT_EQ(tool.corners().size(), 3u) << "refused";
    tool.moveTo({0, 100});
    EXPECT_EQ(tool.statusText(), "Length 100, angle 180\xC2\xB0") << "the note goes when the pointer moves on";
    tool.click({200, 100}, 5);
    EXPECT_EQ(tool.corners().size(), 4u);
    EXPECT_EQ(tool.close().shape, Shape::None) << "back to (0, 0) the wall would pass through (100, 50)";
    EXPECT_EQ(tool.statusText(), "Closing the room there would cross the outline.");
    tool.removeLast();
    EXPECT_EQ(tool.close().shape, Shape::Room);

    for (MapPoint p : {MapPoint {0, 0}, MapPoint {100, 0}, MapPoint {50, 0}}) tool.click(p, 5);
    EXPECT_EQ(tool.close().shape, Shape::None);
    EXPECT_EQ(tool.statusText(), "The outline encloses nothing.");
}

// The map view with the Draw tool picked: 10 map units a pixel, the origin at the picture's corner.
struct DrawingView : ::testing::Test {
    DrawingView() : view(surface, port)
    {
        map.setShell(&shell);
        map.clickMode = MapViewController::kDrawTool;
        view.setMap(&map);
        view.setDocument(&document);
        view.roomDrawn = [this](int32_t area) { drawnAreas.push_back(area); };
        GridSettings grid;
        grid.shown = false;
        view.setGrid(grid);
    }
    void click(float x, float y)
    {
        view.mouseDown(MapViewController::kLeftButton, false, x, y);
        view.mouseUp(MapViewController::kLeftButton, x, y);
    }
    std::string status() const
    {
        for (auto call = shell.calls.rbegin(); call != shell.calls.rend(); ++call)
            if (call->rfind("status 3 ", 0) == 0) return call->substr(9);
        return "(none)";
    }

    qztest::MessageRecorder messages;
    qztest::RecordingShell shell;
    clsMap map;
    MapDocument document {map};
    qztest::RecordingSurface surface;
    FakeMapViewPort port;
    MapViewController view;
    std::vector<int32_t> drawnAreas;
};

TEST_F(DrawingView, ASquareOfFourClicksAndAClickOnTheFirstCornerIsOneRoom)
{
    click(10, 10);
    view.mouseMove(0, 10, 30);
    EXPECT_EQ(status(), "Length 200, angle 270\xC2\xB0");
    click(10, 30);
    click(30, 30);
    click(30, 10);
    EXPECT_EQ(map.numWalls, 0) << "nothing is added before the outline closes";
    click(11, 9);
    ASSERT_EQ(map.numWalls, 4);
    ASSERT_EQ(map.numAreas, 1);
    EXPECT_EQ(check::walkAreaChain(map, 0).walls, (std::vector<int32_t> {0, 1, 2, 3}));
    const Wall& first = map.wallRecord(0);
    EXPECT_EQ(std::vector<int32_t>({first.x1, first.y1, first.x2, first.y2}), std::vector<int32_t>({100, 100, 100, 300}));
    EXPECT_EQ(document.undoName(), "Draw Room");
    EXPECT_EQ(drawnAreas, (std::vector<int32_t> {0}));
    EXPECT_EQ(status(), "");
    EXPECT_FALSE(view.drawTool().drawing());
}

TEST_F(DrawingView, TheOutlineAndItsBandAreDrawnOverTheMapAndErasedByDrawingThemAgain)
{
    click(10, 10);
    const size_t afterFirst = surface.ops.size();
    ASSERT_GE(afterFirst, 1u);
    const auto mark = surface.ops.back();
    EXPECT_EQ(mark.kind, qztest::RecordingSurface::Kind::Point) << "the first corner is marked";
    EXPECT_EQ(mark.mode, PictureSurface::kXorPen);
    EXPECT_EQ(std::vector<double>({mark.x1, mark.y1}), std::vector<double>({10, 10}));

    view.mouseMove(0, 40, 10);
    // Erased: the mark again; drawn: the mark and the band from the corner to the pointer.
    ASSERT_EQ(surface.ops.size(), afterFirst + 3);
    const auto band = surface.ops.back();
    EXPECT_EQ(std::vector<double>({band.x1, band.y1, band.x2, band.y2}), std::vector<double>({10, 10, 40, 10}));
    EXPECT_EQ(band.mode, PictureSurface::kXorPen);
    EXPECT_EQ(band.color, rgb(0, 160, 255));
    view.mouseMove(0, 40, 20);
    EXPECT_EQ(surface.ops[surface.ops.size() - 3].x2, 40) << "the old band drawn again";
    EXPECT_EQ(surface.ops[surface.ops.size() - 3].y2, 10);
    EXPECT_EQ(surface.drawMode(), PictureSurface::kXorPen) << "the pen is left as the map view had it";
    EXPECT_EQ(surface.drawWidth(), 2);
    EXPECT_EQ(surface.foreColor(), rgb(0, 0, 255));

    const int clears = port.clears;
    view.redraw();
    EXPECT_EQ(port.clears, clears + 1);
    EXPECT_EQ(surface.ops.back().x2, 40) << "a redraw draws the outline and its band again";
    EXPECT_EQ(surface.ops.back().y2, 20);
}

TEST_F(DrawingView, CornersSnapToTheGridWhenSnappingIsOn)
{
    GridSettings grid;
    grid.spacing = 64;
    grid.snap = true;
    view.setGrid(grid);
    click(10, 10);    // (100, 100) -> (128, 128)
    click(10, 24);    // (100, 240) -> (128, 256)
    click(22.7f, 30); // (227, 300) -> (256, 320)
    click(15, 14);    // (150, 140) -> (128, 128): the first corner
    ASSERT_EQ(map.numWalls, 3);
    for (int32_t w = 0; w < 3; ++w) {
        const Wall& wall = map.wallRecord(w);
        for (int32_t v : {wall.x1, wall.y1, wall.x2, wall.y2}) EXPECT_EQ(v % 64, 0) << "wall " << w;
    }
    EXPECT_EQ(map.areaRecord(0).areaBbLeft, 128);
    EXPECT_EQ(map.areaRecord(0).areaBbBottom, 320);
}

TEST_F(DrawingView, EscapeAndTheRightButtonDropTheOutlineAndLeaveTheMapAsItWas)
{
    click(10, 10);
    click(40, 10);
    EXPECT_TRUE(view.keyPress(MapViewController::kKeyEscape));
    EXPECT_FALSE(view.drawTool().drawing());
    EXPECT_EQ(map.numWalls, 0);
    EXPECT_EQ(document.stepCount(), 0u);
    EXPECT_FALSE(view.keyPress(MapViewController::kKeyEscape)) << "with no outline the key goes on";

    const int32_t insertX = map.insertX;
    click(10, 10);
    view.mouseDown(MapViewController::kRightButton, false, 50, 50);
    EXPECT_FALSE(view.drawTool().drawing());
    EXPECT_EQ(map.insertX, insertX) << "the right button only dropped the outline";
    view.mouseDown(MapViewController::kRightButton, false, 50, 50);
    EXPECT_EQ(map.insertX, 500) << "without an outline it sets the insertion point";

    click(10, 10);
    map.clickMode = 0;
    view.mouseMove(0, 20, 20);
    EXPECT_FALSE(view.drawTool().drawing()) << "another tool drops the outline";
    EXPECT_EQ(map.numWalls, 0);
}

TEST_F(DrawingView, ReturnClosesBackspaceTakesBackADoubleClickEndsFreeWalls)
{
    click(10, 10);
    click(30, 10);
    click(30, 30);
    click(50, 50);
    EXPECT_TRUE(view.keyPress(MapViewController::kKeyBackspace));
    EXPECT_EQ(view.drawTool().corners().size(), 3u);
    EXPECT_TRUE(view.keyPress(MapViewController::kKeyReturn));
    EXPECT_EQ(map.numAreas, 1);
    EXPECT_EQ(map.numWalls, 3);

    click(60, 10);
    click(80, 10);
    EXPECT_TRUE(view.mouseDoubleClick(MapViewController::kLeftButton, 80, 10));
    EXPECT_EQ(map.numAreas, 1);
    ASSERT_EQ(map.numWalls, 4);
    const Wall& free = map.wallRecord(3);
    EXPECT_EQ(std::vector<int32_t>({free.x1, free.y1, free.x2, free.y2, free.areaFirst, free.areaNext, free.areaNum}),
              std::vector<int32_t>({600, 100, 800, 100, -1, -1, -1}));
    EXPECT_EQ(document.undoName(), "Draw Walls");
    EXPECT_EQ(drawnAreas, (std::vector<int32_t> {0}));

    // A double-click on the first corner: its first click closes the room, the second starts nothing.
    click(10, 60);
    click(30, 60);
    click(30, 80);
    click(10, 60);
    EXPECT_TRUE(view.mouseDoubleClick(MapViewController::kLeftButton, 10, 60));
    EXPECT_FALSE(view.drawTool().drawing());
    EXPECT_EQ(map.numAreas, 2);
    map.clickMode = 0;
    EXPECT_FALSE(view.mouseDoubleClick(MapViewController::kLeftButton, 10, 60)) << "for other tools a second press";
}

TEST_F(DrawingView, AFullMapOrAPointBeyondTheEnginesCoordinatesAddsNothing)
{
    map.numWalls = 1999;
    click(10, 10);
    click(30, 10);
    click(30, 30);
    click(10, 10);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text,
              "This needs 3 new walls, but the map has room for only 2 more (it holds at most 2001). Nothing was added.");
    EXPECT_EQ(map.numWalls, 1999);
    EXPECT_EQ(document.stepCount(), 0u);

    map.numWalls = 0;
    map.magX = map.magY = 16384;
    click(1, 1);
    click(3, 1);
    view.mouseDoubleClick(MapViewController::kLeftButton, 3, 1);
    ASSERT_EQ(messages.messages.size(), 2u);
    EXPECT_EQ(messages.messages[1].text,
              "A corner lies outside the coordinates the engine takes (-32768 to 32767). Nothing was added.");
    EXPECT_EQ(map.numWalls, 0);
}

}  // namespace
