#include "editor/import/sector_reach.h"

#include <deque>

namespace qzedit {

namespace wad {

namespace {

// The line actions that teleport the player: walked over once, and again.
constexpr uint16_t kTeleportOnce = 39;
constexpr uint16_t kTeleportRepeatable = 97;

}  // namespace

std::vector<int32_t> sectorsByReach(const DoomMap& map, int32_t startSector)
{
    std::vector<std::vector<int32_t>> neighbours(map.sectors.size());
    for (const Linedef& line : map.linedefs) {
        if ((line.special == kTeleportOnce || line.special == kTeleportRepeatable) && line.tag != 0) {
            for (size_t s = 0; s < map.sectors.size(); ++s)
                if (map.sectors[s].tag == static_cast<int16_t>(line.tag))
                    neighbours[static_cast<size_t>(map.sectorOf(line.front))].push_back(static_cast<int32_t>(s));
        }
        if (line.back == kNoSide) continue;
        const int32_t a = map.sectorOf(line.front), b = map.sectorOf(line.back);
        if (a == b) continue;
        neighbours[static_cast<size_t>(a)].push_back(b);
        neighbours[static_cast<size_t>(b)].push_back(a);
    }
    std::vector<bool> seen(map.sectors.size(), false);
    std::vector<int32_t> order;
    std::deque<int32_t> queue {startSector};
    seen[static_cast<size_t>(startSector)] = true;
    while (!queue.empty()) {
        const int32_t s = queue.front();
        queue.pop_front();
        order.push_back(s);
        for (int32_t n : neighbours[static_cast<size_t>(s)]) {
            if (seen[static_cast<size_t>(n)]) continue;
            seen[static_cast<size_t>(n)] = true;
            queue.push_back(n);
        }
    }
    return order;
}

}  // namespace wad

}  // namespace qzedit
