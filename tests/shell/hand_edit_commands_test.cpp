// Edit's hand edits on the map and the windows' logic: Delete, Delete Area, Cut, Copy, Paste and
// Duplicate through a clipboard of text, what counts as selected, and the texture browser's choice.
#include <gtest/gtest.h>

#include <filesystem>

#include "editor/check/area_chains.h"
#include "editor/edit/map_piece.h"
#include "editor/shell/logic/hand_edit_commands.h"
#include "editor/shell/logic/texture_browser.h"
#include "format/bitmap_file.h"
#include "format/record_identity.h"
#include "tests/edit/hand_edit_maps.h"
#include "tests/shell/commands_fixture.h"

using namespace qzedit;
using handtest::Ends;

namespace {

struct TextClipboard : ClipboardPort {
    std::string text() const override { return held; }
    void setText(const std::string& text) override { held = text; }
    std::string held;
};

struct HandEdits : CommandsFixture {
    HandEdits() : edits(document, selection, grid, view, clipboard, [this] { return shell.selectList; })
    {
        selection.clearSelectList = [this] { shell.selectList.clear(); };
        edits.addTo(commands);
        document.change("Rooms", [this] { handtest::buildTwoRooms(map); });
    }
    // A click on wall n in the map view, Shift held or not.
    void pick(int32_t n, bool shift = false)
    {
        selection.selWall(n);
        if (!shift) shell.selectList.clear();
        shell.selectList.push_back("Wall #" + std::to_string(n));
    }

    TextClipboard clipboard;
    HandEditCommands edits;
};

TEST_F(HandEdits, DeleteTakesThePickedWallsOrTheAreaTheGridShows)
{
    const std::vector<uint8_t> before = fileBytes();
    pick(5);
    ASSERT_TRUE(commands.run("itmDelete"));
    EXPECT_EQ(map.numWalls, 8);
    EXPECT_EQ(document.undoName(), "Delete");
    EXPECT_EQ(map.selWallNum, -1);
    EXPECT_EQ(grid.selType(), PropertyGrid::kNothing);
    EXPECT_TRUE(shell.selectList.empty());
    EXPECT_EQ(shell.nodes.size(), 17u) << "listed again: 2 areas, 8 walls, 1 viewpoint and 6 globals";
    document.undo();
    EXPECT_EQ(fileBytes(), before);

    pick(2);
    pick(8, true);
    commands.run("itmDelete");
    EXPECT_EQ(map.numWalls, 7) << "both picked walls";
    document.undo();

    pick(1);
    selection.selWall(3);  // from the project tree: the picked wall is another
    commands.run("itmDelete");
    EXPECT_EQ(handtest::wallEnds(map)[2], (Ends {100, 100, 0, 0})) << "only wall 3 went";
    EXPECT_EQ(map.numWalls, 8);
    document.undo();

    selection.selArea(0);
    commands.run("itmDelete");
    EXPECT_EQ(map.numAreas, 1);
    EXPECT_EQ(map.numWalls, 5);
    document.undo();
    EXPECT_EQ(fileBytes(), before);
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(HandEdits, DeleteAreaTakesTheSelectedAreaWhateverTheGridShows)
{
    selection.selArea(1);
    pick(0);
    commands.run("itmDelArea");
    EXPECT_EQ(map.numAreas, 1);
    EXPECT_EQ(map.areaRecord(0).areaName.str(), "Area0           ");
    EXPECT_EQ(document.undoName(), "Delete Area");
    commands.run("itmDelArea");
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "No area is selected.");
}

TEST_F(HandEdits, NothingSelectedOrARefusedDeleteChangesNothing)
{
    commands.run("itmDelete");
    selection.selGlobal(2);
    commands.run("itmDelete");
    ASSERT_EQ(messages.messages.size(), 2u);
    EXPECT_EQ(messages.messages[1].text, "Select walls in the map (Shift adds more), or an area in the project window, first.");
    EXPECT_EQ(messages.messages[1].title, "Nothing Selected");

    const std::vector<uint8_t> before = fileBytes();
    pick(0);
    pick(1, true);
    commands.run("itmDelete");
    ASSERT_EQ(messages.messages.size(), 3u);
    EXPECT_EQ(messages.messages[2].title, "Delete");
    EXPECT_EQ(fileBytes(), before);
    EXPECT_EQ(document.undoName(), "Rooms");
    EXPECT_EQ(map.selWallNum, 1) << "a refused delete keeps the selection";
}

TEST_F(HandEdits, CopyPutsTheMapsJsonOnTheClipboardAndPasteBringsItToTheInsertionPoint)
{
    selection.selArea(1);
    commands.run("copy");
    EXPECT_EQ(clipboard.held, pieceText(copyPiece(map, {{}, 1})));
    EXPECT_EQ(document.undoName(), "Rooms") << "Copy changes nothing";
    const std::vector<uint8_t> before = fileBytes();

    map.insertX = 1000;
    map.insertY = -500;
    commands.run("itmPaste");
    ASSERT_EQ(map.numAreas, 3);
    EXPECT_EQ(document.undoName(), "Paste");
    EXPECT_EQ(handtest::wallEnds(map)[9], (Ends {1000, -500, 1000, -400}));
    EXPECT_EQ(check::walkAreaChain(map, 2).walls, (std::vector<int32_t> {9, 10, 11, 12}));
    EXPECT_EQ(map.selAreaNum, 2) << "what was pasted is selected";
    EXPECT_EQ(grid.selType(), PropertyGrid::kArea);
    document.undo();
    EXPECT_EQ(fileBytes(), before);

    clipboard.held = "not a map";
    commands.run("paste");
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].title, "Paste");
    EXPECT_EQ(fileBytes(), before);
}

TEST_F(HandEdits, DuplicateGoesOneGridStepOnFromWhatWasDuplicatedLast)
{
    const std::vector<uint8_t> before = fileBytes();
    selection.selArea(0);
    commands.run("itmDuplicate");
    ASSERT_EQ(map.numAreas, 3);
    EXPECT_EQ(document.undoName(), "Duplicate");
    EXPECT_EQ(handtest::wallEnds(map)[9], (Ends {128, 128, 128, 228}));
    commands.run("itmDuplicate");
    ASSERT_EQ(map.numAreas, 4);
    EXPECT_EQ(handtest::wallEnds(map)[13], (Ends {256, 256, 256, 356}));
    EXPECT_EQ(clipboard.held, "") << "Duplicate leaves the clipboard alone";

    pick(8);
    commands.run("itmDuplicate");
    ASSERT_EQ(map.numWalls, 18);
    EXPECT_EQ(handtest::wallEnds(map)[17], (Ends {278, 128, 278, 228}));
    EXPECT_EQ(shell.selectList, (std::vector<std::string> {"Wall #17"})) << "the new wall is the one picked";
    EXPECT_EQ(map.selWallNum, 17);
    for (int step = 0; step < 3; ++step) document.undo();
    EXPECT_EQ(fileBytes(), before);
}

TEST_F(HandEdits, CutIsCopyAndDeleteInOneStep)
{
    const std::vector<uint8_t> before = fileBytes();
    selection.selArea(1);
    commands.run("cut");
    EXPECT_EQ(map.numAreas, 1);
    EXPECT_EQ(readPiece(clipboard.held).piece.areas->size(), 1u);
    document.undo();
    EXPECT_EQ(fileBytes(), before);

    pick(8);
    commands.run("itmCut");
    EXPECT_EQ(map.numWalls, 8);
    EXPECT_EQ(document.undoName(), "Cut");
    const PieceRead cut = readPiece(clipboard.held);
    ASSERT_TRUE(cut.outcome);
    ASSERT_EQ(cut.piece.wallBlock->walls.size(), 1u);
    EXPECT_EQ(cut.piece.wallBlock->walls[0].x1, 150);
    map.insertX = 150;
    map.insertY = 0;
    commands.run("itmPaste");
    EXPECT_EQ(handtest::wallEnds(map)[8], (Ends {150, 0, 150, 100})) << "back where it was";

    clipboard.held = "kept";
    pick(0);
    pick(1, true);
    commands.run("cut");
    EXPECT_EQ(clipboard.held, "kept") << "a refused cut copies nothing";
}

TEST_F(HandEdits, TheDrawToolIsAToolOfItsOwn)
{
    commands.run("draw");
    EXPECT_EQ(map.clickMode, MapViewController::kDrawTool);
    view.mouseDown(MapViewController::kLeftButton, false, 10, 10);
    ASSERT_TRUE(view.drawTool().drawing());
    commands.run("select");
    EXPECT_EQ(map.clickMode, 0);
    EXPECT_FALSE(view.drawTool().drawing()) << "the outline is dropped with the tool";
    commands.run("itmDrawTool");
    EXPECT_EQ(map.clickMode, MapViewController::kDrawTool);
}

// A header of two wall textures and one flat beside its bitmaps.
std::string writeTextureHeader(const qztest::TempDir& dir)
{
    const bitmapfile::ColourTable colours {};
    for (const char* name : {"a.bmp", "b.bmp"})
        qztest::writeBytes(dir.file(name), bitmapfile::encodeBitmap(bitmapfile::IndexedImage(128, 128, 7), colours));
    qztest::writeBytes(dir.file("f.bmp"), bitmapfile::encodeBitmap(bitmapfile::IndexedImage(64, 64, 3), colours));
    qztest::writeText(dir.file("t.hdr"), "[Quarzite3D]\nnumWalls=2\nnumFloors=1\n[Walls]\n1=a.bmp\n2=b.bmp\n[Floors]\n1=f.bmp\n");
    return dir.file("t.hdr");
}

TEST_F(HandEdits, TheTextureBrowserSetsExactlyTheChosenFieldOfTheSelection)
{
    TextureBrowser browser(document, [this] { return edits.currentSelection(); });
    int chosen = 0;
    browser.onChosen = [&chosen] { ++chosen; };
    browser.useHeader(writeTextureHeader(dir));
    EXPECT_EQ(browser.shownEntries().size(), 2u) << "wall textures for the wall texture";
    browser.setField(TextureField::BackFloor);
    EXPECT_EQ(browser.shownEntries().size(), 1u) << "flats for a floor";

    EXPECT_FALSE(browser.choose(1));
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text,
              "Select a wall in the map, or an area in the project window, to give it this texture.");
    EXPECT_EQ(chosen, 0);

    const clsMap before = map;
    pick(6);
    EXPECT_TRUE(browser.choose(9));
    EXPECT_EQ(document.undoName(), "Set Back floor");
    EXPECT_EQ(chosen, 1);
    for (int32_t w = 0; w < map.numWalls; ++w) {
        Wall expected = before.wallRecord(w);
        if (w == 6) expected.txrBFloor = 9;
        EXPECT_TRUE(mapfile::identical(map.wallRecord(w), expected)) << "wall " << w;
    }

    selection.selArea(0);
    browser.setField(TextureField::Wall);
    browser.choose(2);
    EXPECT_EQ(document.undoName(), "Set Wall texture");
    for (int32_t w = 0; w < map.numWalls; ++w) EXPECT_EQ(map.wallRecord(w).txrWall, w < 4 ? 2 : 1) << "wall " << w;
    document.undo();
    document.undo();
    for (int32_t w = 0; w < map.numWalls; ++w) EXPECT_TRUE(mapfile::identical(map.wallRecord(w), before.wallRecord(w)));
}

}  // namespace
