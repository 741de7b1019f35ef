#pragma once
#include <cstdint>
#include <vector>

#include "editor/bsp/splitter_line.h"
#include "editor/model/records.h"

namespace qzedit {

namespace bsp {

// Chooses the splitter of one list: the record whose line cuts the fewest records of the list,
// the first in list order among equals.
class SplitterChoice {
public:
    // Adds the next record of the list, with its whole-wall end points and its piece's range.
    void add(int32_t record, const Wall& wall);
    bool empty() const { return candidates_.empty(); }
    // The chosen record's index. The list must not be empty.
    int32_t choose();

private:
    struct Candidate {
        int32_t record;
        double x1, y1, dx, dy;  // whole-wall first point and differences (x2 - x1, y2 - y1)
        double tStart, tEnd;
        SplitterLine line() const { return SplitterLine(x1, y1, dx, -dy); }
    };

    void arrangeTargets();
    int32_t countCuts(const Candidate& splitter, int32_t limit);
    int32_t cutsInPart(const Candidate& splitter, size_t begin, size_t end) const;
    int32_t cutsInBlock(const Candidate& splitter, size_t begin) const;

    std::vector<Candidate> candidates_;  // in list order
    // The records each candidate's line is tested against, contiguous field by field.
    std::vector<double> x1_, y1_, dx_, dy_, tStart_, tEnd_;
    size_t hotBlock_ = 0;
};

}  // namespace bsp

}  // namespace qzedit
