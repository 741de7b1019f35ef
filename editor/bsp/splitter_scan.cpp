#include "editor/bsp/splitter_scan.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <numeric>

namespace qzedit {

namespace bsp {

namespace {

// Any count stands below this, so the first candidate always becomes the best so far.
constexpr int32_t kStartingBest = 20000;

// Records are tested in blocks of a fixed size, which the compiler turns into tight code; the
// count is checked against the limit between blocks.
constexpr size_t kBlock = 32;

// Squared lengths of whole-number walls lie below 2^64.
constexpr int kLengthClasses = 64;

constexpr size_t kLanes = 2;
using Lanes = double __attribute__((vector_size(kLanes * sizeof(double))));

Lanes load(const double* values)
{
    Lanes lanes;
    std::memcpy(&lanes, values, sizeof lanes);
    return lanes;
}

}  // namespace

void SplitterChoice::add(int32_t record, const Wall& wall)
{
    candidates_.push_back({record, static_cast<double>(wall.x1), static_cast<double>(wall.y1),
                           static_cast<double>(wall.x2) - wall.x1, static_cast<double>(wall.y2) - wall.y1,
                           wall.tStart, wall.tEnd});
}

// The count of a candidate does not depend on the order in which records are tested, only how
// soon it reaches the limit does. A line is the more likely to cut a piece the longer the piece
// is, so the longer pieces are tested first: sorted by classes of length, each twice the next.
// A list that fits in one block is tested whole anyway and keeps its order.
void SplitterChoice::arrangeTargets()
{
    const size_t n = candidates_.size();
    std::vector<size_t> order(n);
    if (n <= kBlock) {
        std::iota(order.begin(), order.end(), size_t {0});
    } else {
        std::vector<int> lengthClass(n);
        std::array<size_t, kLengthClasses + 1> start {};
        for (size_t i = 0; i < n; ++i) {
            const Candidate& c = candidates_[i];
            double span = c.tEnd - c.tStart;
            double squaredLength = (c.dx * c.dx + c.dy * c.dy) * span * span;
            int longest = kLengthClasses - 1;
            int exponent = squaredLength > 1.0 ? std::ilogb(squaredLength) : 0;
            lengthClass[i] = longest - std::min(exponent, longest);
            ++start[lengthClass[i] + 1];
        }
        for (size_t k = 1; k < start.size(); ++k) start[k] += start[k - 1];
        for (size_t i = 0; i < n; ++i) order[start[lengthClass[i]]++] = i;
    }
    for (std::vector<double>* field : {&x1_, &y1_, &dx_, &dy_, &tStart_, &tEnd_}) field->resize(n);
    for (size_t k = 0; k < n; ++k) {
        const Candidate& c = candidates_[order[k]];
        x1_[k] = c.x1;
        y1_[k] = c.y1;
        dx_[k] = c.dx;
        dy_[k] = c.dy;
        tStart_[k] = c.tStart;
        tEnd_[k] = c.tEnd;
    }
}

// Counts the records of one block whose piece the line cuts strictly inside its range, a few
// records at a time in vector lanes; each lane rounds exactly as the scalar code does. Parallel
// lines (den 0) never cut; the division is kept off them with a harmless divisor.
int32_t SplitterChoice::cutsInBlock(const Candidate& splitter, size_t begin) const
{
    const SplitterLine line = splitter.line();
    const Lanes zero = {}, one = zero + 1.0;
    Lanes cuts = zero;
    for (size_t j = begin; j < begin + kBlock; j += kLanes) {
        Lanes num = line.side(load(&x1_[j]), load(&y1_[j]));
        Lanes den = line.crossingDen(load(&dx_[j]), load(&dy_[j]));
        auto crossing = den != 0.0;
        Lanes t = num / (crossing ? den : one);
        auto inside = crossing & (load(&tStart_[j]) < t) & (t < load(&tEnd_[j]));
        cuts += inside ? one : zero;
    }
    double total = 0.0;
    for (size_t lane = 0; lane < kLanes; ++lane) total += cuts[lane];
    return static_cast<int32_t>(total);
}

int32_t SplitterChoice::cutsInPart(const Candidate& splitter, size_t begin, size_t end) const
{
    if (end - begin == kBlock) return cutsInBlock(splitter, begin);
    const SplitterLine line = splitter.line();
    int32_t cuts = 0;
    for (size_t j = begin; j < end; ++j) {
        double num = line.side(x1_[j], y1_[j]);
        double den = line.crossingDen(dx_[j], dy_[j]);
        if (den != 0.0) {
            double t = num / den;
            if (tStart_[j] < t && t < tEnd_[j]) ++cuts;
        }
    }
    return cuts;
}

// Number of records that the candidate's line cuts, counted until it reaches limit: a candidate
// that reaches the best count so far can no longer win, so the rest of its count does not matter.
// Lines of one list tend to cut the same pieces, so the block where the previous candidate reached
// its limit is counted first, then the others, longest pieces first.
int32_t SplitterChoice::countCuts(const Candidate& splitter, int32_t limit)
{
    const size_t n = x1_.size();
    auto cutsIn = [&](size_t block) {
        size_t begin = block * kBlock;
        return cutsInPart(splitter, begin, std::min(n, begin + kBlock));
    };
    int32_t cuts = cutsIn(hotBlock_);
    for (size_t block = 0; cuts < limit && block * kBlock < n; ++block) {
        if (block == hotBlock_) continue;
        cuts += cutsIn(block);
        if (cuts >= limit) hotBlock_ = block;
    }
    return cuts;
}

int32_t SplitterChoice::choose()
{
    arrangeTargets();
    int32_t best = kStartingBest;
    size_t bestPosition = 0;
    for (size_t a = 0; a < candidates_.size(); ++a) {
        int32_t cuts = countCuts(candidates_[a], best);
        if (cuts < best) {
            best = cuts;
            bestPosition = a;
            // Only a strictly smaller count wins, and none is smaller than 0.
            if (best == 0) break;
        }
    }
    return candidates_[bestPosition].record;
}

}  // namespace bsp

}  // namespace qzedit
