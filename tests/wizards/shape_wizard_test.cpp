#include <gtest/gtest.h>

#include <filesystem>

#include "editor/document/map_document.h"
#include "editor/model/clsMap.h"
#include "editor/wizards/logic/shape_wizard.h"
#include "tests/support/test_support.h"
#include "tests/wizards/map_segments.h"

using namespace qzedit;
using qztest::segments;

namespace {

namespace fs = std::filesystem;

struct ShapeFolder : ::testing::Test {
    void put(const std::string& name, const std::string& text) const { qztest::writeText(dir.file(name), text); }
    // Loads the folder and selects the named file.
    void choose(const std::string& name)
    {
        wizard.load(dir.path());
        const auto& shapes = wizard.shapes();
        wizard.selected = static_cast<int>(std::find(shapes.begin(), shapes.end(), name) - shapes.begin());
        ASSERT_LT(wizard.selected, static_cast<int>(shapes.size())) << name;
    }

    qztest::TempDir dir;
    clsMap map;
    MapDocument document {map};
    ShapeWizard wizard;
    qztest::MessageRecorder messages;
};

const char* const kSquare = "<QZSHAPE>\n"
                            "<TURTLEWALL>AR90,FD100</TURTLEWALL>\n"
                            "<TURTLEWALL>RT90,FD100</TURTLEWALL>\n"
                            "<TURTLEWALL>RT90,FD100</TURTLEWALL>\n"
                            "<TURTLEWALL>RT90,FD100</TURTLEWALL>\n"
                            "<WALL>0,200,100,200</WALL>\n";

}  // namespace

TEST_F(ShapeFolder, ListsTheShapeFilesByNameAndSelectsTheFirst)
{
    put("b.xml", kSquare);
    put("a.XML", kSquare);
    put("notes.txt", "x");
    fs::create_directory(dir.file("sub.xml"));
    wizard.load(dir.path());
    EXPECT_EQ(wizard.shapes(), (std::vector<std::string> {"a.XML", "b.xml"}));
    EXPECT_EQ(wizard.selected, 0);
    EXPECT_EQ(wizard.emptyNote(), "");
}

TEST_F(ShapeFolder, AnEmptyOrMissingFolderSaysSo)
{
    wizard.load(dir.path());
    EXPECT_TRUE(wizard.shapes().empty());
    EXPECT_EQ(wizard.selected, -1);
    EXPECT_EQ(wizard.emptyNote(), "No shape files (*.xml) in " + dir.path() + ".");
    wizard.load("");
    EXPECT_EQ(wizard.emptyNote(), "No shape files (*.xml) in the shape folder.");
    EXPECT_EQ(wizard.preview(100, 50).size(), 2u);
    EXPECT_EQ(wizard.create(document, 100, 50).size(), 2u);
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(map.numWalls, 0);
}

TEST_F(ShapeFolder, PreviewDrawsTheAxesAndTheShapeAboutTheCentre)
{
    put("square.xml", kSquare);
    choose("square.xml");
    const std::vector<PreviewLine> picture = wizard.preview(320, 240);
    EXPECT_EQ(picture, (std::vector<PreviewLine> {{0, 120, 320, 120},
                                                  {160, 0, 160, 240},
                                                  {160, 120, 260, 120},
                                                  {260, 120, 260, 220},
                                                  {260, 220, 160, 220},
                                                  {160, 220, 160, 120},
                                                  {160, 320, 260, 320}}));
    EXPECT_EQ(map.numWalls, 0);
}

TEST_F(ShapeFolder, CreateAddsTheWallsAtTheInsertionPointAsOneStep)
{
    put("square.xml", kSquare);
    choose("square.xml");
    map.insertX = 1000;
    map.insertY = -500;
    EXPECT_EQ(wizard.create(document, 320, 240).size(), 2u);
    ASSERT_EQ(map.numWalls, 5);
    EXPECT_EQ(segments(map, 0, 5), (std::vector<qztest::Segment> {{1000, -500, 1100, -500},
                                                                    {1100, -500, 1100, -400},
                                                                    {1100, -400, 1000, -400},
                                                                    {1000, -400, 1000, -500},
                                                                    {1000, -300, 1100, -300}}));
    EXPECT_EQ(map.wallRecord(4).areaFirst, 0);
    EXPECT_EQ(map.wallRecord(4).areaNext, 0);
    EXPECT_EQ(document.undoName(), "Shape Wizard");
    EXPECT_EQ(document.stepCount(), 1u);
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(ShapeFolder, EachAreaTagBeepsOnceAndCreatesNoArea)
{
    put("areas.xml", "<qzshape v2><AREA name=\"hall\"><WALL>0,0,10,0</WALL></AREA><AREA /></qzshape>");
    choose("areas.xml");
    wizard.preview(100, 100);
    EXPECT_EQ(messages.beeps, 2);
    wizard.create(document, 100, 100);
    EXPECT_EQ(messages.beeps, 4);
    EXPECT_EQ(map.numAreas, 0);
    EXPECT_EQ(map.numWalls, 1);
}

TEST_F(ShapeFolder, ABadFileAddsNothingAndSaysWhatAndWhere)
{
    put("broken.xml", "<QZSHAPE>\n<WALL>0,0,10,0</WALL>\n<WALL>10,0,10,10</WALL>\n<WALL>10,10\n");
    choose("broken.xml");
    EXPECT_EQ(wizard.create(document, 100, 100).size(), 2u);
    EXPECT_EQ(map.numWalls, 0);
    EXPECT_FALSE(document.canUndo());
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "broken.xml: line 4: the wall element has no closing tag \"</WALL>\".");
    EXPECT_EQ(messages.messages[0].title, "Invalid file");
    EXPECT_EQ(messages.messages[0].style, 16);

    put("plain.xml", "<?xml version=\"1.0\"?>\n<QZSHAPE></QZSHAPE>");
    choose("plain.xml");
    EXPECT_EQ(wizard.preview(100, 100).size(), 2u);
    EXPECT_EQ(messages.messages[1].text, "Does not appear to be a valid QZShape. Missing header.");
    EXPECT_EQ(messages.messages[1].title, "Invalid file");

    choose("plain.xml");
    fs::remove(dir.file("plain.xml"));
    wizard.create(document, 100, 100);
    EXPECT_EQ(messages.messages[2].text, "plain.xml: the file cannot be read.");
    EXPECT_EQ(map.numWalls, 0);
}

TEST_F(ShapeFolder, AShapeThatWouldLeaveTheRangeAtTheInsertionPointIsRefused)
{
    put("long.xml", "<QZSHAPE>\n<WALL>0,0,10,0</WALL>\n<WALL>0,0,30000,0</WALL>");
    choose("long.xml");
    map.insertX = 5000;
    wizard.create(document, 100, 100);
    EXPECT_EQ(map.numWalls, 0);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text,
              "long.xml: line 3: at the insertion point (5000, 100) the wall would reach outside -32768 to 32767.");

    while (map.numWalls < clsMap::kWallSlots - 1) map.addWall(0, 0, 1, 0, 0, -1);
    map.insertX = 0;
    wizard.create(document, 100, 100);
    EXPECT_EQ(messages.messages[1].text, "long.xml: its 2 walls do not fit in the map, which has room for 1 more (2001 "
                                         "walls at most).");
    EXPECT_EQ(map.numWalls, clsMap::kWallSlots - 1);
}

TEST(ShippedShapes, EveryShapeCreatesWithoutAMessageAndItsWallsCompile)
{
    ShapeWizard wizard;
    wizard.load(QZ_SHAPE_SOURCE_DIR);
    ASSERT_GE(wizard.shapes().size(), 10u);
    bool turtles = false;
    bool walls = false;
    for (size_t i = 0; i < wizard.shapes().size(); ++i) {
        const std::string& name = wizard.shapes()[i];
        const std::string text = qztest::readText(std::string(QZ_SHAPE_SOURCE_DIR) + "/" + name);
        turtles = turtles || text.find("<TURTLEWALL>") != std::string::npos;
        walls = walls || text.find("<WALL>") != std::string::npos;
        clsMap map;
        MapDocument document(map);
        qztest::MessageRecorder messages;
        map.insertX = 2000;
        map.insertY = 2000;
        wizard.selected = static_cast<int>(i);
        EXPECT_GT(wizard.preview(320, 240).size(), 2u) << name;
        wizard.create(document, 320, 240);
        EXPECT_TRUE(messages.messages.empty()) << name << ": " << messages.messages[0].text;
        EXPECT_EQ(messages.beeps, 0) << name;
        EXPECT_GE(map.numWalls, 2) << name;
        const Outcome compiled = map.createBSP();
        EXPECT_TRUE(compiled.ok) << name << ": " << compiled.text;
        EXPECT_GE(map.numTreeSegs, map.numWalls) << name;
    }
    EXPECT_TRUE(turtles);
    EXPECT_TRUE(walls);
}
