#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qzedit {

// One wall of a shape, relative to the shape's origin, with the line of the file it came from.
struct ShapeLine {
    int32_t x1, y1, x2, y2;
    int32_t fileLine;
    bool operator==(const ShapeLine&) const = default;
};

// A shape file read whole: its walls in file order and its area tags, or what is wrong with it.
// The text of a shape file: a header tag "<QZSHAPE ...>" first, then <WALL>x1,y1,x2,y2</WALL>
// elements (end points) and <TURTLEWALL>turn,move</TURTLEWALL> elements (a turn "RT", "LT", "AR"
// or "AL" by degrees, then a move "FD" or "BD" by map units from the end of the previous wall).
struct ShapeScan {
    static constexpr const char* kMissingHeader = "Does not appear to be a valid QZShape. Missing header.";

    bool ok = true;
    // What is wrong and where ("line 3: ..."); the missing header's own text for a file without one.
    std::string problem;
    std::vector<ShapeLine> lines;
    int areaTags = 0;
};

// Every coordinate of a shape, and of a shape placed at the insertion point, stays within these.
constexpr int32_t kShapeMin = -32768;
constexpr int32_t kShapeMax = 32767;

// Reads the whole text before anything is built, so that a bad file adds nothing. A wall whose
// ends coincide (a turtle move of 0) is left out: it has no direction and cannot be compiled.
ShapeScan scanShape(std::string_view text);

}  // namespace qzedit
