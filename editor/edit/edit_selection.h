#pragma once
#include <cstdint>
#include <vector>

namespace qzedit {

// What a hand edit works on: the walls picked in the map view, or an area chosen in the project
// window (with all the walls of its chain).
struct EditSelection {
    std::vector<int32_t> walls;
    int32_t area = -1;

    bool empty() const { return walls.empty() && area < 0; }
};

}  // namespace qzedit
