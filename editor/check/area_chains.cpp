#include "editor/check/area_chains.h"

#include "editor/model/clsMap.h"

namespace qzedit::check {

ChainWalk walkAreaChain(const clsMap& map, int32_t area)
{
    ChainWalk walk;
    const int32_t first = map.areaRecord(area).areaFirstWall;
    if (first == -1) return walk;
    if (first < 0 || first >= map.numWalls) {
        walk.end = ChainWalk::End::FirstOutside;
        walk.badIndex = first;
        return walk;
    }
    std::vector<bool> passed(static_cast<size_t>(map.numWalls), false);
    for (int32_t w = first; w != -1; w = map.wallRecord(w).areaNext) {
        if (passed[static_cast<size_t>(w)]) {
            walk.end = ChainWalk::End::Loop;
            walk.badIndex = w;
            return walk;
        }
        passed[static_cast<size_t>(w)] = true;
        walk.walls.push_back(w);
        const int32_t next = map.wallRecord(w).areaNext;
        if (next < -1 || next >= map.numWalls) {
            walk.end = ChainWalk::End::LinkOutside;
            walk.badIndex = next;
            return walk;
        }
    }
    return walk;
}

std::vector<int32_t> owningAreas(const clsMap& map)
{
    std::vector<int32_t> owner(static_cast<size_t>(map.numWalls), -1);
    for (int32_t area = 0; area < map.numAreas; ++area)
        for (int32_t w : walkAreaChain(map, area).walls)
            if (owner[static_cast<size_t>(w)] == -1) owner[static_cast<size_t>(w)] = area;
    return owner;
}

}  // namespace qzedit::check
