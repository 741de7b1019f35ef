#include <gtest/gtest.h>

#include "editor/model/clsMap.h"
#include "editor/shell/logic/map_view_controller.h"
#include "editor/shell/logic/project_selection.h"
#include "editor/shell/logic/property_grid.h"
#include "platform/run_error.h"
#include "tests/shell/fake_map_view_port.h"
#include "tests/support/recording_surface.h"

using namespace qzedit;

namespace {

struct GridFixture : ::testing::Test {
    GridFixture() : view(surface, port), selection(grid, view)
    {
        map.addWall(10, 20, 30, 40, 0, 1);
        map.addWall(50, 60, 70, 80, 0, -1);
        map.startArea(0, 0);
        map.endArea();
        grid.setMap(&map);
        view.setMap(&map);
        selection.setMap(&map);
        grid.redrawMap = [this] { ++redraws; };
        selection.selectNode = [this](const std::string& key) { selectedNode = key; };
    }

    // Types text into the value box of row `row` and presses OK.
    void edit(int row, const std::string& text)
    {
        grid.rowClick(row);
        grid.setValueText(text);
        grid.ok();
    }

    clsMap map;
    qztest::RecordingSurface surface;
    FakeMapViewPort port;
    MapViewController view;
    PropertyGrid grid;
    ProjectSelection selection;
    int redraws = 0;
    std::string selectedNode;
};

TEST_F(GridFixture, WallRowsAndSelection)
{
    selection.nodeClick("w1");
    EXPECT_EQ(selectedNode, "w1");
    EXPECT_EQ(map.selWallNum, 1);
    EXPECT_TRUE(port.timer) << "the selected wall starts flashing";
    EXPECT_EQ(grid.selTypeLabel(), "Type: Wall");
    ASSERT_EQ(grid.rows().size(), 15u);
    EXPECT_EQ(grid.rows()[1].label, "x1");
    EXPECT_EQ(grid.rows()[1].value, "50");
    EXPECT_EQ(grid.rows()[6].label, "Tx Type");
    EXPECT_EQ(grid.rows()[14].label, "End Ceil(h4)");
    EXPECT_EQ(grid.rows()[14].value, "128");
    EXPECT_EQ(grid.currentRow(), 0) << "no editing row before the first click";
}

TEST_F(GridFixture, WholeNumbersRoundHalvesToEvenAndReadLeadingNumbers)
{
    selection.selWall(0);
    edit(1, "12.5");
    EXPECT_EQ(map.wallRecord(0).x1, 12);
    edit(1, "13.5");
    EXPECT_EQ(map.wallRecord(0).x1, 14);
    edit(2, "77 units");
    EXPECT_EQ(map.wallRecord(0).y1, 77);
    edit(11, "abc");
    EXPECT_EQ(map.wallRecord(0).floorHtBegin, 0);
    EXPECT_EQ(grid.rows()[11].value, "0") << "shown as stored";
    EXPECT_EQ(grid.valueText(), "0");
    EXPECT_EQ(redraws, 4);
    EXPECT_EQ(map.wallRecord(1).x1, 50) << "other walls untouched";
}

TEST_F(GridFixture, TextureTypeChoicesOfferedOnceAndStoredByTheirNumber)
{
    selection.selWall(0);
    grid.rowClick(6);
    grid.rowClick(6);
    EXPECT_EQ(grid.valueChoices(), PropertyGrid::textureTypeChoices());
    EXPECT_EQ(grid.valueChoices().size(), 6u);
    grid.setValueText("08 - Multi-Texture");
    grid.ok();
    EXPECT_EQ(map.wallRecord(0).wallFlags, 8) << "the choice's first two characters, 08";
    EXPECT_EQ(grid.rows()[6].value, "8") << "shown as stored";
    EXPECT_EQ(redraws, 1);
    grid.rowClick(5);
    EXPECT_TRUE(grid.valueChoices().empty());
}

TEST_F(GridFixture, RememberedRowKeptAcrossWalls)
{
    selection.selWall(0);
    grid.rowClick(3);
    EXPECT_EQ(grid.valueText(), "30");
    selection.selWall(1);
    EXPECT_EQ(grid.currentRow(), 3);
    EXPECT_EQ(grid.currentColumn(), 2);
    EXPECT_EQ(grid.valueText(), "70");
    EXPECT_EQ(grid.selectionStart(), 0);
    EXPECT_EQ(grid.selectionLength(), 2);
}

TEST_F(GridFixture, GlobalIdIsNotWrittenBack)
{
    selection.nodeClick("g5");
    EXPECT_EQ(grid.selTypeLabel(), "Type: Global");
    EXPECT_EQ(grid.rows()[1].value, "12005");
    EXPECT_EQ(grid.rows()[3].value, "1");
    edit(1, "999");
    EXPECT_EQ(grid.rows()[1].value, "12005") << "the grid shows the identity as stored";
    EXPECT_EQ(map.globalRecord(5).globalID, 12005);
    edit(3, "2.5");
    EXPECT_EQ(map.globalRecord(5).globalValue, 2.5);
    EXPECT_EQ(map.globalRecord(5).globalName.str(), "Gravity         ");
}

TEST_F(GridFixture, ViewpointNodeShowsTheViewerStart)
{
    map.vx = 0.5;
    selection.nodeClick("vp3");
    EXPECT_EQ(selectedNode, "vp3");
    EXPECT_EQ(grid.selTypeLabel(), "Type: Viewpoint");
    ASSERT_EQ(grid.rows().size(), 5u);
    EXPECT_EQ(grid.rows()[1].value, "0.5");
    EXPECT_EQ(grid.rows()[3].value, "64");
    edit(4, "2.5");
    EXPECT_EQ(map.vd, 2);
    EXPECT_EQ(redraws, 0);
    selection.nodeClick("Walls");
    EXPECT_EQ(selectedNode, "vp3") << "roots select nothing";
}

TEST_F(GridFixture, NamesAreConvertedToTheMapsCodePage)
{
    selection.nodeClick("a0");
    EXPECT_EQ(grid.rows()[6].value, "Area0           ");
    edit(6, "Caf\u00e9 \u03a9");
    EXPECT_EQ(map.areaRecord(0).areaName.str(), "Caf\xe9 ?          ");
    selection.selArea(0);
    EXPECT_EQ(grid.rows()[6].value, "Caf\u00e9 ?          ");
}

TEST_F(GridFixture, OverflowLeavesTheWallAsItWas)
{
    selection.selWall(0);
    grid.rowClick(1);
    grid.setValueText("1e20");
    try {
        grid.ok();
        FAIL() << "no overflow";
    } catch (const qz::RunError& e) {
        EXPECT_EQ(e.number(), 6);
    }
    EXPECT_EQ(map.wallRecord(0).x1, 10);
    EXPECT_EQ(redraws, 0);
    EXPECT_EQ(grid.rows()[1].value, "10") << "the grid shows the wall as stored";
    EXPECT_EQ(grid.valueText(), "10");
    EXPECT_EQ(grid.currentRow(), 1);
}

TEST_F(GridFixture, CancelRestoresAndNothingHappensWithoutARow)
{
    grid.ok();
    grid.cancel();
    grid.rowClick(0);
    EXPECT_EQ(grid.valueText(), "");
    selection.selWall(0);
    grid.rowClick(2);
    grid.setValueText("555");
    grid.cancel();
    EXPECT_EQ(grid.valueText(), "20");
    EXPECT_EQ(map.wallRecord(0).y1, 20);
}

}  // namespace
