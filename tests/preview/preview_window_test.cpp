#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "editor/model/clsMap.h"
#include "editor/preview/engine_picture.h"
#include "editor/preview/frm_control.h"
#include "editor/preview/frm_render.h"
#include "editor/preview/live_preview_window.h"
#include "editor/preview/logic/engine_library.h"
#include "editor/preview/logic/scratch_files.h"
#include "editor/preview/preview_windows.h"
#include "editor/preview/qz3d15_control.h"
#include "editor/preview/viewer_marker.h"
#include "editor/shell/logic/startup_log.h"
#include "editor/shell/mdi_form1.h"
#include "editor/shell/property_grid_window.h"
#include "platform/files.h"
#include "platform/program_folders.h"
#include "tests/preview/counting_engine.h"
#include "tests/shell/fake_file_dialogs.h"
#include "tests/support/run_program.h"
#include "tests/support/test_support.h"

using namespace qzedit;
using previewtest::CountingEngine;

namespace {

// The real editor with its preview windows on the real engine, counted, in a fresh current
// directory without a scratch header (the shipped one is used) and a scratch folder of its own.
struct PreviewWindowTest : ::testing::Test {
    PreviewWindowTest() : here(dir.path())
    {
        setenv("XDG_CACHE_HOME", cache.path().c_str(), 1);
        log.open();
        form = std::make_unique<MDIForm1>(log, &dialogs);
        previews = std::make_unique<PreviewWindows>(*form, dialogs, engine);
    }
    ~PreviewWindowTest() override
    {
        previews.reset();
        form.reset();
        unsetenv("XDG_CACHE_HOME");
    }

    template <typename T>
    T* in(QWidget* window, const char* name) const
    {
        T* found = window->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    void click(QWidget* window, const char* name) { in<QPushButton>(window, name)->click(); }
    void trigger(const char* name) { form->findChild<QAction*>(name)->trigger(); }
    void key(QWidget* target, Qt::Key k) { QTest::keyClick(target, k); }

    // A room of 400 x 400 units (the viewer starts at its middle, looking along +y) and what
    // else the test adds, opened as a user opens a map.
    void openRoom(const std::function<void(clsMap&)>& more = {})
    {
        clsMap room;
        room.startArea(0, 0);
        room.addWall(0, 0, 400, 0, 0, 1);
        room.addWall(400, 0, 400, 400, 0, 2);
        room.addWall(400, 400, 0, 400, 0, 3);
        room.addWall(0, 400, 0, 0, 0, -1);
        room.endArea();
        room.vx = 200;
        room.vy = 200;
        room.vz = 72;  // the eye over the floor, where gravity keeps it
        if (more) more(room);
        ASSERT_TRUE(room.WriteNewMPB(dir.file("room.map"), false));
        form->commands().openMapFile(dir.file("room.map"));
    }
    // The live preview draws only while it can be seen.
    void showEditor()
    {
        form->show();
        trigger("itmLivePreview");
        settle();
    }
    void openDemo() { form->commands().openMapFile(QZ_BUILT_DEMO_MAP); }
    std::vector<std::string> messageTexts() const
    {
        std::vector<std::string> texts;
        for (const auto& m : messages.messages) texts.push_back(m.title + ": " + m.text);
        return texts;
    }
    ViewerPlace place() { return EngineLibrary::shipped().viewer(); }
    static int32_t records(const std::vector<uint8_t>& mapFile) { return mapFile.at(64) | (mapFile.at(65) << 8); }
    void settle()
    {
        for (int i = 0; i < 5; ++i) QApplication::processEvents();
    }

    qztest::TempDir dir, cache;
    qztest::ScopedCurrentDir here;
    qztest::MessageRecorder messages;
    FakeFileDialogs dialogs;
    StartupLog log;
    CountingEngine engine {&EngineLibrary::shipped()};
    std::unique_ptr<MDIForm1> form;
    std::unique_ptr<PreviewWindows> previews;
};

TEST_F(PreviewWindowTest, InitWithNoWallsSaysNoMapWithTheCriticalIconAndStaysIdle)
{
    trigger("render");
    frmRender* render = &previews->renderWindow();
    click(render, "cmdInit");
    trigger("itmRenderWin");
    frmControl* control = &previews->controlWindow();
    click(control, "cmdInit");
    ASSERT_EQ(messages.messages.size(), 2u);
    for (const auto& m : messages.messages) {
        EXPECT_EQ(m.text, "Cannot render, no map has been loaded");
        EXPECT_EQ(m.title, "No Map");
        EXPECT_EQ(m.style, qz::kMsgCritical);
    }
    EXPECT_TRUE(engine.calls.empty());
    EXPECT_TRUE(in<QPushButton>(render, "cmdInit")->isEnabled());
    for (const char* name : {"cmdRender", "cmdForward", "cmdFlush"}) EXPECT_FALSE(in<QPushButton>(render, name)->isEnabled());
    EXPECT_FALSE(in<QPushButton>(control, "cmdJump")->isEnabled());
    EXPECT_EQ(in<QLabel>(control, "Label1")->text(), "Use the W,A,S, and D keys to move");
    EXPECT_EQ(render->windowTitle(), "Render Map");
    EXPECT_EQ(control->windowTitle(), "QZ3D15 Control");
    EXPECT_FALSE(qz::fileExists(dir.file("scratch.mpb")));
}

TEST_F(PreviewWindowTest, TwoPreviewsOfAnUnchangedMapWriteTheSameScratchFileAndLeaveTheMapAsItWas)
{
    openRoom();
    ASSERT_TRUE(form->map().WriteNewMPB(dir.file("before.map"), false));
    frmRender* render = &previews->renderWindow();
    trigger("render");
    click(render, "cmdInit");
    ASSERT_TRUE(messages.messages.empty()) << messageTexts().front();
    const std::vector<uint8_t> first = qztest::readBytes(dir.file("scratch.mpb"));
    click(render, "cmdFlush");
    click(render, "cmdInit");
    EXPECT_EQ(qztest::readBytes(dir.file("scratch.mpb")), first);
    ASSERT_TRUE(form->map().WriteNewMPB(dir.file("after.map"), false));
    EXPECT_EQ(qztest::readBytes(dir.file("after.map")), qztest::readBytes(dir.file("before.map")));
    EXPECT_EQ(records(first), 4);
    EXPECT_EQ(engine.count("INITVASKELL"), 2);
    EXPECT_EQ(engine.count("FLUSHVASKELL"), 1);
    // No header here: the shipped one, copied into the scratch folder, names this map.
    const std::string header = cache.path() + "/quarzite3d/scratch.hdr";
    EXPECT_EQ(engine.calls.front(), "INITVASKELL " + header + " 320 200");
    EXPECT_NE(qztest::readText(header).find("map=" + dir.file("scratch.mpb") + "\n"), std::string::npos);
    EXPECT_EQ(qz::currentDirectory(), dir.path()) << "the editor keeps its current directory";
}

TEST_F(PreviewWindowTest, CrossingWallsAreSplitIntoMoreRecordsThanWalls)
{
    openRoom([](clsMap& room) {
        room.addWall(100, 50, 300, 350, 0, -1);
        room.addWall(300, 50, 100, 350, 0, -1);
    });
    trigger("render");
    click(&previews->renderWindow(), "cmdInit");
    EXPECT_GT(records(qztest::readBytes(dir.file("scratch.mpb"))), 6);
}

TEST_F(PreviewWindowTest, RenderWindowKeysRedrawCaptionTheAreaAndStepTen)
{
    openRoom();
    frmRender* render = &previews->renderWindow();
    trigger("render");
    click(render, "cmdInit");
    EnginePicture& picture = render->picture();
    const QImage first = picture.surface().copy();
    ViewerPlace start = place();
    EXPECT_EQ(start, (ViewerPlace {200, 200, 72, 0}));
    engine.calls.clear();
    key(&picture, Qt::Key_Space);
    EXPECT_EQ(engine.calls, std::vector<std::string>({"MOVEVIEWER 0 0 0", "TURNVIEWER 0", "DRAWQZ", "FINDAREA"}));
    EXPECT_EQ(render->windowTitle(), "Area #0");
    EXPECT_EQ(picture.surface(), first);
    key(&picture, Qt::Key_Up);
    EXPECT_EQ(place(), (ViewerPlace {200, 210, 72, 0}));
    EXPECT_NE(picture.surface(), first);
    key(render, Qt::Key_Down);
    EXPECT_EQ(place(), (ViewerPlace {200, 200, 72, 0})) << "the window passes its keys on";
    key(&picture, Qt::Key_Left);
    EXPECT_EQ(place().angle, 124);
    click(render, "cmdFlush");
    engine.calls.clear();
    key(&picture, Qt::Key_Up);
    EXPECT_TRUE(engine.calls.empty());
}

TEST_F(PreviewWindowTest, ControlWindowWalksOnlyAfterInitAndCaptionsTheAreaName)
{
    openRoom();
    trigger("itmRenderWin");
    frmControl* control = &previews->controlWindow();
    QWidget* picture = &control->control().picture();
    key(picture, Qt::Key_W);
    EXPECT_TRUE(engine.calls.empty());
    click(control, "cmdInit");
    EXPECT_EQ(control->control().frameWidth(), 320);
    EXPECT_TRUE(control->control().timerEnabled());
    key(picture, Qt::Key_W);
    EXPECT_EQ(place(), (ViewerPlace {200, 220, 72, 0}));
    EXPECT_EQ(control->windowTitle(), "Area: Area0           ");
    key(control, Qt::Key_Up);
    EXPECT_EQ(place(), (ViewerPlace {200, 220, 72, 0})) << "arrows do not move here";
    click(control, "cmdFlush");
    engine.calls.clear();
    key(picture, Qt::Key_W);
    EXPECT_TRUE(engine.calls.empty());
}

TEST_F(PreviewWindowTest, ClosingTheControlWindowReleasesTheEngineOnceAfterInitAndNothingWhenIdle)
{
    openRoom();
    trigger("itmRenderWin");
    QWidget* frame = previews->controlWindow().parentWidget();
    frame->close();
    EXPECT_TRUE(engine.calls.empty());
    trigger("itmRenderWin");
    click(&previews->controlWindow(), "cmdInit");
    frame->close();
    EXPECT_EQ(engine.count("FLUSHVASKELL"), 1);
    EXPECT_TRUE(in<QPushButton>(&previews->controlWindow(), "cmdInit")->isEnabled());
}

TEST_F(PreviewWindowTest, CompileAndSaveReportsTheTimeWritesNothingWhenCancelledAndTheSavedMapRenders)
{
    openDemo();
    trigger("itmExportMap");
    ASSERT_EQ(messageTexts(), std::vector<std::string>({"Compile complete: Done building tree in 0 seconds"}));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2) << "MapEdit.log, the room";
    dialogs.answers = {dir.file("demo.mpb")};
    trigger("itmExportMap");
    ASSERT_TRUE(qz::fileExists(dir.file("demo.mpb")));

    // The saved map, shown by the renderer with the shipped textures.
    const std::string shipped = qz::dataFile(qz::programFolder(), "scratch.hdr");
    qztest::writeText(dir.file("saved.hdr"),
                      relocatedHeaderText(qztest::readText(shipped), qz::programFolder(), dir.file("demo.mpb")));
    qztest::ProgramResult run = qztest::runProgram(qz::programFolder() + "/qz3d-render",
                                                    {dir.file("saved.hdr"), "--out", dir.file("frame.bmp")});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(qztest::readBytes(dir.file("frame.bmp")).size(), 1078u + 320u * 200u);
}

TEST_F(PreviewWindowTest, SetViewerToInsertPositionThenInitStartsTheViewerThere)
{
    openRoom();
    form->map().insertX = 120;
    form->map().insertY = 330;
    trigger("itmSetViewer");
    EXPECT_EQ(form->map().vx, 120.0);
    EXPECT_EQ(form->document().undoName(), "Set Viewer");
    trigger("itmRenderWin");
    click(&previews->controlWindow(), "cmdInit");
    EXPECT_EQ(place(), (ViewerPlace {120, 330, 72, 0}));
    form->map().vx = 250;
    form->map().vy = 100;
    click(&previews->controlWindow(), "cmdJump");
    EXPECT_EQ(place(), (ViewerPlace {250, 100, 72, 0}));
}

TEST_F(PreviewWindowTest, TheLivePreviewRedrawsAfterAGridChangeWithTheViewerWhereItStood)
{
    openRoom();
    showEditor();
    LivePreviewWindow& live = previews->livePreview();
    ASSERT_TRUE(live.preview().showing()) << live.preview().fault();
    live.preview().walk({.forward = true});
    live.preview().walk({.left = true});
    const ViewerPlace stood = live.preview().viewer();
    EXPECT_EQ(stood, (ViewerPlace {200, 220, 72, 124}));
    const QImage before = live.picture().surface().copy();
    const int inits = engine.count("INITVASKELL");

    // The step along the far wall, raised in the property grid.
    form->selectWall(2);
    PropertyGrid& grid = form->findChild<PropertyGridWindow*>("frmProperties")->grid();
    grid.rowClick(12);
    grid.setValueText("48");
    grid.ok();
    EXPECT_EQ(form->map().wallRecord(2).floorHtEnd, 48);
    settle();
    EXPECT_NE(live.picture().surface(), before);
    EXPECT_EQ(live.preview().viewer(), stood);
    EXPECT_EQ(engine.count("INITVASKELL"), inits) << "the running engine reloads the map";
    EXPECT_EQ(engine.count("RELOADMAP"), 1);
    EXPECT_FALSE(qz::fileExists(dir.file("scratch.mpb"))) << "the live preview keeps its files to itself";

    form->document().undo();
    settle();
    EXPECT_EQ(engine.count("RELOADMAP"), 2) << "undo arrives too";
    EXPECT_EQ(live.preview().viewer(), stood);
}

TEST_F(PreviewWindowTest, TheMapMarkerFollowsAWalkAndPreviewFromHereMovesTheViewer)
{
    openRoom();
    showEditor();
    ViewerMarker& marker = previews->marker();
    ASSERT_TRUE(marker.place().has_value());
    EXPECT_EQ(*marker.place(), (ViewerPlace {200, 200, 72, 0}));
    QWidget* picture = &previews->livePreview().picture();
    QTest::keyPress(picture, Qt::Key_Up);
    QTest::qWait(400);
    QTest::keyRelease(picture, Qt::Key_Up);
    settle();
    const ViewerPlace walked = place();
    EXPECT_GT(walked.y, 260) << "several ticks of 20 units";
    EXPECT_EQ(*marker.place(), walked);
    const clsMap& map = form->map();
    EXPECT_EQ(marker.centre(), QPointF(map.scaleDrawX(200.0f), map.scaleDrawY(static_cast<float>(walked.y))));

    form->map().insertX = 90;
    form->map().insertY = 80;
    form->findChild<QAction*>("itmPreviewFromHere")->trigger();
    EXPECT_EQ(*marker.place(), (ViewerPlace {90, 80, 72, 0}));
    previews->livePreview().close();
    EXPECT_FALSE(marker.isVisible()) << "a closed preview leaves no marker";
}

TEST_F(PreviewWindowTest, APreviewThatCannotShowTheMapSaysWhyInsteadOfAStalePicture)
{
    showEditor();
    auto* fault = form->findChild<QLabel*>("lblPreviewFault");
    EXPECT_EQ(fault->text(), "Nothing to preview: the map has no walls.");
    EXPECT_EQ(form->findChild<QStackedWidget*>()->currentWidget(), fault);
    EXPECT_FALSE(previews->marker().isVisible());
    openRoom();
    settle();
    EXPECT_EQ(form->findChild<QStackedWidget*>()->currentWidget(), &previews->livePreview().picture());
    EXPECT_TRUE(fault->text().isEmpty());
}

}  // namespace
