// Never losing work: the save question before the map is put aside, the caption, Undo and Redo in
// the menu, the autosave into the recovery folder and the offer of what an ended editor left there.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "editor/shell/logic/autosave.h"
#include "editor/shell/logic/recovery_folder.h"
#include "editor/shell/logic/recovery_offer.h"
#include "editor/shell/logic/undo_menu.h"
#include "editor/shell/logic/window_caption.h"
#include "platform/files.h"
#include "tests/shell/commands_fixture.h"

using namespace qzedit;

namespace {

const std::vector<std::string> kSaveButtons {"Save", "Discard", "Cancel"};

struct SavePrompt : CommandsFixture {
    // The map of room.map, opened, then moved: a change not yet saved.
    void openAndMove()
    {
        roomFile = writeRoom("room.map", 0, 0);
        commands.openMapFile(roomFile);
        ASSERT_TRUE(document.change("Move Area", [&] { map.moveArea(0, 64, 0); }));
    }
    std::string roomFile;
};

TEST_F(SavePrompt, CancelKeepsTheMapOnNewOpenARecentFileImportAndExit)
{
    openAndMove();
    const std::vector<uint8_t> moved = fileBytes();
    commands.recentFiles().add(writeRoom("other.map", 500, 500));
    for (const char* command : {"itmNewMap", "itmOpenMap", "itmRecentFile1", "itmImportWAD", "itmExit"}) {
        SCOPED_TRACE(command);
        questions.answers = {"Cancel"};
        questions.asked.clear();
        ASSERT_TRUE(commands.run(command));
        ASSERT_EQ(questions.asked.size(), 1u);
        EXPECT_EQ(questions.asked[0].text, "Save changes to room.map?");
        EXPECT_EQ(questions.asked[0].title, "Quarzite3D Map Editor");
        EXPECT_EQ(questions.asked[0].buttons, kSaveButtons);
        EXPECT_EQ(fileBytes(), moved);
        EXPECT_EQ(document.path(), roomFile);
        EXPECT_TRUE(document.modified());
    }
    EXPECT_TRUE(dialogs.requests.empty()) << "no file dialog after Cancel";
    EXPECT_EQ(std::count(windows.calls.begin(), windows.calls.end(), "exitProgram"), 0);
    EXPECT_EQ(document.undoName(), "Move Area");

    questions.answers = {};
    ASSERT_TRUE(commands.run("itmNewMap"));
    EXPECT_EQ(fileBytes(), moved) << "a question closed without an answer is a Cancel";
}

TEST_F(SavePrompt, DiscardGoesOnAndSaveWritesTheFileFirst)
{
    openAndMove();
    const std::vector<uint8_t> moved = fileBytes();
    questions.answers = {"Save"};
    commands.run("itmNewMap");
    EXPECT_EQ(qztest::readBytes(roomFile), moved) << "saved to its own file before the new map";
    EXPECT_EQ(map.numWalls, 0);
    EXPECT_FALSE(document.modified());

    ASSERT_TRUE(document.change("Room Wizard", [&] { map.addPolySurround(4, 0, 0, 50); }));
    questions.answers = {"Save"};
    commands.run("itmExit");
    ASSERT_EQ(dialogs.requests.size(), 1u) << "a map without a file is saved as";
    EXPECT_EQ(dialogs.requests[0].kind, "save");
    EXPECT_EQ(std::count(windows.calls.begin(), windows.calls.end(), "exitProgram"), 0)
        << "Save As cancelled: nothing saved, so the editor stays";
    EXPECT_EQ(questions.asked.back().text, "Save changes to untitled.map?");

    questions.answers = {"Discard"};
    commands.run("itmExit");
    EXPECT_EQ(std::count(windows.calls.begin(), windows.calls.end(), "exitProgram"), 1);
    EXPECT_TRUE(document.modified()) << "Discard leaves the map as it is until the editor ends";
}

TEST_F(SavePrompt, AMapWithoutUnsavedChangesIsNotAskedAbout)
{
    commands.openMapFile(writeRoom("room.map", 0, 0));
    document.change("Move Area", [&] { map.moveArea(0, 10, 10); });
    document.undo();
    commands.run("itmExit");
    EXPECT_TRUE(questions.asked.empty());
    EXPECT_EQ(windows.calls.back(), "exitProgram");
}

TEST(WorkKeeping, CaptionAndUndoItemsNameTheMapAndTheStep)
{
    EXPECT_EQ(mainWindowCaption("", false), "untitled.map - Quarzite3D Map Editor");
    EXPECT_EQ(mainWindowCaption("/home/a/maps/castle.map", true), "castle.map* - Quarzite3D Map Editor");
    EXPECT_EQ(mapDisplayName("/maps/x.map"), "x.map");

    clsMap map;
    MapDocument document(map);
    EXPECT_EQ(undoMenuItem(&document), (MenuItemState {"&Undo", false}));
    EXPECT_EQ(redoMenuItem(&document), (MenuItemState {"&Redo", false}));
    EXPECT_EQ(undoMenuItem(nullptr), (MenuItemState {"&Undo", false}));
    map.addPolySurround(4, 0, 0, 10);
    document.change("Move Area", [&] { map.moveArea(0, 1, 1); });
    EXPECT_EQ(undoMenuItem(&document), (MenuItemState {"&Undo Move Area", true}));
    document.undo();
    EXPECT_EQ(undoMenuItem(&document), (MenuItemState {"&Undo", false}));
    EXPECT_EQ(redoMenuItem(&document), (MenuItemState {"&Redo Move Area", true}));
}

TEST_F(SavePrompt, UndoAndRedoCommandsTakeTheStepsBackAndForth)
{
    openAndMove();
    const std::vector<uint8_t> moved = fileBytes();
    commands.run("itmUndo");
    EXPECT_EQ(fileBytes(), qztest::readBytes(roomFile));
    EXPECT_FALSE(document.modified());
    commands.run("itmRedo");
    EXPECT_EQ(fileBytes(), moved);
    commands.run("itmUndo");
    commands.run("itmUndo");
    EXPECT_EQ(map.numWalls, 0) << "the open undone";
    EXPECT_EQ(document.path(), "");
    commands.run("itmUndo");
    EXPECT_EQ(map.numWalls, 0) << "nothing more to undo";
}

// The autosave with a clock the test sets.
struct AutosaveFixture : CommandsFixture {
    AutosaveFixture() : folder(dir.file("recovery")), autosave(document, folder, [this] { return now; }, 120) {}

    std::vector<std::string> recoveryFiles() const
    {
        std::vector<std::string> names;
        std::error_code none;
        for (const auto& entry : std::filesystem::directory_iterator(dir.file("recovery"), none))
            names.push_back(entry.path().extension().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    double now = 0;
    RecoveryFolder folder;
    Autosave autosave;
};

TEST_F(AutosaveFixture, WritesTheMapAfterTheIntervalIntoItsOwnFileAndRemovesItOnceSaved)
{
    const std::string room = writeRoom("room.map", 0, 0);
    commands.openMapFile(room);
    const std::vector<uint8_t> roomBytes = qztest::readBytes(room);
    now = 1000;
    autosave.poll();
    EXPECT_FALSE(qz::fileExists(folder.mapFile())) << "nothing unsaved";

    now = 2000;
    document.change("Move Area", [&] { map.moveArea(0, 16, 0); });
    now = 2119;
    autosave.poll();
    EXPECT_FALSE(qz::fileExists(folder.mapFile()));
    now = 2120;
    autosave.poll();
    ASSERT_TRUE(qz::fileExists(folder.mapFile()));
    EXPECT_EQ(qztest::readBytes(folder.mapFile()), fileBytes());
    EXPECT_EQ(qztest::readBytes(room), roomBytes) << "never over the user's own file";
    EXPECT_EQ(recoveryFiles(), (std::vector<std::string> {".ini", ".lock", ".map"}));
    EXPECT_EQ(qztest::readText(dir.file("recovery/" + std::filesystem::path(folder.mapFile()).stem().string() + ".ini")),
              "[recovery]\npath=" + room + "\n");

    const std::vector<uint8_t> firstWrite = fileBytes();
    now = 2200;
    document.change("Move Area", [&] { map.moveArea(0, 0, 16); });
    now = 2319;
    autosave.poll();
    EXPECT_EQ(qztest::readBytes(folder.mapFile()), firstWrite);
    now = 2320;
    autosave.poll();
    EXPECT_EQ(qztest::readBytes(folder.mapFile()), fileBytes());

    commands.run("itmSaveMap");
    EXPECT_FALSE(qz::fileExists(folder.mapFile())) << "saved: nothing left to recover";
    EXPECT_EQ(recoveryFiles(), std::vector<std::string> {});
}

TEST_F(AutosaveFixture, UndoBackToTheSavedStateRemovesTheFileAndACleanExitToo)
{
    commands.openMapFile(writeRoom("room.map", 0, 0));
    document.change("Move Area", [&] { map.moveArea(0, 16, 0); });
    now = 200;
    autosave.poll();
    ASSERT_TRUE(qz::fileExists(folder.mapFile()));
    document.undo();
    EXPECT_FALSE(qz::fileExists(folder.mapFile()));
    document.redo();
    now = 300;
    autosave.poll();
    EXPECT_FALSE(qz::fileExists(folder.mapFile())) << "the interval runs from the redo";
    now = 320;
    autosave.poll();
    ASSERT_TRUE(qz::fileExists(folder.mapFile()));
    autosave.finish();
    EXPECT_EQ(recoveryFiles(), std::vector<std::string> {});
}

TEST_F(AutosaveFixture, AFailedWriteIsReportedAndTriedAgainAnIntervalLater)
{
    qztest::writeText(dir.file("recovery"), "a file where the folder should be");
    std::vector<std::string> failures;
    autosave.onFailure = [&](const std::string& message) { failures.push_back(message); };
    document.change("Room Wizard", [&] { map.addPolySurround(4, 0, 0, 50); });
    now = 120;
    autosave.poll();
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_EQ(failures[0].rfind("Autosave failed: ", 0), 0u) << failures[0];
    now = 200;
    autosave.poll();
    EXPECT_EQ(failures.size(), 1u);
    now = 240;
    autosave.poll();
    EXPECT_EQ(failures.size(), 2u);
}

TEST_F(AutosaveFixture, KeepNowWritesAtOnceWhenChangesWait)
{
    autosave.keepNow();
    EXPECT_FALSE(qz::fileExists(folder.mapFile()));
    document.change("Room Wizard", [&] { map.addPolySurround(4, 0, 0, 50); });
    autosave.keepNow();
    EXPECT_EQ(qztest::readBytes(folder.mapFile()), fileBytes());
}

// Recovery files of editors that ended, seen from other editors.
struct LeftBehind : CommandsFixture {
    // What an editor that was killed leaves: its files, with nobody holding their lock.
    std::string leaveWork(const std::string& originalPath, int16_t roomLeft)
    {
        clsMap lost;
        lost.addPolySurround(4, roomLeft, 0, 100);
        RecoveryFolder killed(folderPath);
        std::string error;
        EXPECT_TRUE(killed.write(lost, originalPath, error)) << error;
        return killed.mapFile();
    }
    std::string folderPath = dir.file("recovery");
};

TEST_F(LeftBehind, TwoRunningEditorsNeverTakeEachOthersFile)
{
    clsMap mapA;
    mapA.addPolySurround(4, 0, 0, 10);
    RecoveryFolder editorA(folderPath), editorB(folderPath);
    std::string error;
    ASSERT_TRUE(editorA.write(mapA, "/maps/a.map", error));
    ASSERT_TRUE(editorB.write(mapA, "/maps/b.map", error));
    EXPECT_NE(editorA.mapFile(), editorB.mapFile());
    EXPECT_TRUE(editorA.leftBehind().empty());
    EXPECT_TRUE(editorB.leftBehind().empty());
    RecoveryFolder starting(folderPath);
    EXPECT_TRUE(starting.leftBehind().empty()) << "both editors still run";
}

TEST_F(LeftBehind, AFileWhoseEditorEndedIsOfferedOnceAtATime)
{
    const std::string lost = leaveWork("/maps/castle.map", 0);
    RecoveryFolder first(folderPath), second(folderPath);
    std::vector<LeftWork> found = first.leftBehind();
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].mapFile, lost);
    EXPECT_EQ(found[0].originalPath, "/maps/castle.map");
    EXPECT_TRUE(second.leftBehind().empty()) << "claimed by the first";
    first.release(found[0]);
    ASSERT_EQ(second.leftBehind().size(), 1u);
    second.dispose(found[0]);
    EXPECT_FALSE(qz::fileExists(lost));
    EXPECT_TRUE(RecoveryFolder(folderPath).leftBehind().empty());
}

TEST_F(LeftBehind, RecoverPutsTheMapInPlaceAsAnUnsavedChangeOfItsFile)
{
    commands.openMapFile(writeRoom("room.map", 0, 0));
    const std::vector<uint8_t> opened = fileBytes();
    const std::string lost = leaveWork(dir.file("castle.map"), 300);
    const std::vector<uint8_t> lostBytes = qztest::readBytes(lost);
    RecoveryFolder folder(folderPath);
    questions.answers = {"Recover"};
    commands.offerRecovery(folder);
    ASSERT_EQ(questions.asked.size(), 1u);
    EXPECT_EQ(questions.asked[0].text, "The editor ended before the changes to castle.map were saved. Recover the changes?");
    EXPECT_EQ(questions.asked[0].title, "Recover Changes");
    EXPECT_EQ(questions.asked[0].buttons, (std::vector<std::string> {"Recover", "Discard"}));
    EXPECT_EQ(fileBytes(), lostBytes);
    EXPECT_EQ(document.path(), dir.file("castle.map"));
    EXPECT_TRUE(document.modified());
    EXPECT_EQ(document.undoName(), "Recover Map");
    EXPECT_FALSE(qz::fileExists(lost)) << "taken";
    ASSERT_GE(shell.nodes.size(), 2u) << "listed in the project tree";
    EXPECT_EQ(shell.nodes[0].key + " " + shell.nodes[0].text, "a0 RoomID0");
    EXPECT_EQ(shell.nodes[1].parent + " " + shell.nodes[1].key + " " + shell.nodes[1].text, "a0 w0 Wall0");
    EXPECT_EQ(windows.calls.back(), "showMapView");
    document.undo();
    EXPECT_EQ(fileBytes(), opened);
}

TEST_F(LeftBehind, DiscardRemovesItAndNoAnswerKeepsItForTheNextStart)
{
    const std::string kept = leaveWork("", 0);
    RecoveryFolder folder(folderPath);
    EXPECT_FALSE(offerLeftWork(folder, document));
    EXPECT_EQ(questions.asked.at(0).text, "The editor ended before the changes to untitled.map were saved. Recover the changes?");
    EXPECT_TRUE(qz::fileExists(kept));
    EXPECT_EQ(map.numWalls, 0);
    questions.answers = {"Discard"};
    EXPECT_FALSE(offerLeftWork(folder, document));
    EXPECT_FALSE(qz::fileExists(kept));
    EXPECT_FALSE(document.canUndo());
}

TEST_F(LeftBehind, ADamagedRecoveryFileIsReportedAndKept)
{
    const std::string damaged = leaveWork("/maps/a.map", 0);
    qztest::writeText(damaged, "QZ3D this is not a map");
    RecoveryFolder folder(folderPath);
    questions.answers = {"Recover"};
    EXPECT_FALSE(offerLeftWork(folder, document));
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].title, "Read Error");
    EXPECT_TRUE(qz::fileExists(damaged));
    EXPECT_FALSE(document.canUndo());
    EXPECT_EQ(document.path(), "");
}

}  // namespace
