#include <gtest/gtest.h>

#include "editor/document/map_document.h"
#include "editor/model/clsMap.h"
#include "editor/wizards/logic/column_wizard.h"
#include "editor/wizards/logic/field_check.h"
#include "editor/wizards/logic/room_wizard.h"
#include "editor/wizards/logic/stair_wizard.h"
#include "tests/support/test_support.h"

using namespace qzedit;

namespace {

// A wizard whose Finish must be refused: the dialog stays, the map and its history are unchanged,
// and one message says which field and what range.
struct RefusedFixture : ::testing::Test {
    clsMap map;
    MapDocument document {map};
    qztest::MessageRecorder messages;

    template <typename Wizard>
    std::string refused(Wizard& wizard)
    {
        const int32_t walls = map.numWalls;
        const size_t steps = document.stepCount();
        EXPECT_FALSE(wizard.finish(document));
        EXPECT_EQ(map.numWalls, walls);
        EXPECT_EQ(document.stepCount(), steps);
        EXPECT_EQ(messages.messages.size(), 1u);
        if (messages.messages.empty()) return "";
        EXPECT_EQ(messages.messages[0].title, Wizard::kCaption);
        EXPECT_EQ(messages.messages[0].style, 48);
        std::string text = messages.messages[0].text;
        messages.messages.clear();
        return text;
    }
};

}  // namespace

TEST(FieldCheck, KeepsTheFirstFieldThatDoesNotFit)
{
    qztest::MessageRecorder messages;
    FieldCheck check("Title");
    EXPECT_EQ(check.integer("12.5", "A"), 12);
    EXPECT_EQ(check.integer("-32768.4", "B"), -32768);
    EXPECT_TRUE(check.ok());
    EXPECT_EQ(check.integer("70000", "C", 1, 100), 1);
    EXPECT_EQ(check.integer("0", "D", 1, 100), 1);
    EXPECT_EQ(check.message(), "\"C\" must be a number from 1 to 100.");
    EXPECT_FALSE(check.report());
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].title, "Title");
    EXPECT_EQ(roundedField("2.5"), 2);
    EXPECT_EQ(roundedField("3.5"), 4);
    EXPECT_EQ(roundedField("-2.5abc"), -2);
}

TEST_F(RefusedFixture, RoomFieldsOutsideTheSixteenBitRange)
{
    RoomWizard wizard;
    wizard.startX = "40000";
    EXPECT_EQ(refused(wizard), "\"Begin (x,y)\" must be a number from -32768 to 32767.");
    wizard.startX = "0";
    wizard.ceilingHeight = "-32769";
    EXPECT_EQ(refused(wizard), "\"Ceiling height\" must be a number from -32768 to 32767.");
    wizard.ceilingHeight = "264";
    wizard.sideLen = "32768";
    EXPECT_EQ(refused(wizard), "\"Side length\" must be a number from 1 to 32767.");
    wizard.sideLen = "1400";
    wizard.roomType = 1;
    wizard.numPillarSides = "0.2";
    EXPECT_EQ(refused(wizard), "\"# of pillar sides\" must be a number from 1 to 32767.");
    // Without pillars their number of sides does not matter.
    wizard.numPillars = "0";
    EXPECT_TRUE(wizard.finish(document));
}

TEST_F(RefusedFixture, RoomPartsThatLeaveTheRangeAfterTheOffsets)
{
    RoomWizard wizard;
    wizard.roomType = 1;
    wizard.startX = "32000";
    wizard.startY = "0";
    wizard.sideLen = "10";
    EXPECT_EQ(refused(wizard), "The pillars would reach outside -32768 to 32767: check \"Begin (x,y)\", \"# pillars\" "
                               "and \"# of pillar sides\".");
    wizard.numPillars = "0";
    wizard.startX = "32300";
    EXPECT_EQ(refused(wizard), "The columns would reach outside -32768 to 32767: check \"Begin (x,y)\" and \"# columns\".");
    wizard.roomType = 0;
    wizard.startX = "0";
    wizard.startY = "30000";
    wizard.sideLen = "3000";
    EXPECT_EQ(refused(wizard),
              "The room's walls would reach outside -32768 to 32767: check \"Begin (x,y)\", \"Num Sides\" and \"Side length\".");
    wizard.sideLen = "2767";
    EXPECT_TRUE(wizard.finish(document));
}

TEST_F(RefusedFixture, RoomsThatWouldPassTheWallOrAreaTables)
{
    for (int i = 0; i < 1990; ++i) map.addWall(0, 0, 1, 0, 0, -1);
    RoomWizard wizard;
    wizard.roomType = 1;
    wizard.sideLen = "100";
    EXPECT_EQ(refused(wizard), "\"Num Sides\", \"# pillars\", \"# of pillar sides\" and \"# columns\" ask for 40 walls and "
                               "7 areas; the map has room for 11 more walls and 201 more areas (2001 walls and 201 areas "
                               "at most).");
    // On a new map the room counts from an empty table.
    wizard.newMap = true;
    wizard.startX = "-20000";
    wizard.startY = "-20000";
    EXPECT_TRUE(wizard.finish(document));
    EXPECT_EQ(map.numWalls, 40);

    RoomWizard many;
    many.roomType = 1;
    many.numPillars = "250";
    many.numPillarSides = "3";
    many.numColumns = "0";
    many.startX = "-32000";
    many.sideLen = "100";
    EXPECT_EQ(refused(many), "\"Num Sides\", \"# pillars\", \"# of pillar sides\" and \"# columns\" ask for 754 walls and "
                             "251 areas; the map has room for 1961 more walls and 194 more areas (2001 walls and 201 "
                             "areas at most).");
}

TEST_F(RefusedFixture, ColumnFieldsAndCornersOutOfRange)
{
    ColumnWizard wizard;
    wizard.startY = "-40000";
    EXPECT_EQ(refused(wizard), "\"Begin (x,y)\" must be a number from -32768 to 32767.");
    wizard.startY = "32760";
    EXPECT_EQ(refused(wizard), "The column would reach outside -32768 to 32767: check \"Begin (x,y)\", \"Num Sides\" and "
                               "\"Side length\".");
    wizard.startY = "0";
    wizard.numSides = "2002";
    EXPECT_EQ(refused(wizard), "\"Num Sides\" ask for 2002 walls and 1 areas; the map has room for 2001 more walls and "
                               "201 more areas (2001 walls and 201 areas at most).");
}

TEST_F(RefusedFixture, StairsWhoseHeightsPositionsOrCountDoNotFit)
{
    StairWizard wizard;
    wizard.startX = "0";
    wizard.startY = "0";
    wizard.heightInc = "5000";
    EXPECT_EQ(refused(wizard), "\"Height increment\" must be a number from -4095 to 4095 with 8 stairs.");
    wizard.heightInc = "25";
    wizard.startY = "-32700";
    EXPECT_EQ(refused(wizard),
              "\"StartY\" must be a number from -32418 to 32717 with this stair width and number of stairs.");
    wizard.startY = "0";
    wizard.startX = "-32740";
    EXPECT_EQ(refused(wizard), "\"StartX\" must be a number from -32718 to 32767 with this stair width.");
    wizard.startX = "0";
    wizard.stairWidth = "10000";
    EXPECT_EQ(refused(wizard), "\"Stair width\" must be a number from 1 to 8191 with 8 stairs.");
    wizard.stairWidth = "50";
    wizard.numStairs = "1e300";
    EXPECT_EQ(refused(wizard), "\"# stairs\" ask for 4000000000 walls and 1000000000 areas; the map has room for 2001 "
                               "more walls and 201 more areas (2001 walls and 201 areas at most).");
    wizard.numStairs = "202";
    EXPECT_EQ(refused(wizard), "\"# stairs\" ask for 808 walls and 202 areas; the map has room for 2001 more walls and "
                               "201 more areas (2001 walls and 201 areas at most).");
    wizard.numStairs = "201";
    wizard.stairWidth = "10";
    EXPECT_TRUE(wizard.finish(document));
    EXPECT_EQ(map.numAreas, 201);
}
