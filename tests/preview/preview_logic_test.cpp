#include <gtest/gtest.h>

#include <filesystem>

#include "editor/document/map_document.h"
#include "editor/model/clsMap.h"
#include "editor/preview/logic/control_window_logic.h"
#include "editor/preview/logic/engine_library.h"
#include "editor/preview/logic/live_preview.h"
#include "editor/preview/logic/preview_commands.h"
#include "editor/preview/logic/render_window_logic.h"
#include "editor/preview/logic/shared_library.h"
#include "platform/files.h"
#include "platform/gdi.h"
#include "platform/message_box.h"
#include "platform/program_folders.h"
#include "tests/preview/counting_engine.h"
#include "tests/shell/fake_file_dialogs.h"
#include "tests/support/test_support.h"
#include "tools/room-map/room_map_generator.h"

using namespace qzedit;
using previewtest::CountingEngine;

namespace {

// A square room of four walls from (0, 0) to (size, size).
void addRoom(clsMap& map, int32_t size)
{
    map.startArea(0, 0);
    map.addWall(0, 0, size, 0, 0, 1);
    map.addWall(size, 0, size, size, 0, 2);
    map.addWall(size, size, 0, size, 0, 3);
    map.addWall(0, size, 0, 0, 0, -1);
    map.endArea();
}

struct RecordingPort : PreviewPort, ControlPicture {
    int32_t pictureDC() override { return 0; }
    void pictureChanged() override { ++pictures; }
    void setCaption(const std::string& text) override { caption = text; }
    void buttonsChanged() override { ++buttonChanges; }
    void setPictureSize(int32_t w, int32_t h) override { size = {w, h}; }
    void processEvents() override {}
    void setBorderStyle(int style) override { border = style; }
    void enableTimer() override { timer = true; }

    int pictures = 0, buttonChanges = 0, border = -1;
    bool timer = false;
    std::pair<int32_t, int32_t> size;
    std::string caption;
};

// A fresh current directory holding a scratch header, a map and recorded messages.
struct PreviewLogicTest : ::testing::Test {
    PreviewLogicTest() { qztest::writeText(dir.file("scratch.hdr"), "[Quarzite3D]\nmap=scratch.mpb\n"); }

    std::vector<std::string> texts() const
    {
        std::vector<std::string> out;
        for (const auto& m : messages.messages) out.push_back(m.title + ": " + m.text);
        return out;
    }

    qztest::TempDir dir;
    qztest::ScopedCurrentDir here {dir.path()};
    qztest::MessageRecorder messages;
    clsMap map;
    PreviewSource source {map};
    CountingEngine engine;
    RecordingPort port;
    SharedLibrary database {"zuRA.so", SharedLibrary::shippedPath("zuRA.so")};
    SharedLibrary interpreter {"ZERurav.so", SharedLibrary::shippedPath("ZERurav.so")};
};

TEST_F(PreviewLogicTest, InitWithoutWallsRefusesInBothWindowsAndStaysIdle)
{
    RenderWindowLogic render(engine, source, port);
    render.init();
    EngineControl control(engine, port, database, interpreter);
    ControlWindowLogic controlWindow(control, engine, source, port);
    controlWindow.init();
    ASSERT_EQ(messages.messages.size(), 2u);
    for (const auto& m : messages.messages) {
        EXPECT_EQ(m.text, "Cannot render, no map has been loaded");
        EXPECT_EQ(m.title, "No Map");
        EXPECT_EQ(m.style, qz::kMsgCritical);
    }
    EXPECT_TRUE(engine.calls.empty());
    EXPECT_EQ(render.buttons(), (RenderWindowLogic::Buttons {true, false, false, false}));
    EXPECT_EQ(controlWindow.buttons(), (ControlWindowLogic::Buttons {true, false, false}));
    EXPECT_FALSE(qz::fileExists(dir.file("scratch.mpb")));
}

TEST_F(PreviewLogicTest, RenderWindowStepsTurnsRedrawsAndCaptionsEveryKey)
{
    addRoom(map, 400);
    RenderWindowLogic render(engine, source, port);
    render.keyDown(kKeyUp);
    EXPECT_TRUE(engine.calls.empty()) << "keys do nothing before Init";
    render.init();
    EXPECT_EQ(engine.calls, std::vector<std::string>({"INITVASKELL " + dir.file("scratch.hdr") + " 320 200"}));
    EXPECT_EQ(render.buttons(), (RenderWindowLogic::Buttons {false, true, true, true}));
    EXPECT_TRUE(qz::fileExists(dir.file("scratch.mpb")));

    engine.calls.clear();
    engine.area = 3;
    render.keyDown(32);
    EXPECT_EQ(engine.calls, std::vector<std::string>({"MOVEVIEWER 0 0 0", "TURNVIEWER 0", "DRAWQZ", "FINDAREA"}));
    EXPECT_EQ(port.caption, "Area #3");
    engine.area = -1;
    const std::pair<int, std::string> keys[] = {{kKeyUp, "MOVEVIEWER 0 10 0"},    {kKeyW, "MOVEVIEWER 0 10 0"},
                                                {kKeyDown, "MOVEVIEWER 0 -10 0"}, {kKeyS, "MOVEVIEWER 0 -10 0"},
                                                {kKeyLeft, "TURNVIEWER 4"},       {kKeyA, "TURNVIEWER 4"},
                                                {kKeyRight, "TURNVIEWER -4"},     {kKeyD, "TURNVIEWER -4"}};
    for (const auto& [key, call] : keys) {
        engine.calls.clear();
        render.keyDown(key);
        ASSERT_EQ(engine.calls.size(), 4u) << key;
        EXPECT_TRUE(engine.calls[0] == call || engine.calls[1] == call) << key;
    }
    EXPECT_EQ(port.caption, "Area #-1");

    engine.calls.clear();
    render.forward();
    render.render();
    EXPECT_EQ(engine.calls, std::vector<std::string>({"FORWARD", "DRAWQZ", "DRAWQZ"}));
    engine.calls.clear();
    render.flush();
    render.keyDown(kKeyUp);
    render.flush();
    EXPECT_EQ(engine.calls, std::vector<std::string>({"FLUSHVASKELL"})) << "Flush releases the engine, once";
    EXPECT_EQ(render.buttons(), (RenderWindowLogic::Buttons {true, false, false, false}));
}

TEST_F(PreviewLogicTest, ControlWindowWalksWithWasdOnlyBetweenInitAndFlush)
{
    addRoom(map, 400);
    EngineControl control(engine, port, database, interpreter);
    ControlWindowLogic window(control, engine, source, port);
    window.keyDown(kKeyW);
    window.unload();
    EXPECT_TRUE(engine.calls.empty()) << "before Init nothing at all, and closing calls nothing";

    window.init();
    EXPECT_EQ(engine.calls, std::vector<std::string>({"INITVASKELL " + dir.file("scratch.hdr") + " 320 200"}));
    EXPECT_EQ(port.size, (std::pair<int32_t, int32_t>(320, 200)));
    EXPECT_TRUE(port.timer);
    EXPECT_EQ(window.buttons(), (ControlWindowLogic::Buttons {false, true, true}));

    engine.area = 2;
    const std::pair<int, std::vector<std::string>> keys[] = {
        {kKeyW, {"MOVEVIEWER 0 20 0", "DRAWQZ"}},
        {kKeyS, {"MOVEVIEWER 0 -20 0", "DRAWQZ"}},
        {kKeyA, {"TURNVIEWER 5", "DRAWQZ"}},
        {kKeyD, {"TURNVIEWER -5", "DRAWQZ"}},
        {kKeyUp, {}},
        {kKeyLeft, {}},
    };
    for (const auto& [key, expected] : keys) {
        engine.calls.clear();
        window.keyDown(key);
        std::vector<std::string> all = expected;
        all.insert(all.end(), {"FINDAREA", "FINDAREANAME 2"});
        EXPECT_EQ(engine.calls, all) << key;
    }
    EXPECT_EQ(port.caption, "Area: Hall            ");
    engine.area = -1;
    window.keyDown(kKeyW);
    EXPECT_EQ(port.caption, "Area: none");

    map.vx = 150.5;
    map.vy = 250.5;
    map.vz = 40;
    map.vd = 12;
    engine.calls.clear();
    window.jump();
    EXPECT_EQ(engine.calls, std::vector<std::string>({"JUMPVIEWER 150 250 40 12", "DRAWQZ"})) << "halves to even";

    engine.calls.clear();
    window.unload();
    window.unload();
    window.keyDown(kKeyW);
    EXPECT_EQ(engine.calls, std::vector<std::string>({"FLUSHVASKELL"}));
    EXPECT_EQ(window.buttons(), (ControlWindowLogic::Buttons {true, false, false}));
}

TEST_F(PreviewLogicTest, AFailedCompileOrWriteNeverStartsTheEngineOnAStaleScratchMap)
{
    addRoom(map, 400);
    // A folder in the way of scratch.mpb: the write fails.
    std::filesystem::create_directory(dir.file("scratch.mpb"));
    RenderWindowLogic render(engine, source, port);
    render.init();
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].title, "Write Error");
    EXPECT_TRUE(engine.calls.empty());
    EXPECT_FALSE(render.running());
}

TEST_F(PreviewLogicTest, AMissingEngineLibraryOrHeaderIsNamedWithWhereItIsLookedFor)
{
    addRoom(map, 400);
    EngineLibrary missing("");
    RenderWindowLogic render(missing, source, port);
    render.init();
    const std::string folder = qz::programFolder();
    const std::string installed = std::filesystem::path(folder + "/../lib/quarzite3d").lexically_normal().string();
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "The library QZ3D15.so was not found: it is looked for beside the program (" +
                                             folder + ") and in " + installed + ".");
    EXPECT_EQ(messages.messages[0].title, "File Missing");
    EXPECT_FALSE(render.running());

    qztest::TempDir emptyProgram;
    HeaderChoice none = findPreviewHeader(dir.path() + "/nowhere", emptyProgram.path(), dir.path(), "scratch.hdr",
                                          "/maps/scratch.mpb");
    EXPECT_FALSE(none.found());
    EXPECT_EQ(none.fault, "The preview header scratch.hdr was not found: it is looked for in the current directory (" +
                              dir.path() + "/nowhere) and with the program's demo world (" + emptyProgram.path() +
                              " and " +
                              std::filesystem::path(emptyProgram.path() + "/../share/quarzite3d").lexically_normal().string() +
                              ").");
}

TEST_F(PreviewLogicTest, WithoutAHeaderHereTheShippedOneIsCopiedWithFullPathsAndTheProgramFolderIsNotWritten)
{
    std::filesystem::remove(dir.file("scratch.hdr"));
    qztest::TempDir program, scratch;
    qztest::writeText(program.file("scratch.hdr"),
                      "[Quarzite3D]\nmap=scratch.mpb\npal=palette.bmp\nskyName = sky.bmp\nnumWalls=2\n"
                      "[Walls]\n1=brick.bmp\n2=/abs/stone.bmp\n");
    HeaderChoice header = findPreviewHeader(dir.path(), program.path(), scratch.path(), "scratch.hdr",
                                            dir.file("scratch.mpb"));
    ASSERT_TRUE(header.found()) << header.fault;
    EXPECT_EQ(header.path, scratch.file("scratch.hdr"));
    EXPECT_EQ(qztest::readText(header.path), "[Quarzite3D]\nmap=" + dir.file("scratch.mpb") + "\npal=" +
                                                 program.file("palette.bmp") + "\nskyName =" + program.file("sky.bmp") +
                                                 "\nnumWalls=2\n[Walls]\n1=" + program.file("brick.bmp") +
                                                 "\n2=/abs/stone.bmp\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(program.path()), {}), 1) << "nothing new there";

    // A header without a map entry gets one in its main section.
    EXPECT_EQ(relocatedHeaderText("[Quarzite3D]\nnumWalls=0\n", "/w", "/m.mpb"), "[Quarzite3D]\nmap=/m.mpb\nnumWalls=0\n");
    EXPECT_EQ(relocatedHeaderText("", "/w", "/m.mpb"), "[Quarzite3D]\nmap=/m.mpb\n");
}

TEST_F(PreviewLogicTest, CompileAndSaveReportsTheTimeAsksForAFileAndWritesNothingWhenCancelled)
{
    addRoom(map, 400);
    FakeFileDialogs dialogs;
    std::vector<std::string> hooks;
    double clock = 100.0;
    PreviewCommands::Hooks h;
    h.busyPointer = [&](bool busy) { hooks.push_back(busy ? "no-drop" : "default"); };
    h.clock = [&] { return clock += 0.04; };
    h.redrawMap = [&] { hooks.push_back("redraw"); };
    h.relistMap = [&] { hooks.push_back("relist"); };
    PreviewCommands commands(map, nullptr, dialogs, h);
    commands.compileAndSave();
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "Done building tree in 0 seconds");
    EXPECT_EQ(messages.messages[0].title, "Compile complete");
    EXPECT_EQ(messages.messages[0].style, qz::kMsgInformation);
    ASSERT_EQ(dialogs.requests.size(), 1u);
    EXPECT_EQ(dialogs.requests[0].kind, "save");
    EXPECT_EQ(dialogs.requests[0].request.filter, "Map Binary|*.mpb");
    EXPECT_EQ(dialogs.requests[0].request.fileName, "untitled.mpb");
    EXPECT_EQ(dialogs.requests[0].request.flags, 4);
    EXPECT_EQ(hooks, std::vector<std::string>({"no-drop", "default", "redraw", "relist"}));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1) << "only scratch.hdr";

    dialogs.answers = {dir.file("room.mpb")};
    commands.compileAndSave();
    std::vector<uint8_t> bytes = qztest::readBytes(dir.file("room.mpb"));
    ASSERT_GT(bytes.size(), 80u);
    EXPECT_EQ(bytes[0x40 + 0], 4) << "four compiled records";

    EXPECT_EQ(buildTimeText(10.0, 10.35), "Done building tree in 0.3 seconds");
    EXPECT_EQ(buildTimeText(10.0, 12.09), "Done building tree in 2 seconds");
    EXPECT_EQ(buildTimeText(86399.5, 0.25), "Done building tree in -86399.3 seconds") << "across midnight";
}

TEST_F(PreviewLogicTest, CompileAndSaveOfAMapTooBigForATreeShowsTheRefusalAndAsksForNoFile)
{
    // Long lines across 2000 walls of rooms cut them into more than 2001 compiled records.
    qzgen::generateRoomMap(map, {.walls = 2000, .seed = 2024});
    FakeFileDialogs dialogs;
    int redraws = 0;
    PreviewCommands commands(map, nullptr, dialogs, {[](bool) {}, [] { return 0.0; }, [&] { ++redraws; }, [] {}});
    commands.compileAndSave();
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].title, "Compile Error");
    EXPECT_TRUE(dialogs.requests.empty());
    EXPECT_EQ(redraws, 1);
}

TEST_F(PreviewLogicTest, SetViewerToInsertPositionIsOneNamedChange)
{
    addRoom(map, 400);
    MapDocument document(map);
    FakeFileDialogs dialogs;
    int redraws = 0;
    PreviewCommands commands(map, &document, dialogs, {[](bool) {}, [] { return 0.0; }, [&] { ++redraws; }, [] {}});
    map.insertX = 123;
    map.insertY = -45;
    commands.setViewerToInsert();
    EXPECT_EQ(map.vx, 123.0);
    EXPECT_EQ(map.vy, -45.0);
    EXPECT_EQ(document.undoName(), "Set Viewer");
    EXPECT_EQ(redraws, 1);
    document.undo();
    EXPECT_EQ(map.vx, 200.0);
}

TEST_F(PreviewLogicTest, TheControlsPropertiesPlaceholdersAndOutsideLibrariesGiveNeutralValues)
{
    EngineControl control(engine, port, database, interpreter);
    EXPECT_EQ(control.qzVersion(), 150);
    EXPECT_EQ(control.qzMapX, 480);
    EXPECT_EQ(control.qzMapY, 0);
    EXPECT_EQ(control.qzShowMap, 0);
    EXPECT_EQ(control.zeRuravIn, "");
    EXPECT_EQ(control.qzAddCreature(1, 2, 3, 4, 5) + control.qzMoveCreature(1, 2, 3, 4, 5) +
                  control.qzSetCreaturePos(1, 2, 3, 4, 5) + control.qzDeleteCreature(1) + control.qzFlushCreatures() +
                  control.qzAddObject(1, 2, 3, 4, 5) + control.qzDeleteObject(1) + control.qzGetAtPos(1, 2, 3, 4) +
                  control.qzSelectMap(1) + control.qzShoot(1, 2, 3, 4) + control.qzTablaOval(1, 2, 3, 4),
              0);
    control.setWallTexture(1, 2);
    EXPECT_EQ(control.qzHitInFront(9), 0);
    EXPECT_EQ(engine.calls, std::vector<std::string>({"HITINFRONT 9"})) << "only HITINFRONT reaches the engine";
    control.qzShowBorder();
    EXPECT_EQ(port.border, 1);
    control.qzHideBorder();
    EXPECT_EQ(port.border, 0);
    EXPECT_FALSE(control.hasMemoryContext());

    control.zeRuravOut = "before";
    control.zeRuravExecute();
    EXPECT_EQ(control.zeRuravOut, "");
    std::string path = "db", root = "root", fields = "a,b", query = "a=1", value = "v";
    EXPECT_EQ(control.qzCreateDB(path, root, fields, 2), 0);
    EXPECT_EQ(control.qzOpenDB(path, root), 0);
    EXPECT_EQ(control.qzFindFirst(0, query), 0);
    EXPECT_EQ(control.qzGetFldVal(0, root), "");
    EXPECT_EQ(control.qzSetFldVal(0, root, value), 0);
    EXPECT_EQ(control.qzEOF(0) + control.qzBOF(0) + control.qzCurRecNum(0) + control.qzEditRecord(5), 0);
    EXPECT_EQ(std::vector<std::string>({path, root, fields, query, value}),
              std::vector<std::string>({"db", "root", "a,b", "a=1", "v"}))
        << "texts come back as the library left them";

    SharedLibrary absent("zuRA.so", "");
    EngineControl without(engine, port, absent, interpreter);
    try {
        without.qzCloseDB(1);
        FAIL() << "a missing library is the failure of the method that needed it";
    } catch (const std::runtime_error& e) {
        EXPECT_EQ(std::string(e.what()).rfind("The library zuRA.so was not found", 0), 0u) << e.what();
    }
}

struct RecordingLivePort : LivePreviewPort {
    int32_t pictureDC() override { return 0; }
    void frameShown() override { ++frames; }
    void showFault(const std::string& text) override { faults.push_back(text); }
    void viewerMoved(const ViewerPlace& place) override { moves.push_back(place); }
    int frames = 0;
    std::vector<std::string> faults;
    std::vector<ViewerPlace> moves;
};

TEST_F(PreviewLogicTest, TheLivePreviewStartsTheEngineOnceReloadsAfterThatAndTakesItBackWithItsViewer)
{
    RecordingLivePort live;
    LivePreview preview(engine, map, live, dir.file("live.hdr"), dir.file("live.mpb"));
    preview.refresh();
    EXPECT_EQ(live.faults, std::vector<std::string>({"Nothing to preview: the map has no walls."}));
    EXPECT_TRUE(engine.calls.empty());
    preview.walk({.forward = true});
    EXPECT_TRUE(engine.calls.empty()) << "no walk without a picture";

    addRoom(map, 400);
    preview.refresh();
    EXPECT_EQ(engine.calls, std::vector<std::string>({"INITVASKELL " + dir.file("live.hdr") + " 512 320", "DRAWQZ", "GETVIEWER"}));
    EXPECT_EQ(live.faults.back(), "") << "the fault is cleared";
    EXPECT_TRUE(qz::fileExists(dir.file("live.mpb")));
    EXPECT_EQ(map.numTreeSegs, 0) << "a copy was compiled";
    engine.calls.clear();
    preview.refresh();
    EXPECT_EQ(engine.calls, std::vector<std::string>({"RELOADMAP " + dir.file("live.mpb"), "DRAWQZ", "GETVIEWER"}));

    engine.calls.clear();
    preview.walk({});
    EXPECT_TRUE(engine.calls.empty());
    preview.walk({.forward = true, .left = true, .fast = true});
    preview.walk({.back = true, .right = true});
    EXPECT_EQ(engine.calls, std::vector<std::string>({"MOVEVIEWER 0 40 0", "TURNVIEWER 8", "DRAWQZ", "GETVIEWER",
                                                      "MOVEVIEWER 0 -20 0", "TURNVIEWER -4", "DRAWQZ", "GETVIEWER"}));

    // Another window started the engine on its own world: the preview starts it again and puts
    // its viewer back where it stood.
    engine.initialisedElsewhere();
    engine.calls.clear();
    preview.refresh();
    EXPECT_EQ(engine.calls, std::vector<std::string>({"INITVASKELL " + dir.file("live.hdr") + " 512 320",
                                                      "JUMPVIEWER 10 20 56 3", "DRAWQZ", "GETVIEWER"}));
    engine.calls.clear();
    preview.placeViewer(300, 100);
    EXPECT_EQ(engine.calls, std::vector<std::string>({"JUMPVIEWER 300 100 56 3", "DRAWQZ", "GETVIEWER"}));
    EXPECT_EQ(live.moves.size(), 6u);
}

TEST_F(PreviewLogicTest, TheLivePreviewSaysWhyWhenTheMapCannotBeCompiledWrittenOrLoaded)
{
    RecordingLivePort live;
    addRoom(map, 400);
    std::filesystem::create_directory(dir.file("blocked.mpb"));
    LivePreview blocked(engine, map, live, dir.file("live.hdr"), dir.file("blocked.mpb"));
    blocked.refresh();
    ASSERT_EQ(live.faults.size(), 1u);
    EXPECT_NE(live.faults[0].find("blocked.mpb"), std::string::npos) << live.faults[0];
    EXPECT_FALSE(blocked.showing());

    LivePreview preview(engine, map, live, dir.file("live.hdr"), dir.file("live.mpb"));
    engine.bitmap = -1;
    preview.refresh();
    EXPECT_EQ(live.faults.back(), "The engine did not start on " + dir.file("live.hdr") + ".");
    engine.bitmap = 7;
    preview.refresh();
    ASSERT_TRUE(preview.showing());

    clsMap big;
    qzgen::generateRoomMap(big, {.walls = 2000, .seed = 2024});
    LivePreview tooBig(engine, big, live, dir.file("live.hdr"), dir.file("big.mpb"));
    tooBig.refresh();
    EXPECT_EQ(live.faults.back().rfind("The BSP tree of this map needs ", 0), 0u) << live.faults.back();
    EXPECT_FALSE(qz::fileExists(dir.file("big.mpb")));
}

TEST_F(PreviewLogicTest, TheEngineControlStartsTheRealEngineOnItsPictureAndMovesTheViewer)
{
    // The demo world's shipped header, with the room as its map.
    addRoom(map, 400);
    map.vx = 200;
    map.vy = 200;
    map.vz = 72;
    ASSERT_TRUE(source.compileScratch());
    qztest::writeText(dir.file("scratch.hdr"),
                      relocatedHeaderText(qztest::readText(qz::dataFile(qz::programFolder(), "scratch.hdr")),
                                          qz::programFolder(), dir.file("scratch.mpb")));
    std::vector<uint32_t> pixels(320 * 200, 0);
    struct SurfacePort : RecordingPort {
        int32_t dc = 0;
        int32_t pictureDC() override { return dc; }
    } surface;
    surface.dc = static_cast<int32_t>(RegisterWindowSurface(pixels.data(), 320, 200, 320 * 4));
    EngineLibrary& real = EngineLibrary::shipped();
    EngineControl control(real, surface, database, interpreter);
    control.qzRedraw();
    EXPECT_EQ(pixels, std::vector<uint32_t>(320 * 200, 0)) << "nothing to show before Init";

    std::string folder = dir.path(), name = "scratch.hdr";
    EXPECT_NE(control.qz3DInit(folder, name, 320, 200, 0, 0, 0, 0), 0) << "the first frame was copied";
    EXPECT_NE(pixels, std::vector<uint32_t>(320 * 200, 0));
    EXPECT_EQ(real.viewer(), (ViewerPlace {200, 200, 72, 0}));
    control.qzMoveViewer(0, 20, 0);
    EXPECT_EQ(real.viewer(), (ViewerPlace {200, 220, 72, 0}));
    control.qzMoveViewer(0, -20, 0);
    control.qzTurnViewer(5);
    EXPECT_EQ(real.viewer(), (ViewerPlace {200, 200, 72, 123}));
    EXPECT_EQ(control.qzGetViewerAreaNum(), 0);
    EXPECT_EQ(control.qzGetViewerAreaName(0), "Area0           ");
    control.qzFlush();
    UnregisterWindowSurface(static_cast<qz::Handle>(surface.dc));
}

}  // namespace
