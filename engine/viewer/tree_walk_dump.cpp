#include "engine/viewer/tree_walk_dump.h"

#include <algorithm>
#include <fstream>

#include "engine/engine_state.h"
#include "platform/files.h"
#include "platform/numbers.h"

namespace engine::viewer {

namespace {

constexpr int32_t kFrontVisit = 1;
constexpr int32_t kBackVisit = 2;

class TreeWalk {
public:
    explicit TreeWalk(const EngineState& s)
        : s_(s)
        , nodeCount_(std::clamp(s.nodeCount, 0, static_cast<int32_t>(s.nodes.size())))
        , visited_(static_cast<size_t>(nodeCount_), false)
    {
    }

    std::vector<WalkStep> run()
    {
        if (nodeCount_ > 0) {
            visited_[0] = true;
            visit(0);
        }
        return std::move(steps_);
    }

private:
    void walk(int32_t child)
    {
        if (child > 0 && child < nodeCount_ && !visited_[static_cast<size_t>(child)]) {
            visited_[static_cast<size_t>(child)] = true;
            visit(child);
        }
    }

    // The side test and order of RenderNode, with the same arithmetic.
    void visit(int32_t n)
    {
        const Node& node = s_.nodes[static_cast<size_t>(n)];
        const double cross = (s_.viewX - node.x1) * (static_cast<double>(node.y2) - node.y1) -
            (s_.viewY - node.y1) * (static_cast<double>(node.x2) - node.x1);
        if (cross > 0.0) {
            walk(node.front);
            steps_.push_back({kFrontVisit, n});
            walk(node.back);
        } else {
            walk(node.back);
            steps_.push_back({kBackVisit, n});
            walk(node.front);
        }
    }

    const EngineState& s_;
    int32_t nodeCount_;
    std::vector<bool> visited_;
    std::vector<WalkStep> steps_;
};

}  // namespace

std::vector<WalkStep> treeWalkOrder() { return TreeWalk(state()).run(); }

std::string treeWalkText(const std::vector<WalkStep>& steps)
{
    std::string text;
    for (const WalkStep& step : steps) text += std::to_string(step.side) + "\t" + std::to_string(step.node) + "\n";
    return text;
}

std::string treeWalkFileName(double secondsSinceMidnight)
{
    std::string number = qz::numText(static_cast<float>(secondsSinceMidnight) * 100.0f);
    number.erase(0, number.find_first_not_of(' '));
    return "bsp" + number + ".txt";
}

bool writeTreeWalkDump()
{
    std::ofstream file(qz::inCurrentDirectory(treeWalkFileName(qz::secondsSinceMidnight())), std::ios::binary);
    if (!file) return false;
    file << treeWalkText(treeWalkOrder());
    return static_cast<bool>(file.flush());
}

}  // namespace engine::viewer
