#pragma once
#include <cstdint>
#include <vector>

namespace qzedit {

class clsMap;

namespace check {

// One area's chain as the engine walks it: from its first wall along areaNext to -1.
struct ChainWalk {
    enum class End { Whole, FirstOutside, LinkOutside, Loop };
    std::vector<int32_t> walls;  // in chain order, up to the problem
    End end = End::Whole;
    int32_t badIndex = 0;  // FirstOutside, LinkOutside: the index that is not a wall; Loop: the wall met again
};

ChainWalk walkAreaChain(const clsMap& map, int32_t area);

// For every wall, the first area whose chain reaches it; -1 for a wall of no area.
std::vector<int32_t> owningAreas(const clsMap& map);

}  // namespace check

}  // namespace qzedit
