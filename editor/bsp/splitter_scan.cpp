#include "editor/bsp/splitter_scan.h"

#include <algorithm>

#include "editor/bsp/splitter_line.h"

namespace bsp {

namespace {

// Any count stands below this, so the first candidate always becomes the best so far.
constexpr int32_t kStartingBest = 20000;

// Records are tested in blocks of a fixed size, which the compiler turns into vector code; the
// count is checked against the limit between blocks.
constexpr size_t kBlock = 32;

// Counts the records of one block whose piece the line cuts strictly inside its range. Parallel
// lines (den 0) never cut; the division is kept off them with a harmless divisor.
int32_t cutsInBlock(const ListGeometry& g, const SplitterLine& line, size_t begin)
{
    int32_t cuts = 0;
    for (size_t j = begin; j < begin + kBlock; ++j) {
        double num = line.side(g.x1[j], g.y1[j]);
        double den = line.crossingDen(g.dx[j], g.dy[j]);
        double t = num / (den != 0.0 ? den : 1.0);
        cuts += (den != 0.0) & (g.tStart[j] < t) & (t < g.tEnd[j]);
    }
    return cuts;
}

int32_t cutsInTail(const ListGeometry& g, const SplitterLine& line, size_t begin, size_t end)
{
    int32_t cuts = 0;
    for (size_t j = begin; j < end; ++j) {
        double num = line.side(g.x1[j], g.y1[j]);
        double den = line.crossingDen(g.dx[j], g.dy[j]);
        if (den != 0.0) {
            double t = num / den;
            cuts += (g.tStart[j] < t) & (t < g.tEnd[j]);
        }
    }
    return cuts;
}

// Number of records that the line of record a cuts, counted until it reaches limit: a candidate
// that reaches the best count so far can no longer win, so the rest of its count does not matter.
int32_t countCuts(const ListGeometry& g, size_t a, int32_t limit)
{
    const SplitterLine line(g.x1[a], g.y1[a], g.dx[a], -g.dy[a]);
    const size_t n = g.size();
    int32_t cuts = 0;
    size_t j = 0;
    for (; j + kBlock <= n; j += kBlock) {
        cuts += cutsInBlock(g, line, j);
        if (cuts >= limit) return cuts;
    }
    return cuts + cutsInTail(g, line, j, n);
}

}  // namespace

void ListGeometry::clear()
{
    records.clear();
    x1.clear();
    y1.clear();
    dx.clear();
    dy.clear();
    tStart.clear();
    tEnd.clear();
}

void ListGeometry::add(int32_t record, int32_t rx1, int32_t ry1, int32_t rx2, int32_t ry2, double rtStart, double rtEnd)
{
    records.push_back(record);
    x1.push_back(rx1);
    y1.push_back(ry1);
    dx.push_back(static_cast<double>(rx2) - rx1);
    dy.push_back(static_cast<double>(ry2) - ry1);
    tStart.push_back(rtStart);
    tEnd.push_back(rtEnd);
}

size_t chooseSplitter(const ListGeometry& list)
{
    int32_t best = kStartingBest;
    size_t bestPosition = 0;
    for (size_t a = 0; a < list.size(); ++a) {
        int32_t cuts = countCuts(list, a, best);
        if (cuts < best) {
            best = cuts;
            bestPosition = a;
            // Only a strictly smaller count wins, and none is smaller than 0.
            if (best == 0) break;
        }
    }
    return bestPosition;
}

}  // namespace bsp
