#include "tools/demo-world/block_layout.h"

#include <algorithm>

namespace qzdemo {

BlockLayout BlockLayout::runningBond(int width, int height, int blockWidth, int courseHeight)
{
    BlockLayout layout(width, height);
    for (int course = 0; course * courseHeight < height; ++course) {
        std::vector<int> joints;
        for (int x = (course % 2) * blockWidth / 2; x < width; x += blockWidth) joints.push_back(x);
        layout.addCourse(courseHeight, joints);
    }
    return layout;
}

BlockLayout BlockLayout::irregular(int width, int height, const std::vector<int>& courseHeights, int blockWidth,
                                   Sequence& random)
{
    BlockLayout layout(width, height);
    const int blocks = std::max(1, width / blockWidth);
    const int spacing = width / blocks;
    for (int courseHeight : courseHeights) {
        const int shift = random.between(0, spacing - 1);
        std::vector<int> joints;
        for (int block = 0; block < blocks; ++block) {
            const int wander = blocks > 1 ? random.between(-spacing / 4, spacing / 4) : 0;
            joints.push_back(((block * spacing + shift + wander) % width + width) % width);
        }
        std::sort(joints.begin(), joints.end());
        layout.addCourse(courseHeight, joints);
    }
    return layout;
}

void BlockLayout::addCourse(int courseHeight, std::vector<int> joints)
{
    const int top = courses_.empty() ? 0 : courses_.back().top + courses_.back().height;
    courses_.push_back({top, courseHeight, std::move(joints)});
}

BlockHit BlockLayout::at(int x, int y) const
{
    x = ((x % width_) + width_) % width_;
    y = ((y % height_) + height_) % height_;
    size_t course = 0;
    while (course + 1 < courses_.size() && y >= courses_[course].top + courses_[course].height) ++course;
    const Course& row = courses_[course];
    const std::vector<int>& joints = row.joints;
    // The block starting at the last joint at or left of x; left of the first joint, the last block
    // of the course, which wraps around the right edge.
    size_t block = static_cast<size_t>(std::upper_bound(joints.begin(), joints.end(), x) - joints.begin());
    block = block == 0 ? joints.size() - 1 : block - 1;
    const int start = joints[block];
    const int end = joints[(block + 1) % joints.size()];
    const int blockWidth = joints.size() == 1 ? width_ : (end - start + width_) % width_;
    return {static_cast<int>(course * 64 + block), (x - start + width_) % width_, y - row.top, blockWidth, row.height};
}

}  // namespace qzdemo
