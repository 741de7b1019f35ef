#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/wizards/generators/shape_file.h"

using namespace qzedit;

namespace {

using Lines = std::vector<ShapeLine>;

ShapeScan scan(const std::string& text)
{
    ShapeScan s = scanShape(text);
    EXPECT_TRUE(s.ok) << s.problem;
    return s;
}

std::string problem(const std::string& text)
{
    ShapeScan s = scanShape(text);
    EXPECT_FALSE(s.ok);
    EXPECT_TRUE(s.lines.empty()) << "a bad file gives no walls";
    return s.problem;
}

}  // namespace

TEST(ShapeFile, TheSquareAndTheFreeWallExample)
{
    const ShapeScan s = scan("<QZSHAPE>\n"
                             "<TURTLEWALL>AR90,FD100</TURTLEWALL>\n"
                             "<TURTLEWALL>RT90,FD100</TURTLEWALL>\n"
                             "<TURTLEWALL>RT90,FD100</TURTLEWALL>\n"
                             "<TURTLEWALL>RT90,FD100</TURTLEWALL>\n"
                             "<WALL>0,200,100,200</WALL>\n");
    EXPECT_EQ(s.lines, (Lines {{0, 0, 100, 0, 2}, {100, 0, 100, 100, 3}, {100, 100, 0, 100, 4}, {0, 100, 0, 0, 5},
                               {0, 200, 100, 200, 6}}));
    EXPECT_EQ(s.areaTags, 0);
}

TEST(ShapeFile, TurtleStepsTurnWithTheirOwnDegreeConstantAndASingleHeading)
{
    EXPECT_EQ(scan("<QZSHAPE><TURTLEWALL>AR90,FD100</TURTLEWALL><TURTLEWALL>LT90,FD100</TURTLEWALL>").lines,
              (Lines {{0, 0, 100, 0, 1}, {100, 0, 100, -100, 1}}));
    EXPECT_EQ(scan("<QZSHAPE><TURTLEWALL>RT45,FD100</TURTLEWALL>").lines, (Lines {{0, 0, -71, 71, 1}}));
    // AL is absolute as AR is; letters in any case; an unknown turn keeps the heading.
    EXPECT_EQ(scan("<QZSHAPE><turtlewall>al180,fd10</turtlewall><TurtleWall>XX5,Fd10</TurtleWall>").lines,
              (Lines {{0, 0, 0, -10, 1}, {0, -10, 0, -20, 1}}));
}

TEST(ShapeFile, MovesOtherThanForwardAndMovesOfNothing)
{
    // BD walks backwards; a move of 0 or an unknown move turns the pen and adds no wall.
    EXPECT_EQ(scan("<QZSHAPE><TURTLEWALL>AR0,BD30</TURTLEWALL><TURTLEWALL>RT90,FD0</TURTLEWALL>"
                   "<TURTLEWALL>RT0,ZZ50</TURTLEWALL><TURTLEWALL>RT0,FD20</TURTLEWALL>"
                   "<TURTLEWALL>AR0,FD0.4</TURTLEWALL>")
                  .lines,
              (Lines {{0, 0, 0, -30, 1}, {0, -30, -20, -30, 1}}));
    EXPECT_TRUE(scan("<QZSHAPE><WALL>5,5,5,5</WALL>").lines.empty());
}

TEST(ShapeFile, WallsAndTurtleStepsContinueFromEachOther)
{
    EXPECT_EQ(scan("<QZSHAPE><WALL>10,20,30,40</WALL><TURTLEWALL>AR0,FD10</TURTLEWALL><WALL> 2.5 , 3.5,-1.5,x</WALL>")
                  .lines,
              (Lines {{10, 20, 30, 40, 1}, {30, 40, 30, 50, 1}, {2, 4, -2, 0, 1}}));
}

TEST(ShapeFile, HeaderNamesAndTagsWithoutRegardToCase)
{
    const ShapeScan s = scan("<qzshape version=\"1.0\" note>\n<wall>0,0,10,0</wall>\n<Wall id=\"x\">0,5,10,5</WALL>");
    EXPECT_EQ(s.lines, (Lines {{0, 0, 10, 0, 2}, {0, 5, 10, 5, 3}}));
    // A name runs up to a space, a control character or ">": "<WALLS" and "<WALL/" are other tags.
    EXPECT_TRUE(scan("<QZSHAPE><WALLS>1,2,3,4</WALLS><WALL/>").lines.empty());
    EXPECT_EQ(scan("<QZSHAPE><WALL\t>1,2,3,4</WALL>").lines, (Lines {{1, 2, 3, 4, 1}}));
}

TEST(ShapeFile, AreaTagsAreCountedAndOtherTagsAndTextIgnored)
{
    const ShapeScan s = scan("<QZSHAPE>text <AREA name=\"a\"></AREA> <area /> <area/> <!-- note --> <NAME>x</NAME>");
    EXPECT_EQ(s.areaTags, 2);
    EXPECT_TRUE(s.lines.empty());
    EXPECT_EQ(scan("<QZSHAPE>").areaTags, 0);
    EXPECT_TRUE(scan("<QZSHAPE>").lines.empty());
}

TEST(ShapeFile, AFileWithoutTheHeaderIsRefused)
{
    for (const char* text : {"", "no tags at all", "<?xml version=\"1.0\"?><QZSHAPE>", "<QZSHAP>", "< QZSHAPE>", "<"})
        EXPECT_EQ(problem(text), ShapeScan::kMissingHeader) << text;
}

TEST(ShapeFile, FaultsAreNamedWithTheirLine)
{
    EXPECT_EQ(problem("<QZSHAPE"), "line 1: the header tag has no closing \">\"");
    EXPECT_EQ(problem("<QZSHAPE>\n<WALL>0,0,1,1</WALL>\n<WALL>0,0,1,1"),
              "line 3: the wall element has no closing tag \"</WALL>\"");
    EXPECT_EQ(problem("<QZSHAPE>\n\n<TURTLEWALL>AR0,FD1</WALL>"),
              "line 3: the turtle element has no closing tag \"</TURTLEWALL>\"");
    EXPECT_EQ(problem("<QZSHAPE>\n<WALL>0,0,1,1</WALL>\n<WALL"), "line 3: the tag \"<WALL\" has no closing \">\"");
    EXPECT_EQ(problem("<QZSHAPE>\n<AREA\n"), "line 2: the tag \"<AREA\" has no closing \">\"");
    EXPECT_EQ(problem("<QZSHAPE>\n<WALL>0,0,1</WALL>"), "line 2: a wall needs four numbers x1,y1,x2,y2 separated by commas");
    EXPECT_EQ(problem("<QZSHAPE>\n<TURTLEWALL>AR90 FD10</TURTLEWALL>"),
              "line 2: a turtle step needs a turn and a move separated by a comma");
    EXPECT_EQ(problem("<QZSHAPE><WALL>0,0,40000,1</WALL>"), "line 1: a wall number is outside -32768 to 32767");
    EXPECT_EQ(problem("<QZSHAPE><TURTLEWALL>AR0,FD32767</TURTLEWALL><TURTLEWALL>AR0,FD1</TURTLEWALL>"),
              "line 1: the turtle moves outside -32768 to 32767");
    EXPECT_EQ(problem("<QZSHAPE><TURTLEWALL>AR1e300,FD0</TURTLEWALL>"),
              "line 1: the turtle's turn is outside the range of an angle");
    EXPECT_EQ(problem("<QZSHAPE><TURTLEWALL>AR0,FD1e300</TURTLEWALL>"), "line 1: the turtle moves outside -32768 to 32767");
}
