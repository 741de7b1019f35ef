// Every kind of change the editor makes, undone and redone through the document: the map's file
// bytes come back exactly, and the modified state follows the file.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "editor/document/map_document.h"
#include "tests/support/test_support.h"

using namespace qzedit;

namespace {

class UndoKinds : public ::testing::Test {
protected:
    std::vector<uint8_t> fileBytes()
    {
        const std::string path = dir.file("now.map");
        EXPECT_TRUE(map.WriteNewMPB(path, false));
        return qztest::readBytes(path);
    }
    // A thick wall: two walls facing each other across a gap of 10, for a passage.
    void addFacingWalls()
    {
        map.addWall(0, 0, 90, 0, -1, -1);
        map.addWall(90, 10, 0, 10, -1, -1);
    }

    qztest::TempDir dir;
    clsMap map;
    MapDocument document {map};
};

struct Kind {
    const char* name;
    std::function<void(clsMap&)> work;
};

TEST_F(UndoKinds, EachWizardGeneratorAndEditUndoesAndRedoesToTheSameBytes)
{
    document.change("Room Wizard", [&] { map.addPolySurround(6, 100, 100, 200); });
    document.change("Passage Wizard", [&] { addFacingWalls(); });
    const std::vector<Kind> kinds = {
        {"Column Wizard", [](clsMap& m) { m.addPolyCol(8, 300, 300, 24); }},
        {"Room Wizard", [](clsMap& m) { m.addPolySurround(4, -400, -400, 128); }},
        {"Split wall", [](clsMap& m) { m.splitWall(2, 3); }},
        {"Passage Wizard", [](clsMap& m) { m.makePassage(m.numWalls - 2, m.numWalls - 1, true, 0, 0); }},
        {"Stair wizard", [](clsMap& m) {
             for (int step = 0; step < 3; ++step) m.addPolySurround(4, 500, static_cast<int16_t>(-40 * step), 40);
         }},
        {"Set Viewer", [](clsMap& m) {
             m.vx = m.insertX;
             m.vy = m.insertY;
         }},
        {"Edit Area", [](clsMap& m) {
             m.getArea(0);
             m.areaName = "Great Hall";
             m.areaCeilHtEnd = 300;
             m.setArea(0);
         }},
        {"Scale Area", [](clsMap& m) { m.scaleArea(1, 0.5f, 2.0f); }},
    };
    for (const Kind& kind : kinds) {
        SCOPED_TRACE(kind.name);
        const std::vector<uint8_t> before = fileBytes();
        const bool wasModified = document.modified();
        ASSERT_TRUE(document.change(kind.name, [&] { kind.work(map); }));
        const std::vector<uint8_t> after = fileBytes();
        ASSERT_NE(after, before);
        EXPECT_TRUE(document.modified());
        document.undo();
        EXPECT_EQ(fileBytes(), before);
        EXPECT_EQ(document.modified(), wasModified);
        document.redo();
        EXPECT_EQ(fileBytes(), after);
    }
}

TEST_F(UndoKinds, NewAndOpenAreUndoneBackToTheMapBeforeWithItsFileAndState)
{
    document.change("Room Wizard", [&] { map.addPolySurround(4, 0, 0, 100); });
    const std::string saved = dir.file("room.map");
    ASSERT_TRUE(map.WriteNewMPB(saved, false));
    document.markSaved(saved);
    document.change("Move Area", [&] { map.moveArea(0, 8, 8); });
    const std::vector<uint8_t> edited = fileBytes();

    clsMap other;
    other.addPolySurround(5, 500, 500, 60);
    const std::string otherFile = dir.file("other.map");
    ASSERT_TRUE(other.WriteNewMPB(otherFile, false));
    ASSERT_TRUE(document.replace("Open Map", [&] { return map.ReadNewMPB(otherFile).ok; }, otherFile));
    EXPECT_EQ(fileBytes(), qztest::readBytes(otherFile));
    EXPECT_FALSE(document.modified());
    ASSERT_TRUE(document.replace("New Map", [&] { map.clearMap(); return true; }, ""));
    EXPECT_EQ(map.numWalls, 0);
    EXPECT_FALSE(document.modified()) << "a new map has nothing to save";

    document.undo();
    EXPECT_EQ(fileBytes(), qztest::readBytes(otherFile));
    EXPECT_EQ(document.path(), otherFile);
    document.undo();
    EXPECT_EQ(fileBytes(), edited);
    EXPECT_EQ(document.path(), saved);
    EXPECT_TRUE(document.modified()) << "the moved room was never saved";
    document.undo();
    EXPECT_EQ(fileBytes(), qztest::readBytes(saved));
    EXPECT_FALSE(document.modified()) << "back to the saved state";
}

TEST_F(UndoKinds, ARecoveredMapBelongsToItsFileButIsNotSaved)
{
    document.change("Room Wizard", [&] { map.addPolySurround(4, 0, 0, 100); });
    const std::vector<uint8_t> before = fileBytes();
    ASSERT_TRUE(document.recover("Recover Map", [&] { map.addPolyCol(4, 30, 30, 10); return true; }, "/maps/a.map"));
    EXPECT_EQ(document.path(), "/maps/a.map");
    EXPECT_TRUE(document.modified());
    EXPECT_EQ(document.undoName(), "Recover Map");
    document.undo();
    EXPECT_EQ(fileBytes(), before);
    EXPECT_EQ(document.path(), "");
    document.redo();
    EXPECT_TRUE(document.modified());
    document.markSaved("/maps/a.map");
    EXPECT_FALSE(document.modified());
    EXPECT_FALSE(document.recover("Recover Map", [] { return false; }, "/maps/b.map"));
    EXPECT_EQ(document.path(), "/maps/a.map") << "a recovery file that cannot be read changes nothing";
}

TEST_F(UndoKinds, StateListenersHearChangesUndoRedoAndSaves)
{
    std::vector<std::string> heard;
    document.addStateListener([&] { heard.push_back(document.path() + (document.modified() ? "*" : "")); });
    const uint64_t start = document.revision();
    document.change("Set Viewer", [&] { map.vx = 10; });
    const uint64_t moved = document.revision();
    EXPECT_NE(moved, start);
    document.markSaved("/maps/a.map");
    document.undo();
    EXPECT_EQ(document.revision(), start) << "the same map, the same revision";
    document.redo();
    EXPECT_EQ(document.revision(), moved);
    EXPECT_FALSE(document.change("Set Viewer", [&] { map.vx = 10; }));
    EXPECT_EQ(heard, (std::vector<std::string> {"*", "/maps/a.map", "/maps/a.map*", "/maps/a.map"}));
}

}  // namespace
