#pragma once
#include <vector>

#include "tools/demo-world/noise.h"

namespace qzdemo {

// Where a pixel falls in a wall of blocks laid in courses: which block, and where inside it.
struct BlockHit {
    int id;      // unique per block
    int localX;  // 0 at the block's left joint
    int localY;  // 0 at the course's top
    int width;
    int height;
};

// Courses of blocks that fill a picture exactly; a block may run over the right edge and continue
// at the left, so the picture tiles.
class BlockLayout {
public:
    BlockLayout(int width, int height) : width_(width), height_(height) {}

    // Blocks of one width, every other course shifted by half a block (running bond).
    static BlockLayout runningBond(int width, int height, int blockWidth, int courseHeight);

    // Courses of the given heights (summing to height), each cut into blocks of about blockWidth
    // whose joints wander by up to a quarter block and shift as a whole from course to course.
    static BlockLayout irregular(int width, int height, const std::vector<int>& courseHeights, int blockWidth,
                                 Sequence& random);

    // joints: the x positions where blocks start, ascending, within 0 .. width - 1.
    void addCourse(int courseHeight, std::vector<int> joints);
    BlockHit at(int x, int y) const;

private:
    struct Course {
        int top;
        int height;
        std::vector<int> joints;
    };
    int width_;
    int height_;
    std::vector<Course> courses_;
};

}  // namespace qzdemo
