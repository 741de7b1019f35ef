// The BSP builder: turns walls into the compiled wall list, a tree whose nodes are wall pieces,
// root first.
#include "editor/bsp/bsp_builder.h"

#include <utility>

#include "editor/bsp/root_exchange.h"
#include "editor/bsp/splitter_line.h"
#include "editor/bsp/splitter_scan.h"
#include "platform/numbers.h"
#include "platform/run_error.h"

namespace qzedit {

namespace bsp {

namespace {

constexpr int32_t kNone = -1;
constexpr int32_t kCompiledRecords = 2001;

// Side values within this distance of zero count as lying on the splitter's line.
constexpr double kOnLine = 0.00001;

// The build may run past the 2001 records a compiled map holds, so that a map needing more is
// refused whole with the number it needs. Past this many records it stops counting: the
// recursion is as deep as the tree, and such a map is far beyond the limit anyway.
constexpr int32_t kMaxBuildRecords = 4 * kCompiledRecords;

// The side a piece that the splitter's line does not cut lies on, by its own first end point, or by
// its second when the first lies on the line. A piece whose both end points lie on the line goes
// behind it, like a record lying on the line.
bool pieceLiesInFront(double num, double den, const BspNode& b)
{
    double s0 = num - b.tStart * den;
    if (s0 < -kOnLine) return true;
    if (s0 > kOnLine) return false;
    double s1 = num - b.tEnd * den;
    return s1 < -kOnLine;
}

class Builder {
public:
    explicit Builder(const std::vector<Wall>& walls) : treeSegs_(walls), numTreeSegs_(static_cast<int32_t>(walls.size()))
    {
        for (int32_t i = 0; i < numTreeSegs_; ++i) seg(i).nextLineseg = i + 1 < numTreeSegs_ ? i + 1 : kNone;
    }

    BuildResult build()
    {
        BuildResult result;
        if (numTreeSegs_ == 0) {
            result.tree.emplace();
            return result;
        }
        int32_t rootField = kNone;
        int32_t root = selectBSPTree(0, rootField);
        if (root == kNone || numTreeSegs_ > kCompiledRecords) {
            result.recordsNeeded = numTreeSegs_;
            result.counted = root != kNone;
            return result;
        }
        treeSegs_.resize(static_cast<size_t>(numTreeSegs_));
        if (root != 0) putRootFirst(root);
        adjustT();
        result.tree = CompiledTree {std::move(treeSegs_), root};
        result.recordsNeeded = numTreeSegs_;
        return result;
    }

private:
    // Records are numbered with int32_t, like the links between them; no number used here is negative.
    BspNode& seg(int32_t record) { return treeSegs_[static_cast<size_t>(record)]; }

    // Follows a list from its head through nextLineseg.
    template <typename Fn>
    void forEachInList(int32_t head, Fn fn)
    {
        for (int32_t r = head; r != kNone;) {
            int32_t next = seg(r).nextLineseg;
            fn(r);
            r = next;
        }
    }

    void pushAtHead(int32_t& head, int32_t record)
    {
        seg(record).nextLineseg = head;
        head = record;
    }

    int32_t selectBSPTree(int32_t pLineSegHead, int32_t& pParentsChildPointer)
    {
        // The choice runs before the recursion so that its scratch lists are gone by then.
        int32_t splitter = kNone;
        {
            SplitterChoice choice;
            forEachInList(pLineSegHead, [&](int32_t r) { choice.add(r, seg(r)); });
            if (!choice.empty()) splitter = choice.choose();
        }
        if (splitter == kNone) return kNone;
        seg(splitter).front = kNone;
        seg(splitter).back = kNone;
        pParentsChildPointer = splitter;
        return buildBSPTree(pLineSegHead, splitter);
    }

    int32_t buildBSPTree(int32_t pLineSegHead, int32_t pRootLine)
    {
        const SplitterLine line(seg(pRootLine));
        int32_t frontHead = kNone;
        int32_t backHead = kNone;
        bool failed = false;
        forEachInList(pLineSegHead, [&](int32_t b) {
            if (b == pRootLine || failed) return;
            const BspNode& rec = seg(b);
            double num = line.side(static_cast<double>(rec.x1), static_cast<double>(rec.y1));
            double den = line.crossingDen(static_cast<double>(rec.x2) - rec.x1, static_cast<double>(rec.y2) - rec.y1);
            if (den == 0.0) {
                pushAtHead(num >= 0.0 ? backHead : frontHead, b);
                return;
            }
            double t = num / den;
            if (!(rec.tStart < t && t < rec.tEnd)) {
                pushAtHead(pieceLiesInFront(num, den, rec) ? frontHead : backHead, b);
                return;
            }
            if (numTreeSegs_ >= kMaxBuildRecords) {
                failed = true;
                return;
            }
            int32_t piece = numTreeSegs_++;
            DupTreeSeg(b, piece);
            seg(piece).tStart = t;
            seg(b).tEnd = t;
            // The new piece follows its parent in the parent's area chain, in order along the wall.
            seg(b).areaNext = piece;
            pushAtHead(num >= 0.0 ? backHead : frontHead, b);
            pushAtHead(num >= 0.0 ? frontHead : backHead, piece);
        });
        if (failed) return kNone;

        // The front side is built first, so its pieces receive the lower indices. The child index
        // goes through a local because the list grows (and moves) while a subtree is built.
        int32_t child = kNone;
        if (frontHead != kNone && selectBSPTree(frontHead, child) == kNone) return kNone;
        seg(pRootLine).front = child;
        child = kNone;
        if (backHead != kNone && selectBSPTree(backHead, child) == kNone) return kNone;
        seg(pRootLine).back = child;
        return pRootLine;
    }

    // Appends a copy of a record as record destNum, the next one.
    void DupTreeSeg(int32_t sourceNum, int32_t destNum)
    {
        treeSegs_.resize(static_cast<size_t>(destNum) + 1);
        seg(destNum) = seg(sourceNum);
    }

    // Makes record 0 the root: links and chain values naming 0 name the root's index instead, the
    // area-chain values naming the root name 0, and the two records exchange places.
    void putRootFirst(int32_t root)
    {
        for (BspNode& r : treeSegs_) {
            if (r.back == 0) r.back = root;
            if (r.front == 0) r.front = root;
            // The engine walks area chains in the compiled list to find the viewer's area; the
            // map's areas are written with the same exchange.
            r.areaFirst = afterRootExchange(r.areaFirst, root);
            r.areaNext = afterRootExchange(r.areaNext, root);
        }
        std::swap(seg(0), seg(root));
    }

    // Child links: none becomes 0. Piece ranges become end points.
    void adjustT()
    {
        for (BspNode& r : treeSegs_) {
            if (r.back == kNone) r.back = 0;
            if (r.front == kNone) r.front = 0;
            // Both end points come from the whole wall's, before either is stored.
            double dx = static_cast<double>(r.x2) - r.x1;
            double dy = static_cast<double>(r.y2) - r.y1;
            int32_t newX1 = r.x1, newY1 = r.y1, newX2 = r.x2, newY2 = r.y2;
            if (r.tStart != 0.0) {
                newX1 = qz::toLong(dx * r.tStart + r.x1);
                newY1 = qz::toLong(dy * r.tStart + r.y1);
            }
            if (r.tEnd != 1.0) {
                newX2 = qz::toLong(dx * r.tEnd + r.x1);
                newY2 = qz::toLong(dy * r.tEnd + r.y1);
            }
            r.x1 = newX1;
            r.y1 = newY1;
            r.x2 = newX2;
            r.y2 = newY2;
        }
    }

    std::vector<BspNode> treeSegs_;
    int32_t numTreeSegs_;
};

}  // namespace

BuildResult buildBspTree(const std::vector<Wall>& walls) { return Builder(walls).build(); }

int32_t largestBuildCount() { return kMaxBuildRecords; }

}  // namespace bsp

}  // namespace qzedit
