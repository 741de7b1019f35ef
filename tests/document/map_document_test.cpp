#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

#include "editor/document/map_document.h"
#include "platform/run_error.h"
#include "tests/support/test_support.h"

using namespace qzedit;

namespace {

class Document : public ::testing::Test {
protected:
    // The map as its file would hold it.
    std::vector<uint8_t> fileBytes()
    {
        const std::string path = dir.file("map.map");
        EXPECT_TRUE(map.WriteNewMPB(path, false));
        return qztest::readBytes(path);
    }

    void addRoom(int32_t left, int32_t top, int32_t size)
    {
        const int32_t first = map.numWalls;
        map.startArea(first, 0);
        map.addWall(left, top, left + size, top, first, first + 1);
        map.addWall(left + size, top, left + size, top + size, first, first + 2);
        map.addWall(left + size, top + size, left, top + size, first, first + 3);
        map.addWall(left, top + size, left, top, first, -1);
        map.endArea();
    }

    qztest::TempDir dir;
    clsMap map;
    MapDocument document {map};
};

TEST_F(Document, UndoAndRedoRestoreTheFileBytesOfEveryKindOfChange)
{
    document.change("Room Wizard", [&] { addRoom(0, 0, 100); });
    struct Edit {
        const char* name;
        std::function<void()> work;
    };
    const std::vector<Edit> edits = {
        {"Edit Wall", [&] { map.wallRecord(2).txrWall = 7; }},
        {"Move Area", [&] { map.moveArea(0, 25.0f, -10.0f); }},
        {"Scale Area", [&] { map.scaleArea(0, 2.0f, 0.5f); }},
        {"Set Viewer", [&] { map.vx = -0.0; map.vy = 1e300; }},
        {"Edit Global", [&] { map.getGlobal(4); map.globalValue = 48; map.setGlobal(4); }},
        {"Edit Viewpoint", [&] { map.viewpointRecord(0).name.assign("Door"); }},
        {"Split Wall", [&] { map.splitWall(1, 2); }},
        {"Room Wizard", [&] { addRoom(-300, 200, 64); }},
    };
    for (const Edit& edit : edits) {
        const std::vector<uint8_t> before = fileBytes();
        ASSERT_TRUE(document.change(edit.name, edit.work)) << edit.name;
        const std::vector<uint8_t> after = fileBytes();
        ASSERT_NE(before, after) << edit.name;
        EXPECT_EQ(document.undoName(), edit.name);
        document.undo();
        EXPECT_EQ(fileBytes(), before) << edit.name;
        EXPECT_EQ(document.redoName(), edit.name);
        document.redo();
        EXPECT_EQ(fileBytes(), after) << edit.name;
    }
}

TEST_F(Document, AChangeThatChangesNothingLeavesNoStep)
{
    std::vector<std::string> heard;
    document.addListener([&](const MapDocument::Event& e) { heard.push_back(e.name); });
    EXPECT_FALSE(document.change("Edit Wall", [&] { map.vz = map.vz; }));
    EXPECT_FALSE(document.canUndo());
    EXPECT_EQ(document.undoName(), "");
    EXPECT_TRUE(heard.empty());
    EXPECT_FALSE(document.modified());
}

TEST_F(Document, AFailedChangeLeavesTheMapAsItWas)
{
    addRoom(0, 0, 50);
    const std::vector<uint8_t> before = fileBytes();
    EXPECT_THROW(document.change("Room Wizard",
                                 [&] {
                                     addRoom(100, 100, 50);
                                     qz::raiseOverflow();
                                 }),
                 qz::RunError);
    EXPECT_EQ(fileBytes(), before) << "no half room is left behind";
    EXPECT_EQ(map.numWalls, 4);
    EXPECT_FALSE(document.canUndo());
}

TEST_F(Document, ANewChangeEndsTheStepsThatWereUndone)
{
    document.change("First", [&] { map.vz = 1; });
    document.change("Second", [&] { map.vz = 2; });
    document.undo();
    EXPECT_TRUE(document.canRedo());
    document.change("Third", [&] { map.vz = 3; });
    EXPECT_FALSE(document.canRedo());
    EXPECT_EQ(document.redoName(), "");
    document.undo();
    EXPECT_EQ(map.vz, 1);
    EXPECT_EQ(document.undoName(), "First");
}

TEST_F(Document, TwoHundredStepsUndoToTheStartAndTheHistoryStaysBounded)
{
    addRoom(0, 0, 400);
    const std::vector<uint8_t> start = fileBytes();
    for (int32_t step = 1; step <= 200; ++step)
        document.change("Move Area", [&] { map.moveArea(0, 1.0f, static_cast<float>(step % 3)); });
    EXPECT_EQ(document.stepCount(), 200u);
    for (int32_t step = 0; step < 200; ++step) document.undo();
    EXPECT_FALSE(document.canUndo());
    EXPECT_EQ(fileBytes(), start);

    for (size_t step = 0; step < MapDocument::kMaxSteps + 5; ++step)
        document.change("Edit Map", [&] { map.vz = static_cast<int32_t>(step) + 1000; });
    EXPECT_EQ(document.stepCount(), MapDocument::kMaxSteps) << "the oldest steps are dropped";
    EXPECT_LT(document.historyBytes(), MapDocument::kMaxHistoryBytes);
}

TEST_F(Document, ModifiedFollowsTheSavedStateThroughUndoAndRedo)
{
    EXPECT_FALSE(document.modified());
    document.change("Edit Map", [&] { map.vz = 5; });
    EXPECT_TRUE(document.modified());
    document.undo();
    EXPECT_FALSE(document.modified()) << "back to the state of the file";
    document.redo();
    document.markSaved("/maps/a.map");
    EXPECT_FALSE(document.modified());
    EXPECT_EQ(document.path(), "/maps/a.map");
    document.undo();
    EXPECT_TRUE(document.modified()) << "the saved file holds the change that was undone";
    document.redo();
    EXPECT_FALSE(document.modified());
}

TEST_F(Document, ReplacingTheMapIsUndoneWithItsPathAndModifiedState)
{
    document.change("Room Wizard", [&] { addRoom(0, 0, 100); });
    const std::vector<uint8_t> edited = fileBytes();
    ASSERT_TRUE(document.modified());

    ASSERT_TRUE(document.replace("Open Map", [&] { map.clearMap(); addRoom(500, 500, 30); return true; }, "/maps/b.map"));
    EXPECT_EQ(document.path(), "/maps/b.map");
    EXPECT_FALSE(document.modified());
    EXPECT_EQ(document.undoName(), "Open Map");

    document.undo();
    EXPECT_EQ(fileBytes(), edited);
    EXPECT_EQ(document.path(), "");
    EXPECT_TRUE(document.modified()) << "the map before the open had unsaved changes";

    document.redo();
    EXPECT_EQ(document.path(), "/maps/b.map");
    EXPECT_FALSE(document.modified());
    EXPECT_EQ(map.wallRecord(0).x1, 500);
}

TEST_F(Document, ARefusedReplacementKeepsTheMapThePathAndTheHistory)
{
    document.change("Set Viewer", [&] { map.vx = 10; });
    document.markSaved("/maps/a.map");
    const std::vector<uint8_t> before = fileBytes();
    EXPECT_FALSE(document.replace("Open Map", [&] { map.vx = 99; return false; }, "/maps/broken.map"));
    EXPECT_EQ(fileBytes(), before);
    EXPECT_EQ(document.path(), "/maps/a.map");
    EXPECT_EQ(document.undoName(), "Set Viewer");
    EXPECT_FALSE(document.modified());
}

TEST_F(Document, ListenersHearEveryChangeUndoAndRedoByName)
{
    std::vector<std::string> heard;
    document.addListener([&](const MapDocument::Event& e) {
        const char* kinds[] = {"changed", "undone", "redone"};
        heard.push_back(std::string(kinds[static_cast<int>(e.kind)]) + " " + e.name);
    });
    document.change("Set Viewer", [&] { map.vx = 10; });
    document.undo();
    document.redo();
    document.replace("New Map", [&] { map.clearMap(); return true; }, "");
    EXPECT_EQ(heard, (std::vector<std::string> {"changed Set Viewer", "undone Set Viewer", "redone Set Viewer",
                                                "changed New Map"}));
}

TEST_F(Document, ChangesMadeOutsideANamedChangeAreNotUndoneByTheNextUndo)
{
    document.change("First", [&] { map.vz = 1; });
    map.vd = 9;  // not through the document
    document.undo();
    EXPECT_EQ(map.vz, 64);
    EXPECT_EQ(map.vd, 9);
}

}  // namespace
