// After an undo or redo the windows show the map as it now is; the Check Map window's list.
#include <gtest/gtest.h>

#include "editor/shell/logic/check_map_list.h"
#include "editor/shell/logic/undo_refresh.h"
#include "tests/shell/commands_fixture.h"
#include "tests/support/check_maps.h"

using namespace qzedit;

namespace {

struct Refresh : CommandsFixture {
    Refresh() : refresh(document, selection, grid, view)
    {
        selection.selectNode = [this](const std::string& key) { selectedNode = key; };
        selection.clearSelectList = [this] { ++selectListClears; };
        document.change("Room Wizard", [&] { map.addPolySurround(4, 0, 0, 100); });
    }
    std::vector<std::string> wallNodes() const
    {
        std::vector<std::string> texts;
        for (const auto& node : shell.nodes)
            if (node.key.front() == 'w') texts.push_back(node.text);
        return texts;
    }

    UndoRefresh refresh;
    std::string selectedNode;
    int selectListClears = 0;
};

TEST_F(Refresh, ASelectionThatNoLongerExistsIsDroppedAndTheTreeListedAgain)
{
    document.change("Column Wizard", [&] { map.addPolyCol(4, 50, 50, 10); });
    selection.selWall(6);
    selection.selArea(1);
    const int clearsBefore = port.clears;
    document.undo();
    EXPECT_EQ(map.selWallNum, -1);
    EXPECT_EQ(map.selAreaNum, -1);
    EXPECT_EQ(grid.selType(), PropertyGrid::kNothing) << "the area it showed is gone";
    EXPECT_EQ(selectListClears, 1) << "picked walls are numbers of walls that changed";
    EXPECT_EQ(wallNodes(), (std::vector<std::string> {"Wall0", "Wall1", "Wall2", "Wall3"}));
    EXPECT_EQ(port.clears, clearsBefore + 1) << "the map view redrawn";
    document.redo();
    EXPECT_EQ(wallNodes().size(), 8u);
    EXPECT_EQ(grid.selType(), PropertyGrid::kNothing);
}

TEST_F(Refresh, TheRecordShownIsShownAgainOnItsRowWithItsNodeSelected)
{
    selection.selWall(1);
    grid.rowClick(1);
    grid.setValueText("33");
    grid.ok();
    ASSERT_EQ(document.undoName(), "Edit Wall");
    EXPECT_EQ(grid.rows()[1].value, "33");
    selectedNode.clear();
    document.undo();
    EXPECT_EQ(map.selWallNum, 1);
    EXPECT_EQ(grid.rows()[1].value, std::to_string(map.wallRecord(1).x1));
    EXPECT_NE(map.wallRecord(1).x1, 33);
    EXPECT_EQ(grid.currentRow(), 1);
    EXPECT_EQ(grid.valueText(), grid.rows()[1].value);
    EXPECT_EQ(selectedNode, "w1");
    EXPECT_EQ(selectListClears, 0) << "as many walls as before";
    document.redo();
    EXPECT_EQ(grid.rows()[1].value, "33");
}

TEST_F(Refresh, ChangesAreLeftToTheirCommandsOnlyUndoAndRedoRefresh)
{
    const size_t listed = shell.nodes.size();
    document.change("Move Area", [&] { map.moveArea(0, 1, 1); });
    EXPECT_EQ(shell.nodes.size(), listed);
}

struct CheckList : CommandsFixture {
    CheckList() : list(selection, view)
    {
        qztest::buildEveryFindingMap(map);
        list.setMap(&map);
        list.check();
    }
    int rowOf(const std::string& line) const
    {
        const std::vector<std::string> lines = list.lines();
        for (size_t i = 0; i < lines.size(); ++i)
            if (lines[i].rfind(line, 0) == 0) return static_cast<int>(i);
        return -1;
    }
    CheckMapList list;
};

TEST_F(CheckList, AClickSelectsAndFlashesTheWallOrTheArea)
{
    EXPECT_EQ(list.summary(), "8 errors, 8 warnings");
    EXPECT_EQ(list.lines().size(), 16u);
    EXPECT_EQ(list.lines()[1], check::findingLine(map, list.findings()[1]));

    list.choose(rowOf("error: wall 4:"));
    EXPECT_EQ(map.selWallNum, 4);
    EXPECT_EQ(grid.selTypeLabel(), "Type: Wall");
    EXPECT_TRUE(port.timer);

    list.choose(rowOf("warning: area 6 \"Huge\":"));
    EXPECT_EQ(map.selAreaNum, 6);
    EXPECT_EQ(grid.selTypeLabel(), "Type: Area");
    surface.ops.clear();
    view.flashTick();
    // The four walls of the area flash, each a white line and a dot in exclusive-or.
    ASSERT_EQ(surface.ops.size(), 8u);
    EXPECT_EQ(surface.ops[0].x1, map.scaleDrawX(2000));
    EXPECT_EQ(surface.ops[7].kind, qztest::RecordingSurface::Kind::Point);
    EXPECT_EQ(surface.ops[7].x1, map.scaleDrawX(2000)) << "the last wall starts at (2000, 6000)";
    EXPECT_EQ(surface.ops[7].y1, map.scaleDrawY(6000));
    surface.ops.clear();
    selection.selWall(0);
    EXPECT_EQ(surface.ops.size(), 8u) << "the area's flash is taken off before the wall flashes";

    list.choose(rowOf("error: viewer start:"));
    EXPECT_EQ(grid.selTypeLabel(), "Type: Viewpoint");
    list.choose(rowOf("error: area 2 \"Link\":"));
    EXPECT_EQ(map.selAreaNum, 2);
    view.flashTick();  // a chain to wall 3000 flashes its one wall and stops
    list.choose(99);
}

}  // namespace
