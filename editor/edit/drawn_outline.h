#pragma once
#include <cstdint>
#include <vector>

#include "editor/model/outcome.h"

namespace qzedit {

class clsMap;

struct MapPoint {
    int32_t x = 0;
    int32_t y = 0;
    bool operator==(const MapPoint&) const = default;
};

// Twice the signed area of the outline through the corners, closed back to the first: negative
// when its walls, taken in order, have the inside on their front side (the side the plan's tick
// points to), as the engine wants a room's walls.
int64_t twiceSignedArea(const std::vector<MapPoint>& corners);

// True when the wall from a to b crosses the wall from c to d at a point inside both; walls that
// only touch do not cross.
bool wallsCross(const MapPoint& a, const MapPoint& b, const MapPoint& c, const MapPoint& d);

// Whether the map has room for so many more walls and areas; the refusal names what is short.
Outcome roomForNewRecords(const clsMap& map, int32_t walls, int32_t areas);

// A room from at least three corners: one new area whose walls run from corner to corner, back to
// the first, linked into its chain in that order and turned to face inwards (a clockwise outline
// on the plan is taken the other way round). The walls take the paste buffer's textures and its
// floor and ceiling heights (h1, h4), solid from floor to ceiling as the room wizard builds its
// rooms; the area's floor and ceiling are the same two heights, so the viewer stands on the floor
// that is drawn. The area is named "Area" with its number. Returns the new area's index.
int32_t addDrawnRoom(clsMap& map, std::vector<MapPoint> corners);

// Free walls along the points, one from each point to the next, in no area, with the paste
// buffer's heights and textures as they are.
void addDrawnWalls(clsMap& map, const std::vector<MapPoint>& points);

}  // namespace qzedit
