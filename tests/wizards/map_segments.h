#pragma once
#include <array>
#include <cstdint>
#include <vector>

#include "editor/model/clsMap.h"

namespace qztest {

using Segment = std::array<int32_t, 4>;

inline Segment segmentOf(const qzedit::clsMap& map, int32_t w)
{
    const qzedit::Wall& wall = map.wallRecord(w);
    return {wall.x1, wall.y1, wall.x2, wall.y2};
}

// floorHtBegin, floorHtEnd, ceilHtBegin, ceilHtEnd.
inline std::array<int32_t, 4> heights(const qzedit::Wall& w) { return {w.floorHtBegin, w.floorHtEnd, w.ceilHtBegin, w.ceilHtEnd}; }
// txrWall, txrFFloor, txrFCeil, txrBFloor, txrBCeil.
inline std::array<int32_t, 5> textures(const qzedit::Wall& w)
{
    return {w.txrWall, w.txrFFloor, w.txrFCeil, w.txrBFloor, w.txrBCeil};
}
using Heights = std::array<int32_t, 4>;
using Textures = std::array<int32_t, 5>;

// The end points of walls first .. first + count - 1.
inline std::vector<Segment> segments(const qzedit::clsMap& map, int32_t first, int32_t count)
{
    std::vector<Segment> out;
    for (int32_t w = first; w < first + count; ++w) out.push_back(segmentOf(map, w));
    return out;
}

// A closed outline through these corners, the walls in order.
inline std::vector<Segment> outline(const std::vector<std::array<int32_t, 2>>& corners)
{
    std::vector<Segment> out;
    for (size_t k = 0; k < corners.size(); ++k) {
        const auto& a = corners[k];
        const auto& b = corners[(k + 1) % corners.size()];
        out.push_back({a[0], a[1], b[0], b[1]});
    }
    return out;
}

}  // namespace qztest
