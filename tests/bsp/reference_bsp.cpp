#include "tests/bsp/reference_bsp.h"

#include <cmath>
#include <utility>

using namespace qzedit;

namespace refbsp {

namespace {

class Builder {
public:
    explicit Builder(std::vector<BspNode> records) : seg(std::move(records)) {}

    std::vector<BspNode> seg;
    int32_t numTreeSegs = 0;

    int32_t selectBSPTree(int32_t pLineSegHead, int32_t pCurrentTree, int32_t& pParentsChildPointer)
    {
        int32_t bestCount = 20000;
        int32_t bestLine = -1;
        for (int32_t a = pLineSegHead; a != -1; a = seg[a].nextLineseg) {
            int32_t count = 0;
            for (int32_t b = pLineSegHead; b != -1; b = seg[b].nextLineseg) {
                double num, den;
                crossing(a, b, num, den);
                if (den != 0) {
                    double t = num / den;
                    if (seg[b].tStart < t && t < seg[b].tEnd) count = count + 1;
                }
            }
            if (count < bestCount) {
                bestCount = count;
                bestLine = a;
            }
        }
        seg[bestLine].front = -1;
        seg[bestLine].back = -1;
        pParentsChildPointer = bestLine;
        return buildBSPTree(pLineSegHead, bestLine, pCurrentTree);
    }

    int32_t buildBSPTree(int32_t pLineSegHead, int32_t pRootLine, int32_t pCurrentTree)
    {
        int32_t frontList = -1;
        int32_t backList = -1;
        int32_t b = pLineSegHead;
        while (b != -1) {
            int32_t nextB = seg[b].nextLineseg;
            if (b != pRootLine) {
                double num, den;
                crossing(pRootLine, b, num, den);
                if (den == 0) {
                    if (num >= 0) push(backList, b);
                    else push(frontList, b);
                } else {
                    double t = num / den;
                    if (!(seg[b].tStart < t && t < seg[b].tEnd)) {
                        double s0 = num - seg[b].tStart * den;
                        if (s0 < -0.00001) push(frontList, b);
                        else if (s0 > 0.00001) push(backList, b);
                        else {
                            double s1 = num - seg[b].tEnd * den;
                            if (s1 < -0.00001) push(frontList, b);
                            else push(backList, b);
                        }
                    } else {
                        int32_t newSeg = numTreeSegs;
                        numTreeSegs = numTreeSegs + 1;
                        seg.resize(numTreeSegs);
                        DupTreeSeg(b, newSeg);
                        seg[newSeg].tStart = t;
                        seg[b].tEnd = t;
                        seg[b].areaNext = newSeg;
                        if (num >= 0) {
                            push(backList, b);
                            push(frontList, newSeg);
                        } else {
                            push(frontList, b);
                            push(backList, newSeg);
                        }
                    }
                }
            }
            b = nextB;
        }
        if (frontList == -1) {
            seg[pRootLine].front = -1;
        } else {
            int32_t child = -1;
            int32_t result = selectBSPTree(frontList, pCurrentTree, child);
            seg[pRootLine].front = child;
            if (result == -1) return -1;
        }
        if (backList == -1) {
            seg[pRootLine].back = -1;
            return pRootLine;
        }
        int32_t child = -1;
        int32_t result = selectBSPTree(backList, pCurrentTree, child);
        seg[pRootLine].back = child;
        if (result == -1) return -1;
        return pRootLine;
    }

private:
    // num = s(B's first end point); den as the builder forms it; differences in 32-bit integers.
    void crossing(int32_t r, int32_t b, double& num, double& den) const
    {
        int32_t dxR = seg[r].x2 - seg[r].x1;
        int32_t dyR = seg[r].y1 - seg[r].y2;
        num = static_cast<double>(seg[b].x1 - seg[r].x1) * static_cast<double>(dyR) +
              static_cast<double>(seg[b].y1 - seg[r].y1) * static_cast<double>(dxR);
        den = -static_cast<double>(dxR) * static_cast<double>(seg[b].y2 - seg[b].y1) -
              static_cast<double>(dyR) * static_cast<double>(seg[b].x2 - seg[b].x1);
    }

    void push(int32_t& head, int32_t record)
    {
        seg[record].nextLineseg = head;
        head = record;
    }

    void DupTreeSeg(int32_t sourceNum, int32_t destNum) { seg[destNum] = seg[sourceNum]; }
};

int32_t swapRoot(int32_t index, int32_t root)
{
    if (index == 0) return root;
    if (index == root) return 0;
    return index;
}

}  // namespace

Result build(const std::vector<Wall>& walls, int32_t numWalls)
{
    Builder builder(std::vector<BspNode>(walls.begin(), walls.begin() + numWalls));
    std::vector<BspNode>& seg = builder.seg;

    for (int32_t i = 0; i <= numWalls - 2; ++i) seg[i].nextLineseg = i + 1;
    seg[numWalls - 1].nextLineseg = -1;

    builder.numTreeSegs = numWalls;
    int32_t scratch = -1;
    Result result;
    result.treeRoot = builder.selectBSPTree(0, 0, scratch);
    int32_t treeRoot = result.treeRoot;
    if (treeRoot != 0) {
        for (int32_t i = 0; i <= builder.numTreeSegs - 1; ++i) {
            if (seg[i].back == 0) seg[i].back = treeRoot;
            if (seg[i].front == 0) seg[i].front = treeRoot;
            seg[i].areaFirst = swapRoot(seg[i].areaFirst, treeRoot);
            seg[i].areaNext = swapRoot(seg[i].areaNext, treeRoot);
        }
        std::swap(seg[0], seg[treeRoot]);
    }

    for (int32_t i = 0; i <= builder.numTreeSegs - 1; ++i) {
        BspNode& r = seg[i];
        if (r.back == -1) r.back = 0;
        if (r.front == -1) r.front = 0;
        int32_t x1 = r.x1, y1 = r.y1, x2 = r.x2, y2 = r.y2;
        if (r.tStart != 0.0) {
            r.x1 = static_cast<int32_t>(std::nearbyint(static_cast<double>(x2 - x1) * r.tStart + x1));
            r.y1 = static_cast<int32_t>(std::nearbyint(static_cast<double>(y2 - y1) * r.tStart + y1));
        }
        if (r.tEnd != 1.0) {
            r.x2 = static_cast<int32_t>(std::nearbyint(static_cast<double>(x2 - x1) * r.tEnd + x1));
            r.y2 = static_cast<int32_t>(std::nearbyint(static_cast<double>(y2 - y1) * r.tEnd + y1));
        }
    }
    result.records = std::move(seg);
    return result;
}

}  // namespace refbsp
