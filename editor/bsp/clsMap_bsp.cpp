// The BSP builder: turns the map's walls into the compiled wall list, a tree whose nodes are wall
// pieces, root first.
#include <algorithm>
#include <utility>

#include "editor/bsp/root_exchange.h"
#include "editor/bsp/splitter_line.h"
#include "editor/bsp/splitter_scan.h"
#include "editor/model/clsMap.h"
#include "platform/message_box.h"
#include "platform/numbers.h"
#include "platform/run_error.h"

namespace {

constexpr int32_t kNone = -1;

// Side values within this distance of zero count as lying on the splitter's line.
constexpr double kOnLine = 0.00001;

// The build may run past the 2001 records a compiled map holds, so that a map needing more is
// refused whole with the number it needs. Past this many records it stops counting: the
// recursion is as deep as the tree, and such a map is far beyond the limit anyway.
constexpr int32_t kMaxBuildRecords = 4 * clsMap::kWallSlots;

// Follows a list from its head through nextLineseg; a link outside the records or a list longer
// than the records (a cycle) raises subscript-out-of-range.
template <typename Fn>
void forEachInList(const std::vector<BspNode>& records, int32_t head, int32_t recordCount, Fn fn)
{
    int32_t steps = 0;
    for (int32_t r = head; r != kNone; ++steps) {
        qz::checkIndex(r, recordCount);
        if (steps >= recordCount) qz::raiseSubscript();
        int32_t next = records[r].nextLineseg;
        fn(r);
        r = next;
    }
}

int32_t chooseSplitterOf(const std::vector<BspNode>& records, int32_t head, int32_t recordCount)
{
    bsp::SplitterChoice choice;
    forEachInList(records, head, recordCount, [&](int32_t r) { choice.add(r, records[r]); });
    return choice.empty() ? kNone : choice.choose();
}

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

void pushAtHead(std::vector<BspNode>& records, int32_t& head, int32_t record)
{
    records[record].nextLineseg = head;
    head = record;
}

// Makes record 0 the root: links and chain values naming 0 name the root's index instead, the
// area-chain values naming the root name 0, and the two records exchange places.
void putRootFirst(std::vector<BspNode>& records, int32_t count, int32_t root)
{
    for (int32_t i = 0; i < count; ++i) {
        BspNode& r = records[i];
        if (r.back == 0) r.back = root;
        if (r.front == 0) r.front = root;
        // The engine walks area chains in the compiled list to find the viewer's area; the map's
        // areas are written with the same exchange (WriteNewMPB).
        r.areaFirst = bsp::afterRootExchange(r.areaFirst, root);
        r.areaNext = bsp::afterRootExchange(r.areaNext, root);
    }
    std::swap(records[0], records[root]);
}

void reportTooManyRecords(int32_t needed, bool counted)
{
    std::string need = counted ? qz::decimal(needed) : "more than " + qz::decimal(kMaxBuildRecords);
    qz::messageBox("The BSP tree of this map needs " + need + " wall records, but a compiled map holds at most " +
                       qz::decimal(clsMap::kWallSlots) + ". The map was not compiled.",
                   "Compile Error", qz::kMsgCritical);
}

}  // namespace

bool clsMap::createBSP()
{
    polishNextSeg();
    if (!compileBSP()) return false;
    try {
        adjustT();
    } catch (...) {
        // A range read from a damaged file can put an end point beyond the Long range.
        numTreeSegs = 0;
        treeRoot = 0;
        throw;
    }
    return true;
}

void clsMap::polishNextSeg()
{
    if (numWalls > kWallSlots) qz::raiseSubscript();
    if (numWalls <= 0) return;
    for (int32_t i = 0; i + 1 < numWalls; ++i) walls_[i].nextLineseg = i + 1;
    walls_[numWalls - 1].nextLineseg = kNone;
}

bool clsMap::compileBSP()
{
    // Until a build succeeds the compiled list is empty, so nothing writes a partial tree.
    numTreeSegs = 0;
    treeRoot = 0;
    if (numWalls > kWallSlots) qz::raiseSubscript();
    treeSegs_.resize(kWallSlots);
    if (numWalls <= 0) return true;

    // The build works on a copy: the map's walls, their count and order stay as they are.
    std::copy(walls_.begin(), walls_.begin() + numWalls, treeSegs_.begin());
    // Links left from an earlier linking may be stale: one outside the walls or a cycle raises
    // subscript-out-of-range before anything is built.
    forEachInList(treeSegs_, 0, numWalls, [](int32_t) {});

    int32_t root;
    try {
        numTreeSegs = numWalls;
        int32_t rootField = kNone;
        root = selectBSPTree(0, 0, rootField);
    } catch (...) {
        numTreeSegs = 0;
        throw;
    }
    if (root == kNone || numTreeSegs > kWallSlots) {
        reportTooManyRecords(numTreeSegs, root != kNone);
        numTreeSegs = 0;
        treeSegs_.resize(kWallSlots);
        treeSegs_.shrink_to_fit();
        return false;
    }
    treeRoot = root;
    if (treeRoot != 0) putRootFirst(treeSegs_, numTreeSegs, treeRoot);
    return true;
}

int32_t clsMap::selectBSPTree(int32_t pLineSegHead, int32_t pCurrentTree, int32_t& pParentsChildPointer)
{
    // The choice runs before the recursion so that its scratch lists are gone by then.
    int32_t splitter = chooseSplitterOf(treeSegs_, pLineSegHead, numTreeSegs);
    if (splitter == kNone) return kNone;
    treeSegs_[splitter].front = kNone;
    treeSegs_[splitter].back = kNone;
    pParentsChildPointer = splitter;
    return buildBSPTree(pLineSegHead, splitter, pCurrentTree);
}

int32_t clsMap::buildBSPTree(int32_t pLineSegHead, int32_t pRootLine, int32_t pCurrentTree)
{
    qz::checkIndex(pRootLine, numTreeSegs);
    const bsp::SplitterLine line(treeSegs_[pRootLine]);
    int32_t frontHead = kNone;
    int32_t backHead = kNone;
    bool failed = false;
    forEachInList(treeSegs_, pLineSegHead, numTreeSegs, [&](int32_t b) {
        if (b == pRootLine || failed) return;
        const BspNode& rec = treeSegs_[b];
        double num = line.side(static_cast<double>(rec.x1), static_cast<double>(rec.y1));
        double den = line.crossingDen(static_cast<double>(rec.x2) - rec.x1, static_cast<double>(rec.y2) - rec.y1);
        if (den == 0.0) {
            pushAtHead(treeSegs_, num >= 0.0 ? backHead : frontHead, b);
            return;
        }
        double t = num / den;
        if (!(rec.tStart < t && t < rec.tEnd)) {
            pushAtHead(treeSegs_, pieceLiesInFront(num, den, rec) ? frontHead : backHead, b);
            return;
        }
        if (numTreeSegs >= kMaxBuildRecords) {
            failed = true;
            return;
        }
        int32_t piece = numTreeSegs++;
        if (treeSegs_.size() < static_cast<size_t>(numTreeSegs)) treeSegs_.resize(numTreeSegs);
        DupTreeSeg(b, piece);
        treeSegs_[piece].tStart = t;
        treeSegs_[b].tEnd = t;
        // The new piece follows its parent in the parent's area chain, in order along the wall.
        treeSegs_[b].areaNext = piece;
        pushAtHead(treeSegs_, num >= 0.0 ? backHead : frontHead, b);
        pushAtHead(treeSegs_, num >= 0.0 ? frontHead : backHead, piece);
    });
    if (failed) return kNone;

    // The front side is built first, so its pieces receive the lower indices. The child index
    // goes through a local because the list grows (and moves) while a subtree is built.
    int32_t child = kNone;
    if (frontHead != kNone && selectBSPTree(frontHead, pCurrentTree, child) == kNone) return kNone;
    treeSegs_[pRootLine].front = child;
    child = kNone;
    if (backHead != kNone && selectBSPTree(backHead, pCurrentTree, child) == kNone) return kNone;
    treeSegs_[pRootLine].back = child;
    return pRootLine;
}

void clsMap::DupTreeSeg(int32_t sourceNum, int32_t destNum)
{
    qz::checkIndex(sourceNum, static_cast<long long>(treeSegs_.size()));
    qz::checkIndex(destNum, static_cast<long long>(treeSegs_.size()));
    treeSegs_[destNum] = treeSegs_[sourceNum];
}

void clsMap::adjustT()
{
    for (int32_t i = 0; i < numTreeSegs; ++i) {
        BspNode& r = treeSegs_[i];
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
