// The map view's grid and navigation: settings in mapedit.ini, grid lines, snapping, the wheel's
// zoom about the pointer, panning, zoom to fit and the coordinates under the pointer.
#include <gtest/gtest.h>

#include <cmath>

#include "tests/shell/commands_fixture.h"

using namespace qzedit;

namespace {

TEST(Grid, SpacingStepsAndSnapping)
{
    EXPECT_EQ(finerGrid(64), 32);
    EXPECT_EQ(finerGrid(8), 8);
    EXPECT_EQ(coarserGrid(512), 1024);
    EXPECT_EQ(coarserGrid(1024), 1024);
    EXPECT_EQ(snapToGrid(95, 64), 64);
    EXPECT_EQ(snapToGrid(96, 64), 128) << "halfway goes up";
    EXPECT_EQ(snapToGrid(-95, 64), -64);
    EXPECT_EQ(snapToGrid(-96, 64), -64);
    EXPECT_EQ(snapToGrid(-97, 64), -128);
    EXPECT_EQ(snapToGrid(0, 8), 0);
}

TEST(Grid, SettingsAreKeptInMapeditIni)
{
    qztest::TempDir dir;
    qztest::ScopedCurrentDir here(dir.path());
    EXPECT_EQ(loadGridSettings(), (GridSettings {128, true, false})) << "no file: the defaults";
    saveGridSettings({256, false, true});
    EXPECT_EQ(qztest::readText(dir.file("mapedit.ini")), "[grid]\nspacing=256\nshow=0\nsnap=1\n");
    EXPECT_EQ(loadGridSettings(), (GridSettings {256, false, true}));
    qztest::writeText(dir.file("mapedit.ini"), "[init]\nfile1=/a.map\n[grid]\nspacing=100\n");
    EXPECT_EQ(loadGridSettings(), (GridSettings {128, true, false})) << "brought to a power of two";
    qztest::writeText(dir.file("mapedit.ini"), "[grid]\nspacing=5000\nsnap=yes\n");
    EXPECT_EQ(loadGridSettings(), (GridSettings {1024, true, false}));
    qztest::writeText(dir.file("mapedit.ini"), "[grid]\nspacing=-3\n");
    EXPECT_EQ(loadGridSettings().spacing, 8);
}

TEST(Grid, LinesFallOnTheMultiplesOfTheSpacingAndHideWhenDenserThanFourPixels)
{
    clsMap view;  // magnification 10
    GridLines lines = gridLines(view, 64, 40, 20);
    EXPECT_EQ(lines.columns, (std::vector<double> {0, 6.4, 12.8, 19.2, 25.6, 32, 38.4}));
    EXPECT_EQ(lines.rows, (std::vector<double> {0, 6.4, 12.8, 19.2}));
    view.offsetX = -15;
    view.offsetY = 3;
    lines = gridLines(view, 64, 20, 10);
    EXPECT_EQ(lines.columns.front(), 19.2 - 15) << "map x 192 is the first in view";
    EXPECT_EQ(lines.rows, (std::vector<double> {3, 64 / 10.0 + 3}));
    EXPECT_EQ(gridLines(view, 32, 400, 400), GridLines {}) << "3.2 pixels apart";
    view.magX = view.magY = 8;
    EXPECT_EQ(gridLines(view, 32, 40, 10).columns.size(), 10u) << "exactly 4 pixels apart is shown";
}

// A room (100,100)-(200,200) as the move tool's area, at magnification 10.
struct Navigation : CommandsFixture {
    Navigation()
    {
        map.startArea(0, 0);
        map.addWall(100, 100, 200, 100, 0, 1);
        map.addWall(200, 100, 200, 200, 0, 2);
        map.addWall(200, 200, 100, 200, 0, 3);
        map.addWall(100, 200, 100, 100, 0, -1);
        map.endArea();
        map.selAreaNum = 0;
        view.redraw();
    }
    double mapXUnder(double x) const { return (x - map.offsetX) * map.magX; }
    double mapYUnder(double y) const { return (y - map.offsetY) * map.magY; }
};

TEST_F(Navigation, TheGridIsDrawnAfterTheMapUnlessHidden)
{
    EXPECT_EQ(port.grid.columns.size(), 63u) << "every 12.8 pixels over 800";
    EXPECT_EQ(port.grid.columns[1], 12.8);
    commands.run("itmShowGrid");
    EXPECT_FALSE(view.grid().shown);
    port.grid = {};
    view.redraw();
    EXPECT_EQ(port.grid, GridLines {});
    commands.run("itmFinerGrid");
    commands.run("itmFinerGrid");
    commands.run("itmSnapToGrid");
    EXPECT_EQ(loadGridSettings(), (GridSettings {32, false, true})) << "every change is remembered";
}

TEST_F(Navigation, SnappingPutsTheInsertionPointAndMovedAreasOnTheGrid)
{
    view.setGrid({64, true, true});
    view.mouseDown(MapViewController::kRightButton, false, 13, 7);
    EXPECT_EQ(map.insertX, 128);
    EXPECT_EQ(map.insertY, 64);
    view.mouseDown(MapViewController::kRightButton, false, -4, -3.5f);
    EXPECT_EQ(map.insertX, -64);
    EXPECT_EQ(map.insertY, -64);

    map.clickMode = 2;
    view.mouseDown(MapViewController::kLeftButton, false, 15, 15);
    view.mouseMove(MapViewController::kLeftButton, 17.3f, 15);
    // The area's corner (100, 100) went 23 units right: it lands on the grid point (128, 128).
    view.mouseUp(MapViewController::kLeftButton, 17.3f, 15);
    const Wall& first = map.wallRecord(0);
    EXPECT_EQ(std::vector<int32_t>({first.x1, first.y1, first.x2, first.y2}), std::vector<int32_t>({128, 128, 228, 128}));
    EXPECT_EQ(document.undoName(), "Move Area");

    view.setGrid({64, true, false});
    view.mouseDown(MapViewController::kLeftButton, false, 15, 15);
    view.mouseUp(MapViewController::kLeftButton, 17.3f, 15);
    EXPECT_EQ(map.wallRecord(0).x1, 128) << "without snapping a click without motion moves nothing";
}

TEST_F(Navigation, TheWheelZoomsAboutThePointUnderThePointer)
{
    const float x = 123, y = 77;
    const double underX = mapXUnder(x), underY = mapYUnder(y);
    std::vector<int> magnifications;
    for (int steps : {1, 1, -1, -1, -1}) {
        view.wheel(steps, x, y);
        magnifications.push_back(map.magX);
        EXPECT_EQ(map.magY, map.magX);
        EXPECT_LE(std::abs(mapXUnder(x) - underX), map.magX / 2.0) << "at magnification " << map.magX;
        EXPECT_LE(std::abs(mapYUnder(y) - underY), map.magY / 2.0) << "at magnification " << map.magY;
    }
    EXPECT_EQ(magnifications, (std::vector<int> {5, 2, 4, 8, 16}));
    EXPECT_DOUBLE_EQ(port.h * MapViewController::kScrollSpan, -map.offsetX) << "the scroll bars show the place";
    EXPECT_EQ(view.scrollRanges(), port.ranges);
}

TEST_F(Navigation, TheMiddleButtonPansAndThePointerShowsMapCoordinates)
{
    view.mouseDown(MapViewController::kMiddleButton, false, 100, 100);
    EXPECT_TRUE(view.panning());
    view.mouseMove(MapViewController::kMiddleButton, 130, 90);
    EXPECT_EQ(map.offsetX, 30);
    EXPECT_EQ(map.offsetY, -10);
    view.mouseUp(MapViewController::kMiddleButton, 130, 90);
    EXPECT_FALSE(view.panning());
    EXPECT_EQ(map.insertX, 100) << "the middle button no longer sets the insertion point";

    shell.calls.clear();
    view.mouseMove(0, 45, 12);
    EXPECT_EQ(shell.calls, (std::vector<std::string> {"status 2 Cursor XY = (150,220)"}));
    map.magX = map.magY = 3;
    view.mouseMove(0, 10.4f, 9.6f);
    EXPECT_EQ(shell.calls.back(), "status 2 Cursor XY = (-59,59)");
}

TEST_F(Navigation, ZoomToFitShowsEveryWallAndTheViewerStartCentred)
{
    map.addWall(-200, 900, 1000, -100, -1, -1);
    map.vx = 1100;
    map.vy = 300;
    commands.run("itmZoomToFit");
    // 1300 x 1000 units in 768 x 568 pixels: 1.76 units a pixel at least.
    EXPECT_EQ(map.magX, 2);
    EXPECT_EQ(map.offsetX, 400 - 450 / 2);
    EXPECT_EQ(map.offsetY, 300 - 400 / 2);
    for (const auto& [x, y] : {std::pair {-200, 900}, std::pair {1000, -100}, std::pair {1100, 300}}) {
        EXPECT_GE(map.scaleDrawX(float(x)), 16);
        EXPECT_LE(map.scaleDrawX(float(x)), 800 - 16);
        EXPECT_GE(map.scaleDrawY(float(y)), 16);
        EXPECT_LE(map.scaleDrawY(float(y)), 600 - 16);
    }
    clsMap empty;
    EXPECT_EQ(fittedView(empty, 800, 600), (ViewPlacement {1, 400 - 200, 300 - 200})) << "the viewer start alone";
    EXPECT_EQ(fittedView(empty, 20, 600), std::nullopt);
}

}  // namespace
