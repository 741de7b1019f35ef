// The editor's main window with undo and redo, the save question, the recovery file, the Check Map
// window, the grid and navigation, on Qt's offscreen platform.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <QWheelEvent>
#include <filesystem>
#include <memory>

#include "editor/model/clsMap.h"
#include "editor/shell/frm_map.h"
#include "editor/shell/logic/recovery_folder.h"
#include "editor/shell/logic/startup_log.h"
#include "editor/shell/mdi_form1.h"
#include "editor/shell/picture_box.h"
#include "editor/shell/work_keeper.h"
#include "platform/files.h"
#include "platform/qt/qt_question_box.h"
#include "tests/shell/fake_file_dialogs.h"
#include "tests/shell/project_tree_walls.h"
#include "tests/support/check_maps.h"
#include "tests/support/question_answers.h"
#include "tests/support/test_support.h"

using namespace qzedit;

namespace {

// The desktop's data folder in a temporary folder, as long as the object lives.
struct ScopedDataHome {
    explicit ScopedDataHome(const std::string& path) { qputenv("XDG_DATA_HOME", QByteArray::fromStdString(path)); }
    ~ScopedDataHome() { qunsetenv("XDG_DATA_HOME"); }
};

struct AuthoringWindow : ::testing::Test {
    AuthoringWindow() : here(dir.path()), dataHome(dir.file("data"))
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
    void showActive()
    {
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    std::string writeMap(const std::string& name, void (*build)(clsMap&))
    {
        clsMap map;
        build(map);
        const std::string path = dir.file(name);
        EXPECT_TRUE(map.WriteNewMPB(path, false));
        return path;
    }
    static void room(clsMap& map) { map.addPolySurround(4, 0, 0, 100); }
    void open(const std::string& path)
    {
        dialogs.answers = {path};
        trigger("itmOpenMap");
    }
    void editGridRow(int row, const QString& text)
    {
        auto* grid = control<QTableWidget>("grd_Props");
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier,
                          grid->visualItemRect(grid->item(row, 0)).center());
        control<QComboBox>("txt_Value")->setEditText(text);
        control<QPushButton>("cmd_PropOK")->click();
    }
    std::vector<uint8_t> fileBytes()
    {
        const std::string path = dir.file("now.map");
        EXPECT_TRUE(form->map().WriteNewMPB(path, false));
        return qztest::readBytes(path);
    }
    QString caption() const { return form->windowTitle(); }

    qztest::TempDir dir;
    qztest::ScopedCurrentDir here;
    ScopedDataHome dataHome;
    qztest::MessageRecorder messages;
    qztest::QuestionAnswers questions;
    FakeFileDialogs dialogs;
    StartupLog log;
    std::unique_ptr<MDIForm1> form;
};

TEST_F(AuthoringWindow, UndoAndRedoItemsNameTheirStepAndTheWindowsFollowThem)
{
    auto* edit = form->findChild<QMenu*>("mnuEdit");
    ASSERT_GE(edit->actions().size(), 3);
    EXPECT_EQ(edit->actions()[0]->objectName(), "itmUndo");
    EXPECT_EQ(edit->actions()[1]->objectName(), "itmRedo");
    EXPECT_TRUE(edit->actions()[2]->isSeparator());
    EXPECT_EQ(action("itmUndo")->text(), "&Undo");
    EXPECT_FALSE(action("itmUndo")->isEnabled());
    EXPECT_EQ(action("itmUndo")->shortcuts(), QList<QKeySequence>({QKeySequence("Ctrl+Z")}));
    EXPECT_EQ(action("itmRedo")->shortcuts(), QList<QKeySequence>({QKeySequence("Ctrl+Y"), QKeySequence("Ctrl+Shift+Z")}));

    showActive();
    const std::string room = writeMap("room.map", AuthoringWindow::room);
    open(room);
    EXPECT_EQ(action("itmUndo")->text(), "&Undo Open Map");
    form->selectWall(1);
    editGridRow(0, "33");
    EXPECT_EQ(action("itmUndo")->text(), "&Undo Edit Wall");
    EXPECT_TRUE(action("itmUndo")->isEnabled());
    EXPECT_EQ(form->map().wallRecord(1).x1, 33);

    QTest::keyClick(form.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(fileBytes(), qztest::readBytes(room));
    EXPECT_EQ(control<QTableWidget>("grd_Props")->item(0, 1)->text().toStdString(),
              std::to_string(form->map().wallRecord(1).x1))
        << "the grid shows the wall as it now is";
    EXPECT_EQ(action("itmRedo")->text(), "&Redo Edit Wall");
    QTest::keyClick(form.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(form->map().wallRecord(1).x1, 33);
    QTest::keyClick(form.get(), Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(form.get(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(form->map().wallRecord(1).x1, 33);
    QTest::keyClick(form.get(), Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(form.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(form->map().numWalls, 0) << "the open undone";
    auto* tree = control<QTreeWidget>("TreeView1");
    EXPECT_TRUE(wallNodeTexts(*tree).isEmpty()) << "the project tree listed again";
    EXPECT_EQ(control<QLabel>("lblSelType")->text(), "Type: ") << "the wall shown is gone";
}

TEST_F(AuthoringWindow, TheCaptionNamesTheMapAndStarsUnsavedChanges)
{
    EXPECT_EQ(caption(), "untitled.map - Quarzite3D Map Editor");
    const std::string room = writeMap("room.map", AuthoringWindow::room);
    open(room);
    EXPECT_EQ(caption(), "room.map - Quarzite3D Map Editor");
    form->selectWall(0);
    editGridRow(2, "-40");
    EXPECT_EQ(caption(), "room.map* - Quarzite3D Map Editor");
    trigger("itmSaveMap");
    EXPECT_EQ(caption(), "room.map - Quarzite3D Map Editor");
    trigger("itmUndo");
    EXPECT_EQ(caption(), "room.map* - Quarzite3D Map Editor") << "the file holds the edit now";
    dialogs.answers = {dir.file("copy.map")};
    trigger("itmSaveAs");
    EXPECT_EQ(caption(), "copy.map - Quarzite3D Map Editor");
}

TEST_F(AuthoringWindow, NewOpenAndExitAskAboutUnsavedChangesAndCancelKeepsTheMap)
{
    open(writeMap("room.map", AuthoringWindow::room));
    form->selectWall(0);
    editGridRow(1, "7");
    const std::vector<uint8_t> edited = fileBytes();
    for (const char* item : {"itmNewMap", "itmOpenMap", "itmExit"}) {
        questions.answers = {"Cancel"};
        trigger(item);
        EXPECT_EQ(questions.asked.back().text, "Save changes to room.map?") << item;
        EXPECT_EQ(fileBytes(), edited) << item;
        EXPECT_EQ(caption(), "room.map* - Quarzite3D Map Editor") << item;
    }
    EXPECT_EQ(questions.asked.size(), 3u);
    EXPECT_EQ(dialogs.requests.size(), 1u) << "only the first open's dialog";

    showActive();
    questions.answers = {"Cancel"};
    EXPECT_FALSE(form->close());
    EXPECT_TRUE(form->isVisible()) << "closing the window asks too";
    EXPECT_EQ(questions.asked.size(), 4u);

    questions.answers = {"Discard"};
    trigger("itmNewMap");
    EXPECT_EQ(form->map().numWalls, 0);
    EXPECT_EQ(caption(), "untitled.map - Quarzite3D Map Editor");
}

TEST_F(AuthoringWindow, TheQuestionIsAQtBoxWithSaveDiscardAndCancel)
{
    qz::installQtQuestionSink();
    open(writeMap("room.map", AuthoringWindow::room));
    form->selectWall(0);
    editGridRow(1, "7");
    QStringList buttons;
    QString text;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->objectName(), "msgQuestion");
        text = box->text();
        for (QAbstractButton* b : box->buttons()) buttons << b->text();
        for (QAbstractButton* b : box->buttons())
            if (b->text() == "Cancel") b->click();
    });
    trigger("itmNewMap");
    EXPECT_EQ(text, "Save changes to room.map?");
    buttons.sort();
    EXPECT_EQ(buttons, QStringList({"Cancel", "Discard", "Save"}));
    EXPECT_EQ(form->map().numWalls, 4) << "Cancel kept the map";
    QTimer::singleShot(0, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) box->reject();
    });
    trigger("itmNewMap");
    EXPECT_EQ(form->map().numWalls, 4) << "Esc is Cancel";
}

TEST_F(AuthoringWindow, RecentItemsHideWhileEmptyAndTheDesktopShortcutsAreThere)
{
    for (int n = 1; n <= 4; ++n) EXPECT_FALSE(action(("itmRecentFile" + std::to_string(n)).c_str())->isVisible());
    open(writeMap("room.map", AuthoringWindow::room));
    EXPECT_TRUE(action("itmRecentFile1")->isVisible());
    EXPECT_FALSE(action("itmRecentFile2")->isVisible());
    EXPECT_EQ(action("itmNewMap")->shortcut(), QKeySequence("Ctrl+N"));
    EXPECT_EQ(action("itmOpenMap")->shortcut(), QKeySequence("Ctrl+O"));
    EXPECT_EQ(action("itmSaveMap")->shortcut(), QKeySequence("Ctrl+S"));
    EXPECT_EQ(action("itmSaveAs")->shortcut(), QKeySequence("Ctrl+Shift+S"));
    EXPECT_EQ(action("itmExit")->shortcut(), QKeySequence("Ctrl+Q"));
    EXPECT_EQ(action("itmZoomToFit")->shortcut(), QKeySequence(Qt::Key_Home));
    EXPECT_EQ(action("itmFinerGrid")->shortcut(), QKeySequence(Qt::Key_BracketLeft));
    EXPECT_EQ(action("itmCoarserGrid")->shortcut(), QKeySequence(Qt::Key_BracketRight));
    EXPECT_EQ(action("itmRedraw")->shortcut(), QKeySequence("Ctrl+R")) << "existing keys stay";
    EXPECT_EQ(action("itmPropWin")->shortcut(), QKeySequence("F4"));
}

TEST_F(AuthoringWindow, KeysTypedInTheMapViewGoToTheMapNotToTheValueBox)
{
    showActive();
    open(writeMap("room.map", AuthoringWindow::room));
    form->selectWall(0);
    auto* picture = control<PictureBox>("Picture1");
    QTest::mouseClick(picture, Qt::LeftButton, Qt::NoModifier, QPoint(300, 300));
    ASSERT_EQ(QApplication::focusWidget(), picture);
    QTest::keyClick(picture, Qt::Key_BracketRight);
    EXPECT_EQ(form->findChild<frmMap*>("frmMap")->controller().grid().spacing, 256);
    QTest::keyClick(picture, Qt::Key_BracketLeft);
    QTest::keyClick(picture, Qt::Key_BracketLeft);
    EXPECT_EQ(form->findChild<frmMap*>("frmMap")->controller().grid().spacing, 64);
    QTest::keyClick(picture, Qt::Key_A);
    EXPECT_EQ(QApplication::focusWidget(), picture) << "the value box takes keys only when clicked";
    EXPECT_EQ(control<QComboBox>("txt_Value")->currentText(), "");

    // Typed into the value box, the same keys are text.
    auto* value = control<QComboBox>("txt_Value");
    QTest::mouseClick(value->lineEdit(), Qt::LeftButton);
    QTest::keyClicks(value->lineEdit(), "[5]");
    EXPECT_EQ(value->currentText(), "[5]");
    EXPECT_EQ(form->findChild<frmMap*>("frmMap")->controller().grid().spacing, 64);
}

TEST_F(AuthoringWindow, AutosaveWritesIntoTheDataFolderAndACleanExitRemovesIt)
{
    const std::string recovery = WorkKeeper::recoveryFolderPath();
    EXPECT_EQ(recovery.rfind(dir.file("data/"), 0), 0u) << recovery;
    open(writeMap("room.map", AuthoringWindow::room));
    form->selectWall(0);
    editGridRow(1, "7");
    RecoveryFolder& folder = form->workKeeper().folder();
    form->workKeeper().autosave().keepNow();
    ASSERT_TRUE(qz::fileExists(folder.mapFile()));
    EXPECT_EQ(qztest::readBytes(folder.mapFile()), fileBytes());
    EXPECT_EQ(std::filesystem::path(folder.mapFile()).parent_path().string(), recovery);

    showActive();
    questions.answers = {"Discard"};
    EXPECT_TRUE(form->close());
    EXPECT_FALSE(qz::fileExists(folder.mapFile())) << "a clean exit leaves nothing to recover";
}

TEST_F(AuthoringWindow, WorkLeftBehindIsOfferedAndRecoveredAtStart)
{
    const std::string castle = dir.file("castle.map");
    {
        clsMap lost;
        lost.addPolySurround(6, 200, 200, 80);
        RecoveryFolder killed(WorkKeeper::recoveryFolderPath());
        std::string error;
        ASSERT_TRUE(killed.write(lost, castle, error)) << error;
    }
    questions.answers = {"Recover"};
    form->commands().offerRecovery(form->workKeeper().folder());
    ASSERT_EQ(questions.asked.size(), 1u);
    EXPECT_EQ(questions.asked[0].buttons, (std::vector<std::string> {"Recover", "Discard"}));
    EXPECT_EQ(form->map().numWalls, 6);
    EXPECT_EQ(caption(), "castle.map* - Quarzite3D Map Editor");
    EXPECT_EQ(wallNodeTexts(*control<QTreeWidget>("TreeView1")).size(), 6);
    EXPECT_EQ(action("itmUndo")->text(), "&Undo Recover Map");
}

TEST_F(AuthoringWindow, CheckMapListsTheFindingsAndAClickSelectsTheirRecord)
{
    open(writeMap("every.map", qztest::buildEveryFindingMap));
    EXPECT_EQ(action("itmCheckMap")->text(), "Check &Map");
    trigger("itmCheckMap");
    auto* window = control<QWidget>("frmCheckMap");
    ASSERT_TRUE(window->isVisibleTo(form.get()));
    EXPECT_EQ(window->windowTitle(), "Check Map");
    auto* findings = control<QListWidget>("lstFindings");
    ASSERT_EQ(findings->count(), 16);
    EXPECT_EQ(control<QLabel>("lblSummary")->text(), "8 errors, 8 warnings");
    EXPECT_EQ(findings->item(0)->text().left(57), "error: wall 17: its end point (32800, 0) is outside the c");

    showActive();
    QListWidgetItem* zeroLength = findings->findItems("error: wall 4:", Qt::MatchStartsWith).value(0);
    ASSERT_NE(zeroLength, nullptr);
    QTest::mouseClick(findings->viewport(), Qt::LeftButton, Qt::NoModifier, findings->visualItemRect(zeroLength).center());
    EXPECT_EQ(form->map().selWallNum, 4);
    EXPECT_EQ(control<QLabel>("lblSelType")->text(), "Type: Wall");
    EXPECT_TRUE(form->findChild<QTimer*>("tmrFlash")->isActive());

    // The list follows the map: the area's floor put below its ceiling is no longer listed.
    form->document().change("Edit Area", [&] { form->map().areaRecord(1).areaFloorHtBegin = 8; });
    EXPECT_EQ(findings->count(), 15);
    EXPECT_TRUE(findings->findItems("error: area 1 \"Open\": its floor", Qt::MatchStartsWith).isEmpty());
    EXPECT_EQ(control<QLabel>("lblSummary")->text(), "7 errors, 8 warnings");
}

TEST_F(AuthoringWindow, TheGridLiesUnderTheMapAndGoesWhenHidden)
{
    showActive();
    open(writeMap("room.map", AuthoringWindow::room));
    const QImage picture = control<PictureBox>("Picture1")->surface().image();
    const QRgb grid = qRgb(230, 230, 230), white = qRgb(255, 255, 255);
    // At magnification 10 the room's west wall runs down view column 0, a grid line every 12.8.
    EXPECT_NE(picture.pixel(0, 5), grid) << "the wall is drawn over the grid line";
    EXPECT_EQ(picture.pixel(0, 200), grid);
    EXPECT_EQ(picture.pixel(13, 200), grid);
    EXPECT_EQ(picture.pixel(6, 200), white);
    trigger("itmShowGrid");
    EXPECT_FALSE(action("itmShowGrid")->isChecked());
    EXPECT_EQ(control<PictureBox>("Picture1")->surface().image().pixel(0, 200), white);
    EXPECT_NE(qztest::readText(dir.file("mapedit.ini")).find("show=0"), std::string::npos);
}

TEST_F(AuthoringWindow, TheWheelZoomsAboutThePointerAndTheMiddleButtonPans)
{
    showActive();
    open(writeMap("room.map", AuthoringWindow::room));
    auto* picture = control<PictureBox>("Picture1");
    clsMap& map = form->map();
    const QPointF at(200, 150);
    const double underX = (at.x() - map.offsetX) * map.magX, underY = (at.y() - map.offsetY) * map.magY;
    QWheelEvent up(at, picture->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                   Qt::NoScrollPhase, false);
    QApplication::sendEvent(picture, &up);
    EXPECT_EQ(map.magX, 5);
    EXPECT_NEAR((at.x() - map.offsetX) * map.magX, underX, map.magX / 2.0);
    EXPECT_NEAR((at.y() - map.offsetY) * map.magY, underY, map.magY / 2.0);
    EXPECT_EQ(form->findChild<QScrollBar*>("HScroll1")->value(), -map.offsetX);

    const int16_t before = map.offsetX;
    QTest::mousePress(picture, Qt::MiddleButton, Qt::NoModifier, QPoint(100, 100));
    QMouseEvent drag(QEvent::MouseMove, QPointF(140, 100), picture->mapToGlobal(QPointF(140, 100)), Qt::NoButton,
                     Qt::MiddleButton, Qt::NoModifier);
    QApplication::sendEvent(picture, &drag);
    QTest::mouseRelease(picture, Qt::MiddleButton, Qt::NoModifier, QPoint(140, 100));
    EXPECT_EQ(map.offsetX, before + 40);
    QTest::mouseMove(picture, QPoint(50, 60));
    EXPECT_EQ(control<QLabel>("Panel2")->text().toStdString(),
              "Cursor XY = (" + std::to_string((50 - map.offsetX) * 5) + "," + std::to_string((60 - map.offsetY) * 5) + ")");
}

TEST_F(AuthoringWindow, HomeShowsTheWholeDemoMap)
{
    showActive();
    open(QZ_BUILT_DEMO_MAP);
    QTest::keyClick(form.get(), Qt::Key_Home);
    const clsMap& map = form->map();
    auto* picture = control<PictureBox>("Picture1");
    const double width = picture->width(), height = picture->height();
    for (int32_t i = 0; i < map.numWalls; ++i) {
        const Wall& w = map.wallRecord(i);
        for (const auto& [x, y] : {std::pair {w.x1, w.y1}, std::pair {w.x2, w.y2}}) {
            EXPECT_GE(map.scaleDrawX(float(x)), 0);
            EXPECT_LE(map.scaleDrawX(float(x)), width);
            EXPECT_GE(map.scaleDrawY(float(y)), 0);
            EXPECT_LE(map.scaleDrawY(float(y)), height);
        }
    }
    // One step less and the demo's 1024 x 1248 units would not fit inside the margins.
    const double span = std::max(1024 / (width - 32), 1248 / (height - 32));
    EXPECT_GE(map.magX, span);
    EXPECT_LT(map.magX - 1, span);
}

}  // namespace
