#pragma once
#include <cstdint>

namespace qzedit {

// The corners of a regular polygon as the map builds it: a column turns left at each corner and
// rounds each corner before the next (addPolyCol), a room turns right and rounds only what it
// stores (addPolySurround).
enum class PolygonKind { Column, Room };

struct Extent {
    double minX, minY, maxX, maxY;
    bool within(double lo, double hi) const { return minX >= lo && minY >= lo && maxX <= hi && maxY <= hi; }
};

// The bounds of every corner of the polygon of numSides (at least 1) from (ox, oy); the wizards
// check them against the coordinate range before anything is built.
Extent polygonExtent(PolygonKind kind, int32_t numSides, int32_t ox, int32_t oy, int32_t sideLen);

}  // namespace qzedit
