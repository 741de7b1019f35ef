#include <gtest/gtest.h>

#include "editor/document/map_document.h"
#include "editor/model/clsMap.h"
#include "editor/wizards/logic/passage_wizard.h"
#include "editor/wizards/logic/split_wall_wizard.h"
#include "tests/support/test_support.h"
#include "tests/wizards/map_segments.h"

using namespace qzedit;
using qztest::segments;

namespace {

// Two walls facing each other across a gap, the first with floor 8 and ceiling end 128.
struct FacingWalls : ::testing::Test {
    FacingWalls()
    {
        map.addWall(0, 0, 90, 0, 0, -1);
        map.addWall(90, 10, 0, 10, 0, -1);
        map.selWallNum = 0;
    }
    clsMap map;
    MapDocument document {map};
    qztest::MessageRecorder messages;
    const std::vector<std::string> both {"Wall #0", "Wall #1"};
};

}  // namespace

TEST_F(FacingWalls, ThePassageNeedsExactlyTwoListedWalls)
{
    const std::string text = "You need to select two walls (with the SHIFT key) that you want to make the passage "
                             "between. Use the Select window (under the Windows menu) to see the selected walls.";
    EXPECT_FALSE(PassageWizard::selectionOk({"Wall #0", "Wall #1", "Wall #2"}));
    EXPECT_FALSE(PassageWizard::selectionOk({"Wall #0"}));
    EXPECT_TRUE(PassageWizard::selectionOk(both));
    ASSERT_EQ(messages.messages.size(), 2u);
    EXPECT_EQ(messages.messages[0].text, text);
    EXPECT_EQ(messages.messages[0].title, "Wall not selected");
    EXPECT_EQ(messages.messages[0].style, 48);
    EXPECT_EQ(PassageWizard::listedWall("Wall #12"), 12);
    EXPECT_EQ(PassageWizard::listedWall("Wall #"), 0);
    EXPECT_EQ(PassageWizard::listedWall("Wall #99999"), -1);
}

TEST_F(FacingWalls, TheDialogShowsTheWallsHeightsAndProposesOnce)
{
    PassageWizard wizard;
    wizard.activate(map, both);
    EXPECT_EQ(wizard.wallHeightLabel, "120");
    EXPECT_EQ(wizard.startHeightLabel, "8");
    EXPECT_EQ(wizard.endHeightLabel, "128");
    EXPECT_EQ(wizard.height, "48");
    EXPECT_EQ(wizard.startHeight, "8");

    wizard.height = "30";
    map.wallRecord(1).floorHtBegin = 0;
    map.wallRecord(1).ceilHtEnd = 264;
    map.selWallNum = 1;
    wizard.activate(map, both);
    EXPECT_EQ(wizard.wallHeightLabel, "264");
    EXPECT_EQ(wizard.startHeightLabel, "0");
    EXPECT_EQ(wizard.height, "30");
    EXPECT_EQ(wizard.startHeight, "8");
}

TEST_F(FacingWalls, FinishCutsThePassageBetweenTheFirstTwoListedWalls)
{
    PassageWizard wizard;
    wizard.activate(map, both);
    ASSERT_TRUE(wizard.finish(document, both));
    ASSERT_EQ(map.numWalls, 6);
    EXPECT_EQ(segments(map, 0, 6), (std::vector<qztest::Segment> {{0, 0, 30, 0},
                                                                    {90, 10, 60, 10},
                                                                    {60, 10, 59, 0},
                                                                    {59, 0, 90, 0},
                                                                    {30, 0, 31, 10},
                                                                    {31, 10, 0, 10}}));
    EXPECT_EQ(document.undoName(), "Passage Wizard");
}

TEST_F(FacingWalls, APassageBetweenWallsThatAreNotThereIsRefused)
{
    PassageWizard wizard;
    EXPECT_FALSE(wizard.finish(document, {"Wall #0", "Wall #7"}));
    EXPECT_FALSE(wizard.finish(document, {"Wall #1", "Wall #1"}));
    EXPECT_EQ(map.numWalls, 2);
    ASSERT_EQ(messages.messages.size(), 2u);
    EXPECT_EQ(messages.messages[0].text, "The selected walls must be walls of this map, numbered from 0 to 1: select them again.");
    EXPECT_EQ(messages.messages[0].title, "Passage Wizard");
    EXPECT_EQ(messages.messages[1].text, "Select two different walls to make the passage between.");
    // A wall list without a selected wall still shows the first listed wall's heights.
    map.selWallNum = -1;
    wizard.activate(map, {"Wall #1", "Wall #0"});
    EXPECT_EQ(wizard.endHeightLabel, "128");
}

TEST_F(FacingWalls, SplitNeedsASelectedWallAndAddsOneOrTwoWalls)
{
    map.selWallNum = -1;
    EXPECT_FALSE(SplitWallWizard::selectionOk(map));
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "You need to select a wall that you want to split.");
    EXPECT_EQ(messages.messages[0].title, "No wall selected");
    EXPECT_EQ(messages.messages[0].style, 48);

    map.selWallNum = 0;
    EXPECT_TRUE(SplitWallWizard::selectionOk(map));
    SplitWallWizard wizard;
    EXPECT_TRUE(wizard.doubleSplit);
    ASSERT_TRUE(wizard.finish(document));
    EXPECT_EQ(segments(map, 0, 1), (std::vector<qztest::Segment> {{0, 0, 45, 0}}));
    EXPECT_EQ(segments(map, 2, 1), (std::vector<qztest::Segment> {{45, 0, 90, 0}}));
    wizard.doubleSplit = false;
    ASSERT_TRUE(wizard.finish(document));
    EXPECT_EQ(map.numWalls, 5);
    EXPECT_EQ(segments(map, 3, 2), (std::vector<qztest::Segment> {{15, 0, 30, 0}, {30, 0, 45, 0}}));
    EXPECT_EQ(document.undoName(), "Split wall");
}

TEST_F(FacingWalls, ASplitThatCannotBeStoredIsRefused)
{
    map.selWallNum = 5;
    SplitWallWizard wizard;
    EXPECT_FALSE(wizard.finish(document));
    while (map.numWalls < clsMap::kWallSlots) map.addWall(0, 0, 1, 0, 0, -1);
    map.selWallNum = 0;
    EXPECT_FALSE(wizard.finish(document));
    ASSERT_EQ(messages.messages.size(), 2u);
    EXPECT_EQ(messages.messages[0].text, "The selected wall must be a wall of this map, numbered from 0 to 1: select it again.");
    EXPECT_EQ(messages.messages[1].text, "The split's new walls ask for 1 walls and 0 areas; the map has room for 0 more "
                                         "walls and 201 more areas (2001 walls and 201 areas at most).");
    EXPECT_EQ(map.numWalls, clsMap::kWallSlots);
}
