#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/model/clsMap.h"
#include "platform/run_error.h"
#include "tests/support/recording_shell.h"
#include "tests/support/recording_surface.h"

using namespace qzedit;

namespace {

using qztest::RecordingShell;
using qztest::RecordingSurface;
using Kind = RecordingSurface::Kind;

constexpr int32_t kBlue = rgb(0, 0, 255);
constexpr int32_t kWhite = rgb(255, 255, 255);

struct DrawingFixture : ::testing::Test {
    DrawingFixture() { map.setShell(&shell); }
    ~DrawingFixture() override { map.setShell(nullptr); }

    int32_t addRoomWall(int32_t x1, int32_t y1, int32_t x2, int32_t y2)
    {
        return map.addWall(x1, y1, x2, y2, map.numWalls, -1);
    }

    clsMap map;
    RecordingShell shell;
    RecordingSurface surface;
};

TEST_F(DrawingFixture, ViewTransformBothWays)
{
    EXPECT_FLOAT_EQ(map.scaleDrawX(100), 10);
    EXPECT_FLOAT_EQ(map.scaleDrawY(100), 10);
    EXPECT_FLOAT_EQ(map.scaleClickX(10), 100);
    map.setInsertion(10, 10);
    EXPECT_EQ(map.insertX, 100);
    EXPECT_EQ(map.insertY, 100);

    // Halves go to the even neighbour.
    map.setInsertion(0.25f, 0.75f);
    EXPECT_EQ(map.insertX, 2);
    EXPECT_EQ(map.insertY, 8);

    map.calcOffset(0.5, 0.25);
    EXPECT_EQ(map.offsetX, -1000);
    EXPECT_EQ(map.offsetY, -500);
    EXPECT_FLOAT_EQ(map.scaleDrawX(100), -990);
    map.setInsertion(10, 10);
    EXPECT_EQ(map.insertX, 10100);
    EXPECT_EQ(map.insertY, 5100);

    map.calcOffset(0, 0);
    EXPECT_EQ(map.offsetX, 0);
    map.calcOffset(1, 1);
    EXPECT_EQ(map.offsetX, -2000);
    EXPECT_EQ(map.offsetY, -2000);
}

TEST_F(DrawingFixture, InsertionCrossFirstDrawnOnSecondCallAndErasedOnThird)
{
    map.drawInsertion(surface);
    EXPECT_TRUE(surface.ops.empty());
    EXPECT_EQ(surface.drawMode(), PictureSurface::kXorPen);
    EXPECT_EQ(surface.drawWidth(), 2);
    EXPECT_EQ(surface.foreColor(), kBlue);

    map.drawInsertion(surface);
    ASSERT_EQ(surface.ops.size(), 2u);
    const auto& a = surface.ops[0];
    const auto& b = surface.ops[1];
    EXPECT_EQ(std::vector<double>({a.x1, a.y1, a.x2, a.y2}), std::vector<double>({5, 5, 15, 15}));
    EXPECT_EQ(std::vector<double>({b.x1, b.y1, b.x2, b.y2}), std::vector<double>({5, 15, 15, 5}));
    for (const auto& op : surface.ops) {
        EXPECT_EQ(op.mode, PictureSurface::kXorPen);
        EXPECT_EQ(op.width, 2);
        EXPECT_EQ(op.color, kBlue);
    }

    map.drawInsertion(surface);
    EXPECT_EQ(surface.ops.size(), 4u);
}

TEST_F(DrawingFixture, ClickInsertMovesTheCrossAndWritesTheStatusBar)
{
    map.drawInsertion(surface);
    map.drawInsertion(surface);
    surface.ops.clear();
    map.clickInsert(surface, 10, 20);
    EXPECT_EQ(map.insertX, 100);
    EXPECT_EQ(map.insertY, 200);
    ASSERT_EQ(surface.ops.size(), 4u);
    EXPECT_EQ(surface.ops[0].y1, 5);   // the old cross round (10, 10) erased
    EXPECT_EQ(surface.ops[2].y1, 15);  // the new one round (10, 20)
    ASSERT_FALSE(shell.calls.empty());
    EXPECT_EQ(shell.calls.back(), "status 1 Ins Pt XY = (100,200)");
}

TEST_F(DrawingFixture, HitTestToleranceAtStartAndEnd)
{
    addRoomWall(100, 100, 200, 100);
    map.clickWall(surface, 9.0f, 10, false);  // 10 units before the start: one pixel's worth
    EXPECT_EQ(shell.selectList, std::vector<std::string>({"Wall #0"}));
    shell.selectList.clear();
    map.clickWall(surface, 8.9f, 10, false);
    EXPECT_TRUE(shell.selectList.empty());
    map.clickWall(surface, 20.1f, 10, false);  // 1 unit past the end
    EXPECT_EQ(shell.selectList.size(), 1u);
    shell.selectList.clear();
    shell.calls.clear();
    map.clickWall(surface, 20.2f, 10, false);  // 2 units past the end
    EXPECT_TRUE(shell.calls.empty());
}

TEST_F(DrawingFixture, LowerIndexWinsAndShiftKeepsTheList)
{
    addRoomWall(0, 0, 100, 100);
    addRoomWall(0, 0, 100, 100);
    addRoomWall(500, 500, 600, 500);
    map.clickWall(surface, 5, 5, false);
    EXPECT_EQ(shell.calls,
              std::vector<std::string>({"selWall 0", "clearSelectList", "addSelectItem Wall #0", "doEvents"}));
    shell.calls.clear();
    map.clickWall(surface, 55, 50, true);
    EXPECT_EQ(shell.calls, std::vector<std::string>({"selWall 2", "addSelectItem Wall #2", "doEvents"}));
    EXPECT_EQ(shell.selectList, std::vector<std::string>({"Wall #0", "Wall #2"}));
    map.clickWall(surface, 55, 50, false);
    EXPECT_EQ(shell.selectList, std::vector<std::string>({"Wall #2"}));
    EXPECT_EQ(map.selWallNum, -1) << "the project window sets the selection, not the hit test";
}

TEST_F(DrawingFixture, FrontTickPointsLeftOfTheWallDirection)
{
    addRoomWall(0, 100, 100, 100);
    map.drawMap(surface);
    ASSERT_GE(surface.ops.size(), 3u);
    const auto& tickUp = surface.ops[2];
    EXPECT_EQ(tickUp.color, kBlue);
    EXPECT_EQ(std::vector<double>({tickUp.x1, tickUp.y1, tickUp.x2, tickUp.y2}), std::vector<double>({5, 10, 5, 5}));

    clsMap reversed;
    reversed.addWall(100, 100, 0, 100, 0, -1);
    RecordingSurface other;
    reversed.drawMap(other);
    const auto& tickDown = other.ops[2];
    EXPECT_EQ(std::vector<double>({tickDown.x1, tickDown.y1, tickDown.x2, tickDown.y2}),
              std::vector<double>({5, 10, 5, 15}));
}

TEST_F(DrawingFixture, DrawMapClearsDrawsWallsMarkerAndCross)
{
    addRoomWall(0, 0, 100, 0);
    map.drawMap(surface);
    ASSERT_EQ(surface.ops.size(), 4u) << "no cross on the very first drawing";
    const auto& clear = surface.ops[0];
    EXPECT_EQ(clear.kind, Kind::Box);
    EXPECT_EQ(clear.color, kWhite);
    EXPECT_EQ(clear.mode, PictureSurface::kCopyPen);
    EXPECT_EQ(std::vector<double>({clear.x1, clear.y1, clear.x2, clear.y2}), std::vector<double>({0, 0, 800, 600}));
    EXPECT_EQ(surface.ops[1].color, map.drawColor(1));
    EXPECT_EQ(surface.ops[1].width, 1);
    const auto& marker = surface.ops[3];
    EXPECT_EQ(marker.kind, Kind::Box);
    EXPECT_EQ(marker.color, rgb(0, 255, 255));
    EXPECT_EQ(std::vector<double>({marker.x1, marker.y1, marker.x2, marker.y2}), std::vector<double>({19, 19, 21, 21}));
    EXPECT_EQ(map.x2, 100) << "the wall's end points pass through the buffer";

    surface.ops.clear();
    map.drawMap(surface);
    EXPECT_EQ(surface.ops.size(), 6u);
}

TEST_F(DrawingFixture, EmptyMapIsNotClearedAndTexturesOutsideTheTableWrap)
{
    map.drawMap(surface);
    ASSERT_EQ(surface.ops.size(), 1u);
    EXPECT_EQ(surface.ops[0].color, rgb(0, 255, 255));

    addRoomWall(0, 0, 100, 0);
    addRoomWall(0, 50, 100, 50);
    map.getWall(0);
    map.txrWall = 12;
    map.setWall(0);
    map.getWall(1);
    map.txrWall = -1;
    map.setWall(1);
    surface.ops.clear();
    map.drawMap(surface);
    EXPECT_EQ(surface.ops[1].color, map.drawColor(1));
    EXPECT_EQ(surface.ops[3].color, map.drawColor(10));
}

TEST_F(DrawingFixture, FlashWallDrawsExclusiveOrLineAndDot)
{
    addRoomWall(100, 200, 300, 400);
    map.flashWall(surface, 0);
    ASSERT_EQ(surface.ops.size(), 2u);
    const auto& line = surface.ops[0];
    EXPECT_EQ(line.kind, Kind::Line);
    EXPECT_EQ(line.mode, PictureSurface::kXorPen);
    EXPECT_EQ(line.width, 3);
    EXPECT_EQ(line.color, kWhite);
    EXPECT_EQ(std::vector<double>({line.x1, line.y1, line.x2, line.y2}), std::vector<double>({10, 20, 30, 40}));
    const auto& dot = surface.ops[1];
    EXPECT_EQ(dot.kind, Kind::Point);
    EXPECT_EQ(dot.width, 7);
    EXPECT_EQ(dot.color, rgb(255, 0, 255));
    EXPECT_EQ(surface.drawWidth(), 1);
    EXPECT_THROW(map.flashWall(surface, 2001), qz::RunError);
}

TEST_F(DrawingFixture, ListLinesGivesKeysTextsAndTrimsNamesBack)
{
    addRoomWall(0, 0, 10, 0);
    addRoomWall(10, 0, 10, 10);
    map.areaName = "  Hall";
    map.startArea(0, 0);
    map.areaName.clear();
    map.listLines();
    ASSERT_EQ(shell.calls.front(), "resetList");
    std::vector<std::string> lines;
    for (const auto& n : shell.nodes) lines.push_back(n.parent + "|" + n.key + "|" + n.text);
    // Wall 0 is the whole chain of the area; wall 1 belongs to none.
    EXPECT_EQ(lines, std::vector<std::string>({"Areas|a0|Hall", "a0|w0|Wall0", "Walls|w1|Wall1",
                                               "Viewpoints|vp0|Initial position", "Global|g0|MapID",
                                               "Global|g1|Floor Height", "Global|g2|Ceil Height",
                                               "Global|g3|Overide CeilFloo", "Global|g4|Max Step Height",
                                               "Global|g5|Gravity"}));
    EXPECT_EQ(map.areaRecord(0).areaName.str(), "Hall            ");
}

}  // namespace
