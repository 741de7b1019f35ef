#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <memory>

#include "editor/model/clsMap.h"
#include "editor/shell/frm_map.h"
#include "editor/shell/logic/startup_log.h"
#include "editor/shell/mdi_form1.h"
#include "editor/shell/picture_box.h"
#include "tests/shell/fake_file_dialogs.h"
#include "platform/files.h"
#include "tests/support/test_support.h"

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
    EXPECT_EQ(form->windowTitle(), "Quarzite3D Map Editor");
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

    // Items of windows that come later are there but disabled; hidden ones are not shown.
    EXPECT_FALSE(action("itmRoomWizard")->isEnabled());
    EXPECT_FALSE(action("render")->isEnabled());
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
    EXPECT_EQ(nodeTexts(0), QStringList({"Wall0", "Wall1", "Wall2", "Wall3"}));
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
    EXPECT_EQ(nodeTexts(0).size(), 4);

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

TEST_F(MainWindowFixture, CutMenuAndButtonAreNotYetAvailable)
{
    trigger("itmCut");
    trigger("cut");
    ASSERT_EQ(messages.messages.size(), 2u);
    for (const auto& m : messages.messages) {
        EXPECT_EQ(m.text, "This feature is not yet available. Check back in next version.");
        EXPECT_EQ(m.title, "Not Yet Available");
        EXPECT_EQ(m.style, 16);
    }
    trigger("itmDelArea");
    EXPECT_EQ(messages.messages.size(), 2u);
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
    QTest::qWait(600);
    EXPECT_FALSE(control<QTimer>("tmrFlash")->isActive()) << "the timer stops once nothing is selected";
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
    EXPECT_EQ(grid->item(0, 1)->text(), "12.5");
}

}  // namespace
