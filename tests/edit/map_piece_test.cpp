// Copy and Paste between maps through the clipboard's text: the map's own JSON, pasted at a place
// of the user's choosing with every field kept but the links and the place.
#include <gtest/gtest.h>

#include "editor/check/area_chains.h"
#include "editor/check/map_check.h"
#include "editor/edit/map_piece.h"
#include "editor/model/clsMap.h"
#include "format/map_json_reader.h"
#include "tests/edit/hand_edit_maps.h"
#include "tests/support/test_support.h"

using namespace qzedit;
using handtest::Ends;

namespace {

struct Pieces : ::testing::Test {
    Pieces()
    {
        handtest::buildTwoRooms(source);
        // Area 1 as a map maker left it: its own heights, textures, flags and name.
        source.areaRecord(1).areaName.assign("Vault");
        source.areaRecord(1).areaFLAGS = 3;
        source.areaRecord(1).areaCeilHtEnd = 300;
        for (int32_t w = 4; w < 8; ++w) {
            Wall& wall = source.wallRecord(w);
            wall.txrWall = 9;
            wall.txrBCeil = 4;
            wall.floorHtBegin = 24;
            wall.wallFlags = 16;
            wall.xo = 5;
            wall.spareL2 = 77;
        }
        target.addPolySurround(4, 0, 0, 400);
        target.vx = 200;
        target.vy = 200;
    }

    std::vector<uint8_t> fileBytes(clsMap& map)
    {
        EXPECT_TRUE(map.WriteNewMPB(dir.file("now.map"), false));
        return qztest::readBytes(dir.file("now.map"));
    }

    qztest::TempDir dir;
    clsMap source, target;
};

TEST_F(Pieces, AnAreaCopiedIntoAnotherMapThroughTheTextKeepsEverythingButItsPlace)
{
    const std::string text = pieceText(copyPiece(source, {{}, 1}));
    EXPECT_EQ(text.rfind("{\n  \"wallBlockType\": 1,\n  \"viewerStart\": {\"vx\": 280, \"vy\": 30, \"vz\": 64, \"vd\": 0},\n"
                         "  \"walls\": [\n    {\"x1\": 200, \"y1\": 0, \"x2\": 200, \"y2\": 100, ",
                         0),
              0u)
        << text;
    EXPECT_NE(text.find("\"viewpoints\": [],\n  \"areas\": [\n    {\"areaFirstWall\": 0, "), std::string::npos);
    EXPECT_NE(text.find("\"areaName\": \"Vault           \""), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 18), "  \"globals\": []\n}\n");

    const PieceRead read = readPiece(text);
    ASSERT_TRUE(read.outcome) << read.outcome.text;
    const std::optional<MapPoint> corner = pieceCorner(read.piece);
    ASSERT_TRUE(corner.has_value());
    EXPECT_EQ(*corner, (MapPoint {200, 0}));
    target.insertX = 1000;
    target.insertY = 500;
    Pasted pasted;
    ASSERT_TRUE(pastePiece(target, read.piece, target.insertX - corner->x, target.insertY - corner->y, &pasted));

    EXPECT_EQ(pasted.walls, (std::vector<int32_t> {4, 5, 6, 7}));
    EXPECT_EQ(pasted.areas, (std::vector<int32_t> {1}));
    ASSERT_EQ(target.numWalls, 8);
    ASSERT_EQ(target.numAreas, 2);
    const std::vector<Ends> ends = handtest::wallEnds(target);
    EXPECT_EQ(std::vector<Ends>(ends.begin() + 4, ends.end()),
              (std::vector<Ends> {{1000, 500, 1000, 600}, {1000, 600, 1100, 600}, {1100, 600, 1100, 500}, {1100, 500, 1000, 500}}))
        << "the corner of the piece at the insertion point";
    const std::vector<std::string> links = handtest::wallLinks(target);
    EXPECT_EQ(std::vector<std::string>(links.begin() + 4, links.end()),
              (std::vector<std::string> {"4/5/1", "4/6/1", "4/7/1", "4/-1/1"}));
    for (int32_t w = 4; w < 8; ++w) {
        const Wall& copy = target.wallRecord(w);
        const Wall& original = source.wallRecord(w);
        EXPECT_EQ(std::vector<int32_t>({copy.txrWall, copy.txrBCeil, copy.floorHtBegin, copy.ceilHtEnd, copy.wallFlags,
                                        copy.xo, copy.spareL2}),
                  std::vector<int32_t>({9, 4, 24, original.ceilHtEnd, 16, 5, 77}));
        EXPECT_EQ(copy.length, 100);
        EXPECT_NE(copy.wallID, original.wallID) << "a wall of its own";
    }
    const Area& area = target.areaRecord(1);
    EXPECT_EQ(area.areaName.str(), "Vault           ");
    EXPECT_EQ(area.areaFLAGS, 3);
    EXPECT_EQ(area.areaCeilHtEnd, 300);
    EXPECT_EQ(area.areaFirstWall, 4);
    EXPECT_EQ(std::vector<int32_t>({area.areaBbLeft, area.areaBbTop, area.areaBbRight, area.areaBbBottom, area.areaSqArea}),
              std::vector<int32_t>({1000, 500, 1100, 600, 10000}))
        << "the bounding box where the room now is";
    EXPECT_EQ(check::walkAreaChain(target, 1).walls, (std::vector<int32_t> {4, 5, 6, 7}));
}

TEST_F(Pieces, SelectedWallsArePastedAsFreeWalls)
{
    const mapfile::MapFileContents piece = copyPiece(source, {{8, 5, 5}, -1});
    ASSERT_EQ(piece.wallBlock->walls.size(), 2u) << "each wall once";
    EXPECT_TRUE(piece.areas->empty());
    Pasted pasted;
    ASSERT_TRUE(pastePiece(target, piece, -200, 300, &pasted));
    EXPECT_EQ(pasted.walls, (std::vector<int32_t> {4, 5}));
    EXPECT_TRUE(pasted.areas.empty());
    EXPECT_EQ(handtest::wallEnds(target)[4], (Ends {0, 400, 100, 400})) << "wall 5 first, in the order of the map";
    EXPECT_EQ(handtest::wallEnds(target)[5], (Ends {-50, 300, -50, 400}));
    EXPECT_EQ(handtest::wallLinks(target)[4], "-1/-1/-1");
    EXPECT_EQ(handtest::wallLinks(target)[5], "-1/-1/-1");
    EXPECT_EQ(target.wallRecord(4).txrWall, 9);
}

TEST_F(Pieces, AnAreaWithWallsPickedBesideItCarriesBoth)
{
    const mapfile::MapFileContents piece = copyPiece(source, {{8, 4}, 0});
    ASSERT_EQ(piece.wallBlock->walls.size(), 6u);
    ASSERT_TRUE(pastePiece(target, piece, 0, 1000));
    EXPECT_EQ(target.numAreas, 2);
    EXPECT_EQ(check::walkAreaChain(target, 1).walls, (std::vector<int32_t> {4, 5, 6, 7}));
    EXPECT_EQ(handtest::wallLinks(target)[8], "-1/-1/-1");
    EXPECT_EQ(handtest::wallLinks(target)[9], "-1/-1/-1");
}

TEST_F(Pieces, APasteThatDoesNotFitChangesNothing)
{
    const mapfile::MapFileContents piece = copyPiece(source, {{}, 0});
    const std::vector<uint8_t> before = fileBytes(target);
    const Outcome outside = pastePiece(target, piece, 32700, 0);
    EXPECT_EQ(outside.text, "Pasted there, the walls would reach outside the coordinates the engine takes (-32768 to "
                            "32767). Set the insertion point elsewhere. Nothing was pasted.");
    EXPECT_EQ(outside.title, "Paste");
    EXPECT_EQ(fileBytes(target), before);

    clsMap full;
    full.numWalls = 1998;
    EXPECT_EQ(pastePiece(full, piece, 0, 0).text,
              "This needs 4 new walls, but the map has room for only 3 more (it holds at most 2001). Nothing was added.");
    EXPECT_EQ(full.numWalls, 1998);
    EXPECT_EQ(full.numAreas, 0);

    EXPECT_TRUE(pastePiece(target, piece, 32667, -32768)) << "up to the edge";
    EXPECT_EQ(handtest::wallEnds(target)[6], (Ends {32767, -32668, 32767, -32768}));
}

TEST_F(Pieces, TheClipboardsTextIsCheckedBeforeAnythingIsPasted)
{
    const PieceRead words = readPiece("Wall #3");
    EXPECT_FALSE(words.outcome);
    EXPECT_EQ(words.outcome.text, "The clipboard does not hold a piece of a map (line 1, column 1: expected \"{\"). Copy "
                                  "walls or an area first; the text is the map's JSON, as qzmap dump writes it.");
    EXPECT_EQ(words.outcome.title, "Paste");

    const PieceRead none = readPiece("{\"walls\": []}");
    ASSERT_TRUE(none.outcome);
    EXPECT_EQ(pastePiece(target, none.piece, 0, 0).text,
              "The clipboard's piece of a map has no walls: there is nothing to paste.");
    EXPECT_FALSE(pieceCorner(none.piece).has_value());
}

TEST_F(Pieces, ChainsThatLeaveThePieceOrComeBackAreCutWhereTheyDo)
{
    // Area 0 runs 0 -> 1 -> 0 (back to its start); area 1 starts outside the piece; area 2 takes
    // wall 2, then runs into wall 0, which area 0 took.
    const PieceRead read = readPiece(
        "{\"walls\": ["
        "{\"x1\": 0, \"y1\": 0, \"x2\": 10, \"y2\": 0, \"areaNext\": 1},"
        "{\"x1\": 10, \"y1\": 0, \"x2\": 0, \"y2\": 5, \"areaNext\": 0},"
        "{\"x1\": 0, \"y1\": 5, \"x2\": 0, \"y2\": 0, \"areaNext\": 0},"
        "{\"x1\": 20, \"y1\": 0, \"x2\": 30, \"y2\": 0, \"areaNext\": 7}],"
        "\"areas\": [{\"areaFirstWall\": 0}, {\"areaFirstWall\": 9}, {\"areaFirstWall\": 2, \"areaName\": \"Third\"}]}");
    ASSERT_TRUE(read.outcome) << read.outcome.text;
    ASSERT_TRUE(pastePiece(target, read.piece, 0, 0));
    EXPECT_EQ(target.numAreas, 3) << "the area without walls in the piece is left out";
    EXPECT_EQ(check::walkAreaChain(target, 1).walls, (std::vector<int32_t> {4, 5}));
    EXPECT_EQ(check::walkAreaChain(target, 2).walls, (std::vector<int32_t> {6}));
    EXPECT_EQ(target.areaRecord(2).areaName.str(), "Third           ");
    EXPECT_EQ(handtest::wallLinks(target)[7], "-1/-1/-1") << "the wall whose link leaves the piece is free";
}

}  // namespace
