#pragma once
#include <cstdint>
#include <string>
#include <vector>

// The Enter key's dump of the tree walk: the nodes in the order RenderNode visits them from the
// viewer's position. Nothing is drawn, so no column closes and the walk reaches every linked node;
// of the frame state only the viewer's position decides the order.
namespace engine::viewer {

struct WalkStep {
    int32_t side;  // 1: the viewer is in front of the node, 2: behind it
    int32_t node;
};

// The walk of the loaded tree. Links are followed as the renderer follows them: children outside
// the tree and nodes already visited are skipped.
std::vector<WalkStep> treeWalkOrder();

// "1" or "2", a tab and the node index, one line per step.
std::string treeWalkText(const std::vector<WalkStep>& steps);

// "bsp" + the seconds since midnight * 100 + ".txt".
std::string treeWalkFileName(double secondsSinceMidnight);

// Writes the dump to the current directory; false when the file cannot be written.
bool writeTreeWalkDump();

}  // namespace engine::viewer
