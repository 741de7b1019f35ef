#include <gtest/gtest.h>

#include "editor/document/map_document.h"
#include "editor/model/clsMap.h"
#include "editor/wizards/generators/stair_generator.h"
#include "editor/wizards/logic/stair_wizard.h"
#include "tests/support/test_support.h"
#include "tests/wizards/map_segments.h"

using namespace qzedit;
using qztest::outline;
using qztest::segments;

namespace {

struct StairFixture : ::testing::Test {
    clsMap map;
    MapDocument document {map};
    StairWizard wizard;
    qztest::MessageRecorder messages;

    void finish(const char* count)
    {
        wizard.numStairs = count;
        ASSERT_TRUE(wizard.finish(document));
    }
};

}  // namespace

TEST_F(StairFixture, TheDialogStartsAtTheInsertionPointWithItsDefaults)
{
    EXPECT_EQ(wizard.startX, "2300");
    EXPECT_EQ(wizard.startY, "1500");
    EXPECT_EQ(wizard.heightInc, "25");
    EXPECT_EQ(wizard.stairWidth, "50");
    EXPECT_EQ(wizard.numStairs, "8");
    map.insertX = 300;
    map.insertY = 700;
    wizard.activate(map);
    EXPECT_EQ(wizard.startX, "300");
    EXPECT_EQ(wizard.startY, "700");
    finish("8");
    EXPECT_EQ(map.numWalls, 32);
    EXPECT_EQ(map.numAreas, 8);
    EXPECT_EQ(segments(map, 28, 4), outline({{300, 350}, {300, 400}, {250, 400}, {250, 350}}));
    EXPECT_EQ(map.wallRecord(28).floorHtEnd, 200);
    EXPECT_EQ(document.undoName(), "Stair wizard");
}

TEST_F(StairFixture, OneStairIsOneSquareStepAtTheStartAndHOfHeight)
{
    wizard.startX = "100";
    wizard.startY = "200";
    finish("1");
    ASSERT_EQ(map.numWalls, 4);
    EXPECT_EQ(segments(map, 0, 4), outline({{100, 200}, {100, 250}, {50, 250}, {50, 200}}));
    for (int w = 0; w < 4; ++w) {
        EXPECT_EQ(map.wallRecord(w).floorHtEnd, 25);
        EXPECT_EQ(map.wallRecord(w).areaNext, w < 3 ? w + 1 : -1);
        EXPECT_EQ(map.wallRecord(w).areaFirst, 0);
    }
    EXPECT_EQ(map.wallRecord(3).nextLineseg, -1);
    EXPECT_EQ(map.areaRecord(0).areaBbLeft, 50);
    EXPECT_EQ(map.areaRecord(0).areaBbBottom, 250);
    // Only the floor end height of the paste buffer is the step's; the others stay.
    EXPECT_EQ(map.wallRecord(0).floorHtBegin, 8);
    EXPECT_EQ(map.wallRecord(0).ceilHtEnd, 128);
}

TEST_F(StairFixture, AFractionOfStairsCountsItsWholeStairsAndAtLeastOne)
{
    wizard.startX = "0";
    wizard.startY = "0";
    wizard.stairWidth = "10";
    finish("2.5");
    ASSERT_EQ(map.numWalls, 8);
    EXPECT_EQ(segments(map, 4, 4), outline({{0, -10}, {0, 0}, {-10, 0}, {-10, -10}}));
    EXPECT_EQ(map.wallRecord(4).floorHtEnd, 50);
    finish("0.5");
    EXPECT_EQ(map.numWalls, 12);
    EXPECT_EQ(stairSteps(7.99), 7);
    EXPECT_EQ(stairSteps(0), 0);
    EXPECT_EQ(stairSteps(-1), 0);
}

TEST_F(StairFixture, NoStairsOrNoWidthBuildNothingAndClose)
{
    for (const char* count : {"0", "-2", "x"}) finish(count);
    wizard.stairWidth = "0.4";
    finish("3");
    EXPECT_EQ(map.numWalls, 0);
    EXPECT_TRUE(messages.messages.empty());
}

TEST(StairStep, WithoutClosingTheFourthSideStaysOpen)
{
    clsMap map;
    EXPECT_EQ(wzStair(map, 10, 10, 5, 30, false), 0);
    ASSERT_EQ(map.numWalls, 3);
    EXPECT_EQ(segments(map, 0, 3), (std::vector<qztest::Segment> {{10, 10, 10, 15}, {10, 15, 5, 15}, {5, 15, 5, 10}}));
    EXPECT_EQ(map.wallRecord(2).areaNext, -1);
}
