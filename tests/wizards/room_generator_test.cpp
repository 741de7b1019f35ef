#include <gtest/gtest.h>

#include "editor/document/map_document.h"
#include "editor/model/clsMap.h"
#include "editor/wizards/generators/room_generator.h"
#include "editor/wizards/logic/column_wizard.h"
#include "editor/wizards/logic/room_wizard.h"
#include "tests/support/test_support.h"
#include "tests/wizards/map_segments.h"

using namespace qzedit;
using qztest::outline;
using qztest::segments;

namespace {

struct RoomWizardFixture : ::testing::Test {
    clsMap map;
    MapDocument document {map};
    RoomWizard wizard;
    qztest::MessageRecorder messages;

    void finishAt(int32_t x, int32_t y)
    {
        map.insertX = x;
        map.insertY = y;
        wizard.activate(map);
        ASSERT_TRUE(wizard.finish(document));
    }
};

// The first corners of the pentagon (side 100) whose first corner is (x, y), as the column
// operation builds it: up first, turning left by 72 degrees, each corner rounded.
std::vector<qztest::Segment> pentagonAt(int32_t x, int32_t y)
{
    return outline({{x, y}, {x, y + 100}, {x - 95, y + 131}, {x - 154, y + 50}, {x - 95, y - 31}});
}

}  // namespace

TEST_F(RoomWizardFixture, MultiPillarRoomWithTheDefaultsAtTheInsertionPoint)
{
    wizard.roomType = 1;
    finishAt(100, 100);

    ASSERT_EQ(map.numWalls, 4 * 5 + 2 * 8 + 4);
    ASSERT_EQ(map.numAreas, 4 + 2 + 1);
    // Four pentagonal pillars 250 in, 200 apart, the first 200 in; wall texture 2.
    const int32_t pillarXs[] = {300, 500, 700, 900};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(segments(map, 5 * i, 5), pentagonAt(pillarXs[i], 350)) << "pillar " << i;
        const Area& area = map.areaRecord(i);
        EXPECT_EQ(area.areaFirstWall, 5 * i);
        const std::string name = "Col" + std::to_string(5 * i);
        EXPECT_EQ(area.areaName.str(), name + std::string(16 - name.size(), ' '));
        for (int w = 5 * i; w < 5 * i + 5; ++w) {
            const Wall& wall = map.wallRecord(w);
            EXPECT_EQ(qztest::heights(wall), (qztest::Heights {8, 16, 128, 264}));
            EXPECT_EQ(qztest::textures(wall), (qztest::Textures {2, 2, 1, 1, 1}));
        }
    }
    // Two octagonal columns 1000 in, 400 apart, the first 300 in; textures 6 then 8.
    EXPECT_EQ(segments(map, 20, 2), (std::vector<qztest::Segment> {{400, 1100, 400, 1200}, {400, 1200, 329, 1271}}));
    EXPECT_EQ(segments(map, 28, 2), (std::vector<qztest::Segment> {{800, 1100, 800, 1200}, {800, 1200, 729, 1271}}));
    for (int w = 20; w < 28; ++w) EXPECT_EQ(map.wallRecord(w).txrWall, 6) << w;
    for (int w = 28; w < 36; ++w) EXPECT_EQ(map.wallRecord(w).txrWall, 8) << w;
    EXPECT_EQ(map.wallRecord(27).x2, 400);
    EXPECT_EQ(map.wallRecord(27).y2, 1100);
    // Then the square room of side 1400 from (100, 100), solid from 0 to 264.
    EXPECT_EQ(segments(map, 36, 4), outline({{100, 100}, {100, 1500}, {1500, 1500}, {1500, 100}}));
    for (int w = 36; w < 40; ++w) {
        const Wall& wall = map.wallRecord(w);
        EXPECT_EQ(qztest::heights(wall), (qztest::Heights {0, 264, 264, 264}));
        EXPECT_EQ(qztest::textures(wall), (qztest::Textures {1, 1, 1, 2, 1}));
    }
    EXPECT_EQ(map.areaRecord(6).areaName.str(), "RoomID36        ");
    EXPECT_EQ(map.areaCeilHtEnd, 264);
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(document.undoName(), "Room Wizard");
    document.undo();
    EXPECT_EQ(map.numWalls, 0);
}

TEST_F(RoomWizardFixture, AnEmptyRoomOrNoPillarsAndColumnsBuildTheRoomAlone)
{
    wizard.roomType = 0;
    finishAt(-50, 20);
    EXPECT_EQ(map.numWalls, 4);
    EXPECT_EQ(segments(map, 0, 4), outline({{-50, 20}, {-50, 1420}, {1350, 1420}, {1350, 20}}));

    wizard.roomType = 1;
    wizard.numPillars = "0";
    wizard.numColumns = "0";
    wizard.numSides = "3";
    wizard.sideLen = "100";
    finishAt(0, 0);
    EXPECT_EQ(map.numWalls, 4 + 3);
    EXPECT_EQ(map.numAreas, 2);
    EXPECT_EQ(segments(map, 4, 3), outline({{0, 0}, {0, 100}, {87, 50}}));
}

TEST_F(RoomWizardFixture, NumbersAreReadByTheirLeadingPartAndRoundedHalfToEven)
{
    wizard.sideLen = "2.5 units";
    finishAt(0, 0);
    EXPECT_EQ(segments(map, 0, 4), outline({{0, 0}, {0, 2}, {2, 2}, {2, 0}}));
    wizard.sideLen = "3.5";
    wizard.numSides = "4.5";  // 4
    finishAt(10, 10);
    EXPECT_EQ(segments(map, 4, 4), outline({{10, 10}, {10, 14}, {14, 14}, {14, 10}}));
}

TEST_F(RoomWizardFixture, SidesOrLengthsThatRoundToNothingBuildNothing)
{
    for (const char* sides : {"0", "0.4", "-3", "abc"}) {
        wizard.numSides = sides;
        finishAt(0, 0);
        EXPECT_EQ(map.numWalls, 0) << sides;
    }
    wizard.numSides = "4";
    wizard.sideLen = "0.5";
    finishAt(0, 0);
    EXPECT_EQ(map.numWalls, 0);
    EXPECT_FALSE(document.canUndo());
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(RoomWizardFixture, NoRoomTypeKeepsTheDialogWithItsMessage)
{
    wizard.roomType = -1;
    EXPECT_FALSE(wizard.finish(document));
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "No room type selected.");
    EXPECT_EQ(messages.messages[0].title, "No selection");
    EXPECT_EQ(messages.messages[0].style, 16);
    EXPECT_EQ(map.numWalls, 0);
}

TEST_F(RoomWizardFixture, NewMapClearsOnceAndIsUncheckedAfterwards)
{
    map.addWall(0, 0, 10, 0, 0, -1);
    wizard.newMap = true;
    finishAt(100, 100);
    EXPECT_FALSE(wizard.newMap);
    EXPECT_EQ(map.numWalls, 4);
    EXPECT_EQ(map.numViewpoints, 0);
    EXPECT_EQ(map.wallRecord(0).x1, 100);
    finishAt(100, 100);
    EXPECT_EQ(map.numWalls, 8);
    // The new map has no file: it is one step that Undo takes back whole.
    document.undo();
    document.undo();
    EXPECT_EQ(map.numWalls, 1);
    EXPECT_EQ(segments(map, 0, 1), (std::vector<qztest::Segment> {{0, 0, 10, 0}}));
}

TEST(ColumnWizard, DefaultsBuildAPentagonFromThePasteBufferAtTheInsertionPoint)
{
    clsMap map;
    MapDocument document(map);
    ColumnWizard wizard;
    map.insertX = 40;
    map.insertY = -60;
    wizard.activate(map);
    EXPECT_EQ(wizard.startX, "40");
    EXPECT_EQ(wizard.startY, "-60");
    ASSERT_TRUE(wizard.finish(document));
    EXPECT_EQ(segments(map, 0, 5), outline({{40, -60}, {40, -10}, {-8, 5}, {-37, -35}, {-8, -75}}));
    for (int w = 0; w < 5; ++w) {
        EXPECT_EQ(map.wallRecord(w).floorHtBegin, 8);
        EXPECT_EQ(map.wallRecord(w).ceilHtEnd, 128);
        EXPECT_EQ(map.wallRecord(w).txrWall, 1);
    }
    EXPECT_EQ(document.undoName(), "Column Wizard");
    wizard.numSides = "0.4";
    EXPECT_TRUE(wizard.finish(document));
    EXPECT_EQ(map.numWalls, 5);
}
