// Editing by hand in the real editor on Qt's offscreen platform: rooms drawn with the mouse in the
// map view, Delete from the keyboard, Copy in one editor and Paste in another through the desktop's
// clipboard, the texture browser and the property grid's swatches, and rooms in the project window.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTreeWidget>
#include <memory>

#include "editor/check/area_chains.h"
#include "editor/check/map_check.h"
#include "editor/edit/map_piece.h"
#include "editor/edit/texture_catalogue.h"
#include "editor/model/clsMap.h"
#include "editor/shell/frm_textures.h"
#include "editor/shell/hand_edit_windows.h"
#include "editor/shell/logic/startup_log.h"
#include "editor/shell/logic/texture_browser.h"
#include "editor/shell/mdi_form1.h"
#include "editor/shell/picture_box.h"
#include "editor/shell/texture_images.h"
#include "format/record_identity.h"
#include "tests/edit/hand_edit_maps.h"
#include "tests/shell/fake_file_dialogs.h"
#include "tests/shell/project_tree_walls.h"
#include "tests/support/test_support.h"

using namespace qzedit;
using handtest::Ends;

namespace {

struct ScopedDataHome {
    explicit ScopedDataHome(const std::string& path) { qputenv("XDG_DATA_HOME", QByteArray::fromStdString(path)); }
    ~ScopedDataHome() { qunsetenv("XDG_DATA_HOME"); }
};

// One running editor: its window, its file dialogs answered by the test.
struct Editor {
    Editor()
    {
        log.open();
        form = std::make_unique<MDIForm1>(log, &dialogs);
        form->show();
        activate();
    }
    QAction* action(const char* name) const { return form->findChild<QAction*>(name); }
    // Shortcuts reach the active window only.
    void activate()
    {
        form->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    // A double-click as the window system delivers one: press, release, press and release again,
    // the second press coming as the double-click.
    void doubleClick(int x, int y)
    {
        QTest::mouseDClick(form->windowHandle(), Qt::LeftButton, Qt::NoModifier, picture().mapTo(form.get(), QPoint(x, y)));
    }
    template <typename T>
    T* control(const char* name) const
    {
        return form->findChild<T*>(name);
    }
    void trigger(const char* name)
    {
        QAction* a = action(name);
        ASSERT_NE(a, nullptr) << name;
        a->trigger();
    }
    void open(const std::string& path)
    {
        dialogs.answers = {path};
        trigger("itmOpenMap");
    }
    PictureBox& picture() const { return *control<PictureBox>("Picture1"); }
    void click(int x, int y, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(&picture(), button, Qt::NoModifier, QPoint(x, y));
    }
    void clickNode(const QString& text)
    {
        auto* tree = control<QTreeWidget>("TreeView1");
        const QList<QTreeWidgetItem*> found = tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
        ASSERT_EQ(found.size(), 1) << text.toStdString();
        emit tree->itemClicked(found[0], 0);
    }
    std::vector<uint8_t> fileBytes(const std::string& path)
    {
        EXPECT_TRUE(form->map().WriteNewMPB(path, false));
        return qztest::readBytes(path);
    }
    clsMap& map() { return form->map(); }

    FakeFileDialogs dialogs;
    StartupLog log;
    std::unique_ptr<MDIForm1> form;
};

struct HandEditWindow : ::testing::Test {
    HandEditWindow() : here(dir.path()), dataHome(dir.file("data")) {}

    std::string writeTwoRooms(const std::string& name)
    {
        clsMap rooms;
        handtest::buildTwoRooms(rooms);
        const std::string path = dir.file(name);
        EXPECT_TRUE(rooms.WriteNewMPB(path, false));
        return path;
    }

    qztest::TempDir dir;
    qztest::ScopedCurrentDir here;
    ScopedDataHome dataHome;
    qztest::MessageRecorder messages;
};

// The inside of a room lies on the front of each of its walls (to the right in map units).
void expectFacingInwards(const clsMap& map, int32_t area)
{
    const Area& a = map.areaRecord(area);
    const double cx = (a.areaBbLeft + a.areaBbRight) / 2.0, cy = (a.areaBbTop + a.areaBbBottom) / 2.0;
    for (int32_t w : check::walkAreaChain(map, area).walls) {
        const Wall& wall = map.wallRecord(w);
        EXPECT_LT((wall.x2 - wall.x1) * (cy - wall.y1) - (wall.y2 - wall.y1) * (cx - wall.x1), 0) << "wall " << w;
    }
}

TEST_F(HandEditWindow, FourClicksAndAClickOnTheFirstCornerDrawAClosedRoomOnTheGrid)
{
    Editor editor;
    const std::vector<uint8_t> empty = editor.fileBytes(dir.file("empty.map"));
    editor.trigger("itmSnapToGrid");
    editor.trigger("itmDrawTool");
    EXPECT_TRUE(editor.action("draw")->isChecked()) << "the toolbar shows the tool picked";
    EXPECT_EQ(editor.map().clickMode, 5);

    editor.click(13, 12);  // (130, 120) on the grid of 128: (128, 128)
    editor.click(13, 38);  // (128, 384)
    QTest::mouseMove(&editor.picture(), QPoint(37, 40));
    EXPECT_EQ(editor.control<QLabel>("Panel3")->text(), QString::fromUtf8("Length 256, angle 0\xC2\xB0"))
        << "the next wall, from the last corner to the grid point under the pointer";
    editor.click(38, 38);  // (384, 384)
    editor.click(38, 13);  // (384, 128)
    EXPECT_EQ(editor.map().numWalls, 0);
    editor.click(12, 14);  // the first corner

    clsMap& map = editor.map();
    ASSERT_EQ(map.numAreas, 1);
    ASSERT_EQ(map.numWalls, 4);
    EXPECT_EQ(check::walkAreaChain(map, 0).walls, (std::vector<int32_t> {0, 1, 2, 3}));
    EXPECT_EQ(check::walkAreaChain(map, 0).end, check::ChainWalk::End::Whole);
    EXPECT_EQ(handtest::wallEnds(map),
              (std::vector<Ends> {{128, 128, 128, 384}, {128, 384, 384, 384}, {384, 384, 384, 128}, {384, 128, 128, 128}}));
    expectFacingInwards(map, 0);
    EXPECT_TRUE(check::checkMap(map).empty()) << "a room the engine takes as it is";
    EXPECT_EQ(map.selAreaNum, 0) << "the new room is selected";
    EXPECT_EQ(editor.control<QLabel>("lblSelType")->text(), "Type: Area");
    EXPECT_EQ(editor.action("itmUndo")->text(), "&Undo Draw Room");
    EXPECT_EQ(wallNodeTexts(*editor.control<QTreeWidget>("TreeView1")), QStringList({"Wall0", "Wall1", "Wall2", "Wall3"}));

    QTest::keyClick(editor.form.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(editor.fileBytes(dir.file("undone.map")), empty);
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(HandEditWindow, EscapeOrTheRightButtonLeaveTheMapUnchanged)
{
    Editor editor;
    editor.open(writeTwoRooms("rooms.map"));
    const std::vector<uint8_t> opened = editor.fileBytes(dir.file("now.map"));
    const int32_t insertX = editor.map().insertX;
    editor.trigger("draw");
    editor.click(40, 40);
    editor.click(60, 40);
    editor.click(60, 60);
    QTest::keyClick(&editor.picture(), Qt::Key_Escape);
    EXPECT_FALSE(editor.form->handEdit().textures().catalogue().headerPath().empty());
    editor.click(40, 40);
    editor.click(60, 40);
    editor.click(70, 70, Qt::RightButton);
    editor.click(50, 50);
    QTest::keyClick(&editor.picture(), Qt::Key_Backspace);
    QTest::keyClick(&editor.picture(), Qt::Key_Escape);
    EXPECT_EQ(editor.fileBytes(dir.file("now.map")), opened);
    EXPECT_EQ(editor.map().insertX, insertX) << "the right button dropped the outline instead";
    EXPECT_EQ(editor.action("itmUndo")->text(), "&Undo Open Map");
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(HandEditWindow, ADoubleClickEndsALineOfFreeWalls)
{
    Editor editor;
    editor.trigger("draw");
    editor.click(10, 10);
    editor.click(30, 10);
    editor.doubleClick(30, 30);
    clsMap& map = editor.map();
    ASSERT_EQ(map.numWalls, 2);
    EXPECT_EQ(map.numAreas, 0);
    EXPECT_EQ(handtest::wallEnds(map), (std::vector<Ends> {{100, 100, 300, 100}, {300, 100, 300, 300}}));
    EXPECT_EQ(handtest::wallLinks(map), (std::vector<std::string> {"-1/-1/-1", "-1/-1/-1"}));
    EXPECT_EQ(wallNodeTexts(*editor.control<QTreeWidget>("TreeView1")), QStringList({"Wall0", "Wall1"}));
    EXPECT_EQ(editor.control<QTreeWidget>("TreeView1")->topLevelItem(1)->text(0), "Free walls");
    EXPECT_EQ(editor.control<QTreeWidget>("TreeView1")->topLevelItem(1)->childCount(), 2);
}

TEST_F(HandEditWindow, TheDeleteKeyTakesAWallFromTheMiddleOfAChainAndKeepsTheFileWhole)
{
    Editor editor;
    const std::string rooms = writeTwoRooms("rooms.map");
    editor.open(rooms);
    clsMap& map = editor.map();
    const std::vector<check::Finding> before = check::checkMap(map);
    editor.click(25, 10);  // wall 5, (200,100)-(300,100)
    ASSERT_EQ(map.selWallNum, 5);
    QTest::keyClick(editor.form.get(), Qt::Key_Delete);
    ASSERT_EQ(map.numWalls, 8);
    EXPECT_EQ(editor.action("itmUndo")->text(), "&Undo Delete");
    EXPECT_EQ(check::walkAreaChain(map, 1).walls, (std::vector<int32_t> {4, 5, 6}));
    const std::vector<check::Finding> after = check::checkMap(map);
    ASSERT_EQ(after.size(), before.size()) << "nothing new for the checker";
    for (size_t k = 0; k < after.size(); ++k) EXPECT_EQ(after[k].text, before[k].text);

    // Saved and opened again, the map is the same.
    const std::string saved = dir.file("saved.map");
    editor.dialogs.answers = {saved};
    editor.trigger("itmSaveAs");
    clsMap back;
    ASSERT_TRUE(back.ReadNewMPB(saved));
    EXPECT_EQ(handtest::wallLinks(back), handtest::wallLinks(map));
    EXPECT_EQ(handtest::wallEnds(back), handtest::wallEnds(map));

    QTest::keyClick(editor.form.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(editor.fileBytes(dir.file("undone.map")), qztest::readBytes(rooms)) << "undo brings back the file's bytes";
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(HandEditWindow, AnAreaChosenInTheProjectWindowIsDeletedWithItsWalls)
{
    Editor editor;
    const std::string rooms = writeTwoRooms("rooms.map");
    editor.open(rooms);
    editor.clickNode("Area0");
    ASSERT_EQ(editor.map().selAreaNum, 0);
    editor.trigger("itmDelete");
    clsMap& map = editor.map();
    EXPECT_EQ(map.numAreas, 1);
    EXPECT_EQ(map.numWalls, 5);
    EXPECT_EQ(handtest::wallLinks(map), (std::vector<std::string> {"0/1/0", "0/2/0", "0/3/0", "0/-1/0", "-1/-1/-1"}));
    EXPECT_EQ(check::checkMap(map).size(), 1u) << "the free wall, as before";
    EXPECT_EQ(editor.control<QLabel>("lblSelType")->text(), "Type: ");
    auto* tree = editor.control<QTreeWidget>("TreeView1");
    EXPECT_EQ(tree->topLevelItem(0)->childCount(), 1);
    EXPECT_EQ(tree->topLevelItem(0)->child(0)->text(0), "Area1");

    editor.clickNode("Area1");
    editor.trigger("itmDelArea");
    EXPECT_EQ(map.numAreas, 0);
    EXPECT_EQ(map.numWalls, 1);
    QTest::keyClick(editor.form.get(), Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(editor.form.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(editor.fileBytes(dir.file("undone.map")), qztest::readBytes(rooms));
}

TEST_F(HandEditWindow, ARoomCopiedInOneEditorIsPastedInAnotherAtItsInsertionPoint)
{
    Editor source, target;
    source.open(writeTwoRooms("rooms.map"));
    source.map().wallRecord(5).txrWall = 7;
    source.clickNode("Area1");
    source.activate();
    QTest::keyClick(source.form.get(), Qt::Key_C, Qt::ControlModifier);
    const std::string copied = QGuiApplication::clipboard()->text().toStdString();
    EXPECT_EQ(copied, pieceText(copyPiece(source.map(), {{}, 1})));
    EXPECT_EQ(copied.rfind("{\n  \"wallBlockType\": 1,", 0), 0u);

    const std::vector<uint8_t> before = target.fileBytes(dir.file("target.map"));
    target.click(50, 40, Qt::RightButton);
    ASSERT_EQ(target.map().insertX, 500);
    target.activate();
    QTest::keyClick(target.form.get(), Qt::Key_V, Qt::ControlModifier);
    clsMap& map = target.map();
    ASSERT_EQ(map.numAreas, 1);
    ASSERT_EQ(map.numWalls, 4);
    EXPECT_EQ(handtest::wallEnds(map),
              (std::vector<Ends> {{500, 400, 500, 500}, {500, 500, 600, 500}, {600, 500, 600, 400}, {600, 400, 500, 400}}));
    EXPECT_EQ(map.wallRecord(1).txrWall, 7) << "the wall keeps its texture";
    EXPECT_EQ(map.areaRecord(0).areaName.str(), "Area1           ");
    EXPECT_EQ(target.action("itmUndo")->text(), "&Undo Paste");
    QTest::keyClick(target.form.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(target.fileBytes(dir.file("target.map")), before);

    source.map().selAreaNum = -1;
    source.clickNode("Area0");
    source.trigger("itmDuplicate");
    EXPECT_EQ(handtest::wallEnds(source.map())[9], (Ends {128, 128, 128, 228}));
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), copied);
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(HandEditWindow, TheTextureBrowserSetsTheFieldChosenAndTheGridShowsItsSwatch)
{
    Editor editor;
    editor.open(writeTwoRooms("rooms.map"));
    editor.trigger("itmTextureWin");
    auto* browser = editor.control<frmTextures>("frmTextures");
    ASSERT_NE(browser, nullptr);
    EXPECT_TRUE(browser->isVisible());
    EXPECT_EQ(editor.control<QLabel>("lblHeader")->text(), "Header: scratch.hdr") << "the shipped world's";
    auto* list = editor.control<QListWidget>("lstTextures");
    ASSERT_EQ(list->count(), 12);
    EXPECT_EQ(list->item(8)->text(), "9 marble");

    editor.click(25, 10);  // wall 5
    EXPECT_EQ(list->currentRow(), 0) << "the wall's own texture, number 1, is marked";
    const clsMap before = editor.map();
    auto* field = editor.control<QComboBox>("cboTextureField");
    field->setCurrentIndex(2);
    emit field->activated(2);
    ASSERT_EQ(list->count(), 6) << "the flats for a ceiling";
    EXPECT_EQ(list->item(2)->text(), "3 ceiltile");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, list->visualItemRect(list->item(2)).center());
    const clsMap& map = editor.map();
    for (int32_t w = 0; w < map.numWalls; ++w) {
        Wall expected = before.wallRecord(w);
        if (w == 5) expected.txrFCeil = 3;
        EXPECT_TRUE(mapfile::identical(map.wallRecord(w), expected)) << "wall " << w;
    }
    EXPECT_EQ(editor.action("itmUndo")->text(), "&Undo Set Front ceiling");
    EXPECT_EQ(list->currentRow(), 2) << "the choice is marked";

    auto* grid = editor.control<QTableWidget>("grd_Props");
    ASSERT_EQ(grid->item(7, 0)->text(), "Front Ceil Tx");
    EXPECT_EQ(grid->item(7, 1)->text(), "3") << "the grid shows the wall as it now is";
    const TextureCatalogue& catalogue = editor.form->handEdit().textures().catalogue();
    auto swatchOf = [](const QIcon& icon) { return icon.pixmap(QSize(16, 16)).toImage().convertToFormat(QImage::Format_RGB32); };
    auto expected = [&catalogue](TextureList kind, int32_t number) {
        return textureImage(catalogue.picture(kind, number), catalogue.colours())
            .scaled(16, 16, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
            .convertToFormat(QImage::Format_RGB32);
    };
    EXPECT_EQ(swatchOf(grid->item(7, 2)->icon()), expected(TextureList::Flats, 3));
    EXPECT_EQ(swatchOf(grid->item(4, 2)->icon()), expected(TextureList::Walls, 1));
    EXPECT_TRUE(grid->item(0, 2)->icon().isNull()) << "x1 is no texture";

    // A number outside the header's list shows the checkerboard, as the engine draws it.
    grid->setCurrentCell(4, 1);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, grid->visualItemRect(grid->item(4, 0)).center());
    editor.control<QComboBox>("txt_Value")->setEditText("40");
    editor.control<QPushButton>("cmd_PropOK")->click();
    ASSERT_EQ(map.wallRecord(5).txrWall, 40);
    EXPECT_EQ(swatchOf(grid->item(4, 2)->icon()),
              textureImage(TextureCatalogue::checkerboard(), catalogue.colours())
                  .scaled(16, 16, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                  .convertToFormat(QImage::Format_RGB32));

    editor.clickNode("Area0");
    field->setCurrentIndex(0);
    emit field->activated(0);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, list->visualItemRect(list->item(8)).center());
    for (int32_t w = 0; w < 4; ++w) EXPECT_EQ(map.wallRecord(w).txrWall, 9) << "every wall of the area";
    EXPECT_EQ(list->currentRow(), 8);
    editor.click(25, 10);  // wall 5 again: texture 40, past the list
    EXPECT_EQ(list->currentRow(), -1);
    EXPECT_TRUE(list->selectedItems().isEmpty());
    EXPECT_EQ(map.wallRecord(4).txrWall, 1);
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(HandEditWindow, AnotherHeaderCanBePickedForTheBrowser)
{
    Editor editor;
    qztest::writeText(dir.file("mine.hdr"), "[Quarzite3D]\nnumWalls=1\n[Walls]\n1=nothing.bmp\n");
    editor.dialogs.answers = {dir.file("mine.hdr")};
    editor.trigger("itmTextureWin");
    editor.control<QPushButton>("cmdPickHeader")->click();
    ASSERT_EQ(editor.dialogs.requests.size(), 1u);
    EXPECT_EQ(editor.dialogs.requests[0].request.filter, "Engine header (*.hdr)|*.hdr|All files (*.*)|*.*");
    EXPECT_EQ(editor.control<QLabel>("lblHeader")->text(),
              "Header: mine.hdr. The palette palette.bmp is missing: the textures are shown in grey.");
    auto* list = editor.control<QListWidget>("lstTextures");
    ASSERT_EQ(list->count(), 1);
    EXPECT_EQ(list->item(0)->text(), "1 nothing (missing)");
    editor.control<QPushButton>("cmdPickHeader")->click();
    EXPECT_EQ(editor.control<QLabel>("lblHeader")->text().left(16), "Header: mine.hdr") << "cancelled: kept";
}

TEST_F(HandEditWindow, TheProjectWindowListsEachRoomWithItsWallsAndKeepsWhatWasOpen)
{
    Editor editor;
    editor.open(writeTwoRooms("rooms.map"));
    auto* tree = editor.control<QTreeWidget>("TreeView1");
    ASSERT_EQ(tree->topLevelItemCount(), 4);
    EXPECT_EQ(tree->topLevelItem(0)->text(0), "Areas");
    EXPECT_EQ(tree->topLevelItem(1)->text(0), "Free walls");
    EXPECT_EQ(tree->topLevelItem(2)->text(0), "Viewpoints");
    EXPECT_EQ(tree->topLevelItem(3)->text(0), "Global");
    QTreeWidgetItem* areas = tree->topLevelItem(0);
    ASSERT_EQ(areas->childCount(), 2);
    QStringList second;
    for (int k = 0; k < areas->child(1)->childCount(); ++k) second << areas->child(1)->child(k)->text(0);
    EXPECT_EQ(areas->child(1)->text(0), "Area1");
    EXPECT_EQ(second, QStringList({"Wall4", "Wall5", "Wall6", "Wall7"}));
    EXPECT_EQ(tree->topLevelItem(1)->child(0)->text(0), "Wall8");

    editor.clickNode("Wall6");
    EXPECT_EQ(editor.map().selWallNum, 6) << "a wall node selects its wall";
    EXPECT_EQ(tree->currentItem()->text(0), "Wall6");
    areas->child(0)->setExpanded(true);
    editor.clickNode("Area1");
    EXPECT_EQ(editor.map().selAreaNum, 1) << "an area node selects the area for Move and Scale";
    editor.map().listLines();
    EXPECT_TRUE(tree->topLevelItem(0)->child(0)->isExpanded()) << "listed again, an open room stays open";
    EXPECT_FALSE(tree->topLevelItem(1)->isExpanded());
}

}  // namespace
