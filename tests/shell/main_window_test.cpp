#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <filesystem>
#include <memory>
#include <set>
#include <utility>

#include "editor/model/clsMap.h"
#include "editor/shell/frm_map.h"
#include "editor/shell/logic/startup_log.h"
#include "editor/shell/mdi_form1.h"
#include "editor/shell/picture_box.h"
#include "tests/shell/fake_file_dialogs.h"
#include "tests/shell/project_tree_walls.h"
#include "platform/files.h"
#include "tests/support/test_support.h"

using namespace qzedit;

namespace {

// The real main window, started in a fresh current directory of its own.
struct MainWindowFixture : ::testing::Test {
    MainWindowFixture() : here(dir.path())
    {
        log.open();
        form = std::make_unique<MDIForm1>(log, &dialogs);
    }

    QAction* action(const char* name) const { return form->findChild<QAction*>(name); }
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
    // A map of one square room, written with the map object.
    std::string writeRoomMap(const std::string& name)
    {
        clsMap room;
        room.startArea(0, 0);
        room.addWall(0, 0, 100, 0, 0, 1);
        room.addWall(100, 0, 100, 100, 0, 2);
        room.addWall(100, 100, 0, 100, 0, 3);
        room.addWall(0, 100, 0, 0, 0, -1);
        room.endArea();
        std::string path = dir.file(name);
        EXPECT_TRUE(room.WriteNewMPB(path, false));
        return path;
    }
    // A map of one square room at (1000, 1000)-(1300, 1300).
    std::string writeOtherRoomMap(const std::string& name)
    {
        clsMap room;
        room.startArea(0, 0);
        room.addWall(1000, 1000, 1300, 1000, 0, 1);
        room.addWall(1300, 1000, 1300, 1300, 0, 2);
        room.addWall(1300, 1300, 1000, 1300, 0, 3);
        room.addWall(1000, 1300, 1000, 1000, 0, -1);
        room.endArea();
        std::string path = dir.file(name);
        EXPECT_TRUE(room.WriteNewMPB(path, false));
        return path;
    }
    // Shows the main window and makes it the active one, as a person's desktop does; keys then go
    // to the focused control.
    void showActive()
    {
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    // A click on row `row` of the property grid (0 is the first data row).
    void clickGridRow(int row)
    {
        auto* grid = control<QTableWidget>("grd_Props");
        ASSERT_NE(grid->item(row, 0), nullptr) << "row " << row;
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier,
                          grid->visualItemRect(grid->item(row, 0)).center());
    }
    // A click on the project tree's node with this text under the root numbered root.
    void clickNode(int root, const QString& text)
    {
        auto* tree = control<QTreeWidget>("TreeView1");
        QTreeWidgetItem* parent = tree->topLevelItem(root);
        for (int i = 0; i < parent->childCount(); ++i)
            if (parent->child(i)->text(0) == text) emit tree->itemClicked(parent->child(i), 0);
    }
    std::vector<int32_t> wallEnds(int32_t n) const
    {
        const Wall& w = form->map().wallRecord(n);
        return {w.x1, w.y1, w.x2, w.y2};
    }
    QStringList nodeTexts(int root) const
    {
        QStringList texts;
        QTreeWidgetItem* item = control<QTreeWidget>("TreeView1")->topLevelItem(root);
        for (int i = 0; i < item->childCount(); ++i) texts << item->child(i)->text(0);
        return texts;
    }

    qztest::TempDir dir;
    qztest::ScopedCurrentDir here;
    qztest::MessageRecorder messages;
    FakeFileDialogs dialogs;
    StartupLog log;
    std::unique_ptr<MDIForm1> form;
};

TEST_F(MainWindowFixture, StartUpLogWindowsAndFirstRunWithoutSettings)
{
    EXPECT_EQ(qztest::readText(dir.file("MapEdit.log")),
              "Loading INI\nSetting recent files\nSetting HLP\nLoading Map\nLoading Project\nLoading Props\n"
              "Load Render\nLoad Select\nFinished forms\nAdjusting windows\nCreating a class\nListing lines\n"
              "Done.\n");
    EXPECT_EQ(form->windowTitle(), "untitled.map - Quarzite3D Map Editor");
    for (int n = 1; n <= 4; ++n)
        EXPECT_EQ(action(("itmRecentFile" + std::to_string(n)).c_str())->text().toStdString(),
                  "&" + std::to_string(n) + " ");
    trigger("itmRecentFile1");
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_FALSE(qz::fileExists(dir.file("mapedit.ini")));

    EXPECT_TRUE(control<QWidget>("frmMap")->isVisibleTo(form.get()));
    EXPECT_TRUE(control<QWidget>("frmProject")->isVisibleTo(form.get()));
    EXPECT_TRUE(control<QWidget>("frmProperties")->isVisibleTo(form.get()));
    EXPECT_FALSE(control<QWidget>("frmSelect")->isVisibleTo(form.get()));
    EXPECT_EQ(nodeTexts(2), QStringList({"Initial position"}));
    EXPECT_EQ(nodeTexts(3).size(), 6);
    EXPECT_EQ(control<QLabel>("lblSelType")->text(), "Type: ");

    // Every command of the menus is available now; hidden ones are not shown.
    EXPECT_TRUE(action("itmSetViewer")->isEnabled());
    EXPECT_TRUE(action("itmRoomWizard")->isEnabled());
    EXPECT_TRUE(action("render")->isEnabled());
    EXPECT_TRUE(action("itmExportMap")->isEnabled());
    EXPECT_TRUE(action("itmImportWAD")->isVisible());
    EXPECT_EQ(action("itmRedraw")->shortcut(), QKeySequence("Ctrl+R"));
    EXPECT_EQ(action("itmPropWin")->shortcut(), QKeySequence("F4"));
    EXPECT_EQ(action("wizard")->toolTip(), "Show drag & drop window");
}

TEST_F(MainWindowFixture, OpenTwiceListsTheMapTwiceAndDamagedFilesChangeNothing)
{
    std::string path = writeRoomMap("room.map");
    dialogs.answers = {path, path};
    trigger("itmOpenMap");
    ASSERT_EQ(dialogs.requests.size(), 1u);
    EXPECT_EQ(dialogs.requests[0].kind, "open");
    EXPECT_EQ(dialogs.requests[0].request.filter, "Quarzite3D Map file (*.map)|*.map|All files (*.*)|*.*");
    EXPECT_EQ(dialogs.requests[0].request.flags, 4);
    EXPECT_EQ(form->map().numWalls, 4);
    EXPECT_EQ(nodeTexts(0), QStringList({"Area0"}));
    EXPECT_EQ(wallNodeTexts(*control<QTreeWidget>("TreeView1")), QStringList({"Wall0", "Wall1", "Wall2", "Wall3"}))
        << "under their area";
    EXPECT_EQ(control<QTreeWidget>("TreeView1")->topLevelItem(0)->child(0)->childCount(), 4);
    trigger("open");
    EXPECT_EQ(action("itmRecentFile1")->text().toStdString(), "&1 " + path);
    EXPECT_EQ(action("itmRecentFile2")->text().toStdString(), "&2 " + path);
    EXPECT_EQ(action("itmRecentFile3")->text().toStdString(), "&3 ");
    std::string ini = qztest::readText(dir.file("mapedit.ini"));
    EXPECT_NE(ini.find("file2=" + path), std::string::npos);

    std::string damaged = dir.file("damaged.map");
    qztest::writeText(damaged, "QZ3D this is not a map");
    dialogs.answers = {damaged};
    trigger("itmOpenMap");
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].title, "Read Error");
    EXPECT_EQ(form->map().numWalls, 4);
    EXPECT_EQ(form->commands().currentMapPath(), path);
    EXPECT_EQ(action("itmRecentFile1")->text().toStdString(), "&1 " + path);
    EXPECT_EQ(wallNodeTexts(*control<QTreeWidget>("TreeView1")).size(), 4);

    trigger("itmOpenMap");  // cancelled
    EXPECT_EQ(form->commands().currentMapPath(), path);
}

TEST_F(MainWindowFixture, SaveWithoutPathAsksAndNewMapForgetsThePath)
{
    std::string path = dir.file("saved.map");
    dialogs.answers = {path};
    trigger("save");
    ASSERT_EQ(dialogs.requests.size(), 1u);
    EXPECT_EQ(dialogs.requests[0].kind, "save");
    EXPECT_EQ(dialogs.requests[0].request.fileName, "untitled.map");
    EXPECT_EQ(dialogs.requests[0].request.filter, "Map (*.map)|*.map");
    EXPECT_EQ(qztest::readBytes(path).size(), 806u);
    EXPECT_EQ(action("itmRecentFile1")->text().toStdString(), "&1 " + path);

    form->map().addWall(0, 0, 10, 0, 0, -1);
    trigger("itmSaveMap");
    EXPECT_EQ(dialogs.requests.size(), 1u) << "saved silently to the chosen path";
    EXPECT_EQ(qztest::readBytes(path).size(), 806u + 148u);
    EXPECT_EQ(action("itmRecentFile2")->text().toStdString(), "&2 ");

    trigger("itmNewMap");
    EXPECT_EQ(form->map().numWalls, 0);
    trigger("itmSaveMap");
    EXPECT_EQ(dialogs.requests.size(), 2u) << "a new map asks for a name";
    EXPECT_EQ(qztest::readBytes(path).size(), 806u + 148u) << "the earlier file is not overwritten";
}

TEST_F(MainWindowFixture, ClearAndPaintAreNotYetAvailableCutAndDeleteAreaAskForASelection)
{
    trigger("itmClear");
    trigger("paint");
    ASSERT_EQ(messages.messages.size(), 2u);
    for (const auto& m : messages.messages) {
        EXPECT_EQ(m.text, "This feature is not yet available. Check back in next version.");
        EXPECT_EQ(m.title, "Not Yet Available");
        EXPECT_EQ(m.style, 16);
    }
    trigger("itmCut");
    trigger("cut");
    ASSERT_EQ(messages.messages.size(), 4u);
    for (size_t k : {2u, 3u}) {
        EXPECT_EQ(messages.messages[k].text,
                  "Select walls in the map (Shift adds more), or an area in the project window, first.");
        EXPECT_EQ(messages.messages[k].title, "Nothing Selected");
    }
    trigger("itmDelArea");
    ASSERT_EQ(messages.messages.size(), 5u);
    EXPECT_EQ(messages.messages[4].text, "No area is selected.");
    EXPECT_EQ(messages.messages[4].title, "No selected area");
}

TEST_F(MainWindowFixture, F4OpensTheSideEditorBesideTheMainWindow)
{
    showActive();
    auto* sideEditor = control<QWidget>("frmProps");
    ASSERT_NE(sideEditor, nullptr);
    ASSERT_FALSE(sideEditor->isVisible());
    QTest::keyClick(form.get(), Qt::Key_F4);
    EXPECT_TRUE(sideEditor->isVisible());
    EXPECT_EQ(sideEditor->windowTitle().toStdString(), "Properties");
    EXPECT_NE(sideEditor->findChild<QWidget*>("txtX1"), nullptr) << "the segment's text boxes";
    EXPECT_EQ(sideEditor->frameGeometry().left(), form->frameGeometry().right() + 1)
        << "at the main window's right edge";
}

TEST_F(MainWindowFixture, ZoomInAndOut)
{
    clsMap& map = form->map();
    std::vector<int> in;
    for (int i = 0; i < 4; ++i) {
        trigger("itmZoomIn");
        in.push_back(map.magX);
        EXPECT_EQ(map.magY, map.magX);
    }
    EXPECT_EQ(in, std::vector<int>({5, 2, 1, 1}));
    map.magX = map.magY = 10;
    trigger("itmZoomOut");
    EXPECT_EQ(map.magX, 20);
    trigger("itmZoomOut");
    EXPECT_EQ(map.magX, 40);
    EXPECT_EQ(map.magY, 40);
}

TEST_F(MainWindowFixture, WindowArrangementAndToolModes)
{
    ASSERT_EQ(form->frameGeometry().size(), QSize(1280, 800));
    auto frame = [&](const char* name) { return control<QWidget>(name)->parentWidget()->geometry(); };
    EXPECT_EQ(frame("frmProject"), QRect(1140, 0, 133, 186));
    EXPECT_EQ(frame("frmProperties"), QRect(1140, 193, 133, 273));
    EXPECT_EQ(frame("frmMap"), QRect(0, 0, 1133, 707));

    trigger("scale");
    EXPECT_EQ(form->map().clickMode, 1);
    EXPECT_TRUE(action("scale")->isChecked());
    EXPECT_FALSE(action("select")->isChecked());
    trigger("shear");
    EXPECT_EQ(form->map().clickMode, 4);
    trigger("move");
    EXPECT_EQ(form->map().clickMode, 2);
}

TEST_F(MainWindowFixture, ClicksInTheMapSelectAndMoveTheInsertionPoint)
{
    dialogs.answers = {writeRoomMap("room.map")};
    trigger("itmOpenMap");
    auto* picture = control<PictureBox>("Picture1");
    ASSERT_NE(picture, nullptr);
    QTest::mouseClick(picture, Qt::RightButton, Qt::NoModifier, QPoint(30, 40));
    EXPECT_EQ(form->map().insertX, 300);
    EXPECT_EQ(control<QLabel>("Panel1")->text(), "Ins Pt XY = (300,400)");

    QTest::mouseClick(picture, Qt::LeftButton, Qt::NoModifier, QPoint(10, 5));  // the wall (100,0)-(100,100)
    EXPECT_EQ(form->map().selWallNum, 1);
    auto* list = control<QListWidget>("lstWall");
    ASSERT_EQ(list->count(), 1);
    EXPECT_EQ(list->item(0)->text(), "Wall #1");
    EXPECT_EQ(control<QLabel>("lblSelType")->text(), "Type: Wall");
    EXPECT_EQ(control<QTableWidget>("grd_Props")->item(0, 1)->text(), "100");
    EXPECT_TRUE(control<QTimer>("tmrFlash")->isActive());
    EXPECT_EQ(control<QTreeWidget>("TreeView1")->currentItem()->text(0), "Wall1");

    trigger("itmNewMap");
    EXPECT_EQ(form->map().selWallNum, -1);
    QTimer* flash = control<QTimer>("tmrFlash");
    EXPECT_TRUE(QTest::qWaitFor([&] { return !flash->isActive(); }, 5000))
        << "the timer stops at its next tick once nothing is selected";
}

TEST_F(MainWindowFixture, GridOverflowIsReportedAndTheEditorGoesOn)
{
    dialogs.answers = {writeRoomMap("room.map")};
    trigger("itmOpenMap");
    form->selectWall(0);
    auto* grid = control<QTableWidget>("grd_Props");
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier,
                      grid->visualItemRect(grid->item(0, 0)).center());
    auto* value = control<QComboBox>("txt_Value");
    EXPECT_EQ(value->currentText(), "0");
    value->setEditText("1e20");
    control<QPushButton>("cmd_PropOK")->click();
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "Run-time error '6':\n\nOverflow");
    EXPECT_EQ(form->map().wallRecord(0).x1, 0);

    value->setEditText("12.5");
    control<QPushButton>("cmd_PropOK")->click();
    EXPECT_EQ(form->map().wallRecord(0).x1, 12);
    EXPECT_EQ(grid->item(0, 1)->text(), "12") << "the grid shows what was stored";
}

// The insertion crosses on the map view's picture: pixels the cross turns yellow (blue drawn in
// exclusive-or on white), grouped into touching clusters; each cluster's centre.
std::vector<std::pair<int, int>> crossesOn(const QImage& image)
{
    const QRgb cross = qRgb(255, 255, 0);
    std::vector<std::pair<int, int>> centres;
    std::vector<bool> seen(static_cast<size_t>(image.width() * image.height()));
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (seen[static_cast<size_t>(y * image.width() + x)] || image.pixel(x, y) != cross) continue;
            int left = x, right = x, top = y, bottom = y;
            std::vector<std::pair<int, int>> open {{x, y}};
            seen[static_cast<size_t>(y * image.width() + x)] = true;
            while (!open.empty()) {
                auto [px, py] = open.back();
                open.pop_back();
                left = std::min(left, px);
                right = std::max(right, px);
                top = std::min(top, py);
                bottom = std::max(bottom, py);
                for (int ny = py - 1; ny <= py + 1; ++ny)
                    for (int nx = px - 1; nx <= px + 1; ++nx) {
                        if (nx < 0 || ny < 0 || nx >= image.width() || ny >= image.height()) continue;
                        size_t at = static_cast<size_t>(ny * image.width() + nx);
                        if (seen[at] || image.pixel(nx, ny) != cross) continue;
                        seen[at] = true;
                        open.push_back({nx, ny});
                    }
            }
            centres.push_back({(left + right + 1) / 2, (top + bottom + 1) / 2});
        }
    }
    return centres;
}

TEST_F(MainWindowFixture, TheGridShowsTheRecordAsStoredAfterOkAndAfterARefusal)
{
    dialogs.answers = {writeRoomMap("room.map")};
    trigger("itmOpenMap");
    form->selectWall(1);
    clickGridRow(1);  // "y1"
    auto* grid = control<QTableWidget>("grd_Props");
    auto* value = control<QComboBox>("txt_Value");
    auto* ok = control<QPushButton>("cmd_PropOK");
    ASSERT_EQ(value->currentText().toStdString(), "0");

    value->setEditText("-3.5 units");
    ok->click();
    EXPECT_EQ(form->map().wallRecord(1).y1, -4);
    EXPECT_EQ(grid->item(1, 1)->text().toStdString(), "-4");
    EXPECT_EQ(value->currentText().toStdString(), "-4");

    value->setEditText("abc");
    ok->click();
    EXPECT_EQ(form->map().wallRecord(1).y1, 0);
    EXPECT_EQ(grid->item(1, 1)->text().toStdString(), "0") << "text without a number is stored as 0";
    EXPECT_EQ(value->currentText().toStdString(), "0");

    value->setEditText("40000000000");
    ok->click();
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "Run-time error '6':\n\nOverflow");
    EXPECT_EQ(form->map().wallRecord(1).y1, 0);
    EXPECT_EQ(grid->item(1, 1)->text().toStdString(), "0") << "nothing was stored";
    EXPECT_EQ(value->currentText().toStdString(), "0");
    EXPECT_EQ(grid->currentRow(), 1) << "the row being edited stays current";
}

TEST_F(MainWindowFixture, ExactlyOneInsertionCrossAfterStartUpRightClicksAndRedraws)
{
    showActive();
    auto* picture = control<PictureBox>("Picture1");
    using Centres = std::vector<std::pair<int, int>>;
    EXPECT_EQ(crossesOn(picture->surface().image()), Centres({{10, 10}})) << "the start-up drawing shows the cross";
    QTest::mouseClick(picture, Qt::RightButton, Qt::NoModifier, QPoint(50, 60));
    EXPECT_EQ(crossesOn(picture->surface().image()), Centres({{50, 60}}));
    trigger("itmRedraw");
    EXPECT_EQ(crossesOn(picture->surface().image()), Centres({{50, 60}}));
    QTest::mouseClick(picture, Qt::RightButton, Qt::NoModifier, QPoint(120, 80));
    EXPECT_EQ(crossesOn(picture->surface().image()), Centres({{120, 80}}));
    dialogs.answers = {writeRoomMap("room.map")};
    trigger("itmOpenMap");
    QTest::mouseClick(picture, Qt::RightButton, Qt::NoModifier, QPoint(200, 150));
    EXPECT_EQ(crossesOn(picture->surface().image()), Centres({{200, 150}}));
}

TEST_F(MainWindowFixture, TypedTextureTypeIsStoredAsTypedAndAChoiceByItsNumber)
{
    showActive();
    dialogs.answers = {writeRoomMap("room.map")};
    trigger("itmOpenMap");
    form->selectWall(0);
    clickGridRow(5);  // "Tx Type"
    auto* value = control<QComboBox>("txt_Value");
    ASSERT_EQ(value->count(), 6);
    value->lineEdit()->selectAll();
    QTest::keyClicks(value->lineEdit(), "1");
    QTest::keyClick(value->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(form->map().wallRecord(0).wallFlags, 1) << "transparent, as typed";

    value->setCurrentIndex(4);  // "08 - Multi-Texture" chosen from the list
    control<QPushButton>("cmd_PropOK")->click();
    EXPECT_EQ(form->map().wallRecord(0).wallFlags, 8);
}

TEST_F(MainWindowFixture, EnterPressesOkAndEscPressesXInTheValueBoxAndInTheGrid)
{
    showActive();
    dialogs.answers = {writeRoomMap("room.map")};
    trigger("itmOpenMap");
    form->selectWall(1);
    clickGridRow(0);  // "x1"
    auto* value = control<QComboBox>("txt_Value");
    auto* grid = control<QTableWidget>("grd_Props");

    value->setEditText("7");
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_Return);
    EXPECT_EQ(form->map().wallRecord(1).x1, 7) << "Enter on the grid";
    value->setEditText("8");
    QTest::keyClick(grid, Qt::Key_Escape);
    EXPECT_EQ(value->currentText().toStdString(), "7") << "Esc on the grid drops the edit";
    EXPECT_EQ(form->map().wallRecord(1).x1, 7);

    value->setFocus();
    value->setEditText("9");
    QTest::keyClick(value->lineEdit(), Qt::Key_Enter);
    EXPECT_EQ(form->map().wallRecord(1).x1, 9) << "Enter in the value box";
    value->setEditText("10");
    QTest::keyClick(value->lineEdit(), Qt::Key_Escape);
    EXPECT_EQ(value->currentText().toStdString(), "9") << "Esc in the value box drops the edit";
    EXPECT_EQ(form->map().wallRecord(1).x1, 9);
}

TEST_F(MainWindowFixture, OpeningOrClearingAMapDropsTheSelectionTheListAndTheGrid)
{
    std::string first = writeRoomMap("room.map");
    std::string second = writeOtherRoomMap("other.map");
    auto selectInFirst = [&] {
        dialogs.answers = {first};
        trigger("itmOpenMap");
        form->selectWall(1);
        clickNode(0, "Area0");
        ASSERT_EQ(form->map().selWallNum, 1);
        ASSERT_EQ(form->map().selAreaNum, 0);
        ASSERT_EQ(control<QListWidget>("lstWall")->count(), 1);
    };
    auto expectNothingSelected = [&](const char* after) {
        SCOPED_TRACE(after);
        EXPECT_EQ(form->map().selWallNum, -1);
        EXPECT_EQ(form->map().selAreaNum, -1);
        EXPECT_EQ(control<QListWidget>("lstWall")->count(), 0);
        EXPECT_EQ(control<QLabel>("lblSelType")->text().toStdString(), "Type: ");
        EXPECT_EQ(control<QTableWidget>("grd_Props")->rowCount(), 0);
        std::vector<int32_t> before = wallEnds(1);
        control<QPushButton>("cmd_PropOK")->click();
        EXPECT_EQ(wallEnds(1), before) << "OK writes nothing over the new map";
        EXPECT_TRUE(messages.messages.empty());
    };

    selectInFirst();
    dialogs.answers = {second};
    trigger("itmOpenMap");
    ASSERT_EQ(wallEnds(1), std::vector<int32_t>({1300, 1000, 1300, 1300}));
    expectNothingSelected("Open Map");

    selectInFirst();
    trigger("itmRecentFile2");  // other.map
    ASSERT_EQ(wallEnds(1), std::vector<int32_t>({1300, 1000, 1300, 1300}));
    expectNothingSelected("a recent file");

    selectInFirst();
    trigger("itmNewMap");
    expectNothingSelected("New Map");
}

TEST_F(MainWindowFixture, AMapNamedWithoutItsFolderIsRememberedByItsFullPath)
{
    std::string path = writeRoomMap("room.map");
    const std::string full = (std::filesystem::current_path() / "room.map").string();
    form->commands().openMapFile("room.map");
    ASSERT_EQ(form->map().numWalls, 4);
    EXPECT_EQ(form->commands().currentMapPath(), full);
    EXPECT_EQ(action("itmRecentFile1")->text().toStdString(), "&1 " + full);
    EXPECT_NE(qztest::readText(dir.file("mapedit.ini")).find("file1=" + full + "\n"), std::string::npos);

    // From another folder the entry still opens that map.
    qztest::TempDir elsewhere;
    qztest::ScopedCurrentDir there(elsewhere.path());
    trigger("itmNewMap");
    trigger("itmRecentFile1");
    EXPECT_EQ(form->map().numWalls, 4);
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(MainWindowFixture, OpeningAMapLoadsItsViewpointsAndSaveWritesThemBack)
{
    const std::vector<uint8_t> demo = qztest::readBytes(QZ_BUILT_DEMO_MAP);
    const std::string copy = dir.file("demo-copy.map");
    qztest::writeBytes(copy, demo);
    dialogs.answers = {copy};
    trigger("itmOpenMap");
    clsMap& map = form->map();
    ASSERT_EQ(map.numViewpoints, 4);
    auto* tree = control<QTreeWidget>("TreeView1");
    ASSERT_NE(tree, nullptr);
    QList<QTreeWidgetItem*> roots = tree->findItems("Viewpoints", Qt::MatchExactly);
    ASSERT_EQ(roots.size(), 1);
    EXPECT_EQ(roots[0]->childCount(), 4) << "the project window lists the file's viewpoints";

    trigger("itmSaveMap");
    EXPECT_EQ(qztest::readBytes(copy), demo) << "Save writes the map, viewpoints included, as it was read";
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(MainWindowFixture, EveryWallOfTheDemoMapCanBeScrolledIntoView)
{
    showActive();
    dialogs.answers = {std::string(QZ_BUILT_DEMO_MAP)};
    trigger("itmOpenMap");
    clsMap& map = form->map();
    ASSERT_GT(map.numWalls, 100);
    auto* picture = control<PictureBox>("Picture1");
    auto* hScroll = control<QScrollBar>("HScroll1");
    auto* vScroll = control<QScrollBar>("VScroll1");
    // The scroll positions at which each column and row of map units is on the picture.
    auto shownAt = [&](QScrollBar* bar, int extent, auto position) {
        std::vector<std::pair<int, int>> spans;  // (first, last) map unit shown at each position
        for (int value = bar->minimum(); value <= bar->maximum(); value += 10) {
            bar->setValue(value);
            spans.push_back({position(0.0f), position(static_cast<float>(extent))});
        }
        return spans;
    };
    auto columns = shownAt(hScroll, picture->width() - 1, [&](float sx) {
        return static_cast<int>(map.scaleClickX(sx));
    });
    auto rows = shownAt(vScroll, picture->height() - 1, [&](float sy) {
        return static_cast<int>((sy - map.offsetY) * map.magY);
    });
    auto within = [](const std::vector<std::pair<int, int>>& spans, int a, int b) {
        for (auto [first, last] : spans)
            if (std::min(a, b) >= first && std::max(a, b) <= last) return true;
        return false;
    };
    int hidden = 0;
    for (int32_t i = 0; i < map.numWalls; ++i) {
        const Wall& w = map.wallRecord(i);
        if (!within(columns, w.x1, w.x2) || !within(rows, w.y1, w.y2)) ++hidden;
    }
    EXPECT_EQ(hidden, 0) << "of " << map.numWalls << " walls";
}

TEST_F(MainWindowFixture, MoveDragsCarryTheAreaExactlyAsFarAsTheMouseWent)
{
    showActive();
    dialogs.answers = {writeRoomMap("room.map")};
    trigger("itmOpenMap");
    auto* picture = control<PictureBox>("Picture1");
    QTest::mouseClick(picture, Qt::RightButton, Qt::NoModifier, QPoint(300, 200));  // the insertion point
    clickNode(0, "Area0");
    ASSERT_EQ(form->map().selAreaNum, 0);
    trigger("move");
    ASSERT_EQ(form->map().clickMode, 2);

    // At magnification 10 a pixel is ten map units.
    QTest::mousePress(picture, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QTest::mouseMove(picture, QPoint(15, 8));
    QTest::mouseMove(picture, QPoint(25, 10));
    QTest::mouseRelease(picture, Qt::LeftButton, Qt::NoModifier, QPoint(25, 10));
    EXPECT_EQ(wallEnds(0), std::vector<int32_t>({200, 50, 300, 50}));
    EXPECT_EQ(wallEnds(2), std::vector<int32_t>({300, 150, 200, 150}));

    // At magnification 1, 100 x 50 pixels of drag are 100 x 50 units.
    for (int i = 0; i < 4; ++i) trigger("itmZoomIn");
    ASSERT_EQ(form->map().magX, 1);
    QTest::mousePress(picture, Qt::LeftButton, Qt::NoModifier, QPoint(250, 100));
    QTest::mouseMove(picture, QPoint(300, 120));
    QTest::mouseMove(picture, QPoint(350, 150));
    QTest::mouseRelease(picture, Qt::LeftButton, Qt::NoModifier, QPoint(350, 150));
    EXPECT_EQ(wallEnds(0), std::vector<int32_t>({300, 100, 400, 100}));
    EXPECT_EQ(wallEnds(2), std::vector<int32_t>({400, 200, 300, 200}));
}

TEST_F(MainWindowFixture, OpenGridEditsAndDragsAreNamedChangesThatUndoToTheSameFile)
{
    showActive();
    const std::string room = writeRoomMap("room.map");
    const std::vector<uint8_t> opened = qztest::readBytes(room);
    dialogs.answers = {room};
    trigger("itmOpenMap");
    MapDocument& document = form->document();
    EXPECT_EQ(document.undoName(), "Open Map");
    EXPECT_FALSE(document.modified());

    form->selectWall(1);
    clickGridRow(1);
    control<QComboBox>("txt_Value")->setEditText("33");
    control<QPushButton>("cmd_PropOK")->click();
    EXPECT_EQ(document.undoName(), "Edit Wall");
    EXPECT_TRUE(document.modified());

    clickNode(0, "Area0");
    trigger("move");
    auto* picture = control<PictureBox>("Picture1");
    QTest::mousePress(picture, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QTest::mouseMove(picture, QPoint(9, 5));
    QTest::mouseRelease(picture, Qt::LeftButton, Qt::NoModifier, QPoint(9, 5));
    EXPECT_EQ(document.undoName(), "Move Area");

    document.undo();
    document.undo();
    EXPECT_FALSE(document.modified());
    const std::string saved = dir.file("saved.map");
    ASSERT_TRUE(form->map().WriteNewMPB(saved, false));
    EXPECT_EQ(qztest::readBytes(saved), opened);

    document.undo();
    EXPECT_EQ(form->map().numWalls, 0) << "undoing the open brings back the empty map";
    EXPECT_EQ(form->commands().currentMapPath(), "");
}

}  // namespace
