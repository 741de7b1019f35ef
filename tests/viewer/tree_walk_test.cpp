#include <set>

#include "engine/renderer.h"
#include "engine/viewer/tree_walk_dump.h"
#include "tests/support/render_fixture.h"

namespace viewertest {
namespace {

using engine::viewer::treeWalkOrder;
using engine::viewer::treeWalkText;

// Walls with an opening from far below to far above the eye: drawing them closes no column, so
// the renderer walks the whole tree as the dump does.
class TreeWalkTest : public qztest::RenderFixture {
protected:
    static engine::Node openWall(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t front, int32_t back)
    {
        engine::Node node = solidWall(x1, y1, x2, y2, -1000, 1000);
        node.floorHtEnd = -1000;
        node.ceilHtBegin = 1000;
        node.front = front;
        node.back = back;
        return node;
    }

    std::set<int32_t> renderedNodes() const
    {
        std::set<int32_t> visited;
        for (int32_t n = 0; n < s().nodeCount; ++n)
            if (s().nodeVisited[static_cast<size_t>(n)]) visited.insert(n);
        return visited;
    }
};

// From (0, 0) looking along +y: node 0 is seen from the front, node 1 from behind, its children
// 3 and 4 from the front and from behind, node 5 edge-on (counted as behind). Node 3 links to a
// node outside the tree and node 5 back to node 2: neither link is followed.
TEST_F(TreeWalkTest, TheDumpFollowsRenderNodesOrderAndSides)
{
    placeViewer(0, 0, 0, 0);
    addNode(openWall(-100, 50, 100, 50, 1, 2));
    addNode(openWall(10, -10, 10, 10, 4, 3));
    addNode(openWall(-10, -10, -10, 10, 5, 0));
    addNode(openWall(0, 100, 10, 100, 99, 0));
    addNode(openWall(10, 100, 0, 100, 0, 0));
    addNode(openWall(5, 5, 5, 5, 0, 2));

    const std::vector<engine::viewer::WalkStep> steps = treeWalkOrder();
    EXPECT_EQ(treeWalkText(steps), "1\t3\n2\t1\n2\t4\n1\t0\n2\t5\n1\t2\n");

    engine::RenderFrame();
    std::set<int32_t> dumped;
    for (const auto& step : steps) dumped.insert(step.node);
    EXPECT_EQ(dumped, renderedNodes());
    EXPECT_EQ(dumped.size(), 6u);
}

TEST_F(TreeWalkTest, TheSideChangesWithTheViewerAndAnEmptyTreeDumpsNothing)
{
    EXPECT_TRUE(treeWalkOrder().empty());
    addNode(openWall(-100, 50, 100, 50, 1, 0));
    addNode(openWall(-100, 80, 100, 80, 0, 0));
    placeViewer(0, 0, 0, 0);
    EXPECT_EQ(treeWalkText(treeWalkOrder()), "1\t1\n1\t0\n");
    placeViewer(0, 200, 0, 64);
    EXPECT_EQ(treeWalkText(treeWalkOrder()), "2\t0\n2\t1\n") << "behind both: back first, then the front link";
}

TEST(TreeWalkFileName, IsBspAndTheHundredthsOfSecondsSinceMidnight)
{
    EXPECT_EQ(engine::viewer::treeWalkFileName(4521.25), "bsp452125.txt");
    EXPECT_EQ(engine::viewer::treeWalkFileName(0.5), "bsp50.txt");
}

}  // namespace
}  // namespace viewertest
