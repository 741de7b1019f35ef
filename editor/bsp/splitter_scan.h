#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace bsp {

// The records of one list, in list order, laid out contiguously for the splitter choice: each
// record's whole-wall first point and differences (x2 - x1, y2 - y1) and its piece's range.
struct ListGeometry {
    std::vector<int32_t> records;
    std::vector<double> x1, y1, dx, dy, tStart, tEnd;

    void clear();
    void add(int32_t record, int32_t rx1, int32_t ry1, int32_t rx2, int32_t ry2, double rtStart, double rtEnd);
    size_t size() const { return records.size(); }
};

// Position in the list of the splitter whose line cuts the fewest records; the first in list order
// wins a tie. The list must not be empty.
size_t chooseSplitter(const ListGeometry& list);

}  // namespace bsp
