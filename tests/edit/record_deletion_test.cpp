// Delete: walls and areas leave the tables closed up, every chain whole and every link renumbered,
// so the map checker finds what it found before and nothing more.
#include <gtest/gtest.h>

#include "editor/check/area_chains.h"
#include "editor/check/map_check.h"
#include "editor/document/map_document.h"
#include "editor/edit/record_deletion.h"
#include "editor/model/clsMap.h"
#include "tests/edit/hand_edit_maps.h"
#include "tests/support/test_support.h"

using namespace qzedit;
using handtest::Ends;

namespace {

struct Deletion : ::testing::Test {
    Deletion() { handtest::buildTwoRooms(map); }

    std::vector<uint8_t> fileBytes(const clsMap& m)
    {
        EXPECT_TRUE(const_cast<clsMap&>(m).WriteNewMPB(dir.file("now.map"), false));
        return qztest::readBytes(dir.file("now.map"));
    }
    // The map as a file and read back: what a save and an open make of it.
    void expectFileReadsBackTheSame()
    {
        fileBytes(map);
        clsMap back;
        ASSERT_TRUE(back.ReadNewMPB(dir.file("now.map")));
        EXPECT_EQ(handtest::wallEnds(back), handtest::wallEnds(map));
        EXPECT_EQ(handtest::wallLinks(back), handtest::wallLinks(map));
        for (int32_t a = 0; a < back.numAreas; ++a)
            EXPECT_EQ(check::walkAreaChain(back, a).end, check::ChainWalk::End::Whole) << "area " << a;
    }

    qztest::TempDir dir;
    qztest::MessageRecorder messages;
    clsMap map;
};

TEST_F(Deletion, AWallInTheMiddleOfAChainGoesAndTheWallBeforeItClosesTheOutline)
{
    const std::vector<check::Finding> before = check::checkMap(map);
    ASSERT_EQ(before.size(), 1u);
    EXPECT_EQ(before[0].index, 8) << "the free wall, the map's only finding";
    map.selWallNum = 6;
    map.selAreaNum = 1;

    ASSERT_TRUE(deleteSelection(map, {{5}, -1}));
    EXPECT_EQ(map.numWalls, 8);
    EXPECT_EQ(map.numAreas, 2);
    EXPECT_EQ(handtest::wallEnds(map), (std::vector<Ends> {{0, 0, 0, 100},
                                                           {0, 100, 100, 100},
                                                           {100, 100, 100, 0},
                                                           {100, 0, 0, 0},
                                                           {200, 0, 300, 100},  // drawn on to where wall 5 ended
                                                           {300, 100, 300, 0},
                                                           {300, 0, 200, 0},
                                                           {150, 0, 150, 100}}));
    EXPECT_EQ(handtest::wallLinks(map), (std::vector<std::string> {"0/1/0", "0/2/0", "0/3/0", "0/-1/0", "4/5/1",
                                                                   "4/6/1", "4/-1/1", "-1/-1/-1"}));
    EXPECT_EQ(map.areaRecord(1).areaFirstWall, 4);
    EXPECT_EQ(check::walkAreaChain(map, 1).walls, (std::vector<int32_t> {4, 5, 6}));
    EXPECT_EQ(map.selWallNum, 5) << "wall 6 is wall 5 now";
    EXPECT_EQ(map.selAreaNum, 1);

    const std::vector<check::Finding> after = check::checkMap(map);
    ASSERT_EQ(after.size(), 1u) << check::findingLine(map, after.back());
    EXPECT_EQ(after[0].index, 7);
    EXPECT_EQ(after[0].text, before[0].text);
    expectFileReadsBackTheSame();
}

TEST_F(Deletion, TheFirstWallOfAChainHandsTheAreaToTheNext)
{
    ASSERT_TRUE(deleteSelection(map, {{4}, -1}));
    EXPECT_EQ(map.areaRecord(1).areaFirstWall, 4);
    EXPECT_EQ(handtest::wallEnds(map)[6], (Ends {300, 0, 200, 100})) << "the last wall closes the outline again";
    EXPECT_EQ(handtest::wallLinks(map)[4], "4/5/1");
    EXPECT_EQ(handtest::wallLinks(map)[6], "4/-1/1");
    EXPECT_EQ(map.areaRecord(1).areaBbLeft, 200);
    EXPECT_EQ(map.areaRecord(1).areaBbBottom, 100);
    EXPECT_EQ(check::checkMap(map).size(), 1u);
}

TEST_F(Deletion, AnAreaGoesWithItsWallsAndEverythingAfterMovesDown)
{
    map.selAreaNum = 1;
    map.selWallNum = 2;
    ASSERT_TRUE(deleteSelection(map, {{}, 0}));
    EXPECT_EQ(map.numWalls, 5);
    EXPECT_EQ(map.numAreas, 1);
    EXPECT_EQ(map.areaRecord(0).areaName.str(), "Area1           ");
    EXPECT_EQ(map.areaRecord(0).areaFirstWall, 0);
    EXPECT_EQ(handtest::wallEnds(map)[0], (Ends {200, 0, 200, 100}));
    EXPECT_EQ(handtest::wallLinks(map),
              (std::vector<std::string> {"0/1/0", "0/2/0", "0/3/0", "0/-1/0", "-1/-1/-1"}));
    EXPECT_EQ(map.selAreaNum, 0) << "area 1 is area 0 now";
    EXPECT_EQ(map.selWallNum, -1) << "the selected wall is gone";
    EXPECT_EQ(map.areaRecord(0).areaBbLeft, 200) << "the bounding box stays its own";
    const std::vector<check::Finding> after = check::checkMap(map);
    ASSERT_EQ(after.size(), 1u);
    EXPECT_EQ(after[0].index, 4);
    expectFileReadsBackTheSame();
}

TEST_F(Deletion, EveryWallOfAnAreaSelectedTakesTheAreaToo)
{
    ASSERT_TRUE(deleteSelection(map, {{3, 0, 8, 2, 1}, -1}));
    EXPECT_EQ(map.numAreas, 1);
    EXPECT_EQ(map.numWalls, 4);
    EXPECT_EQ(handtest::wallLinks(map), (std::vector<std::string> {"0/1/0", "0/2/0", "0/3/0", "0/-1/0"}));
    EXPECT_TRUE(check::checkMap(map).empty());
}

TEST_F(Deletion, ARoomIsNotLeftWithFewerThanThreeWalls)
{
    const std::vector<uint8_t> before = fileBytes(map);
    const Outcome refused = deleteSelection(map, {{0, 1}, -1});
    EXPECT_FALSE(refused);
    EXPECT_EQ(refused.text,
              "Deleting would leave area 0 \"Area0\" with 2 walls, and a room needs at least three. Select the area "
              "in the project window to delete it whole. Nothing was deleted.");
    EXPECT_EQ(refused.title, "Delete");
    EXPECT_EQ(fileBytes(map), before);

    map.areaRecord(0).areaName.assign("Caf\xE9");
    EXPECT_NE(deleteSelection(map, {{0, 1, 2}, -1}).text.find("area 0 \"Caf\xC3\xA9\" with 1 wall,"), std::string::npos)
        << "the name in UTF-8 for the message";
}

TEST_F(Deletion, NumbersOutsideTheTablesAreRefused)
{
    const std::vector<uint8_t> before = fileBytes(map);
    EXPECT_EQ(deleteSelection(map, {{2, 9}, -1}).text,
              "Wall 9 is not a wall of the map, which has 9 walls. Nothing was deleted.");
    EXPECT_EQ(deleteSelection(map, {{}, 2}).text, "Area 2 is not an area of the map, which has 2 areas. Nothing was deleted.");
    EXPECT_EQ(deleteSelection(map, {{-3}, -1}).text,
              "Wall -3 is not a wall of the map, which has 9 walls. Nothing was deleted.");
    EXPECT_EQ(fileBytes(map), before);
}

TEST_F(Deletion, SplitPiecesAreJoinedAgainAndBrokenLinksStayBroken)
{
    // Wall 1 of area 0 split in two pieces along its line, both in the chain.
    map.wallRecord(1).x2 = 50;
    map.wallRecord(1).areaNext = 9;
    const int32_t piece = map.addWall(50, 100, 100, 100, 0, 2);
    map.wallRecord(piece).areaNum = 0;
    // Area 1's chain runs off the table after its third wall.
    map.wallRecord(6).areaNext = 3000;
    ASSERT_TRUE(deleteSelection(map, {{9}, -1}));
    EXPECT_EQ(handtest::wallEnds(map)[1], (Ends {0, 100, 100, 100})) << "the wall is whole again";
    EXPECT_EQ(handtest::wallLinks(map)[1], "0/2/0");
    EXPECT_EQ(map.wallRecord(6).areaNext, 3000) << "a link outside the table is not made to point anywhere";

    ASSERT_TRUE(deleteSelection(map, {{8}, -1}));
    EXPECT_EQ(map.numWalls, 8);
    EXPECT_EQ(map.wallRecord(6).areaNext, 3000);
}

TEST_F(Deletion, InTheDocumentADeletionIsOneStepAndUndoBringsBackTheFile)
{
    MapDocument document(map);
    const std::vector<uint8_t> before = fileBytes(map);
    clsMap direct = map;
    ASSERT_TRUE(deleteSelection(direct, {{5, 8}, -1}));

    EXPECT_TRUE(document.change("Delete", [&] { ASSERT_TRUE(deleteSelection(map, {{5, 8}, -1})); }));
    EXPECT_EQ(document.stepCount(), 1u);
    const std::vector<uint8_t> deleted = fileBytes(map);
    EXPECT_EQ(deleted, fileBytes(direct));
    document.undo();
    EXPECT_EQ(fileBytes(map), before);
    document.redo();
    EXPECT_EQ(fileBytes(map), deleted);
    EXPECT_FALSE(document.change("Delete", [&] { EXPECT_FALSE(deleteSelection(map, {{0, 1}, -1})); }))
        << "a refused deletion leaves no step";
}

}  // namespace
