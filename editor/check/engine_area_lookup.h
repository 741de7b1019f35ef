#pragma once
#include <cstdint>

namespace qzedit {

class clsMap;

namespace check {

// The engine's rules for finding the area a point lies in.
inline constexpr int32_t kLargestFindableArea = 32000000;  // areaSqArea must stay below it
inline constexpr int32_t kChainWallsFollowed = 201;        // walls of a chain the lookup follows

// The area the engine finds at the point, with the map's tables as the engine reads them: the
// smallest area (by areaSqArea) whose stored bounding box holds the rounded point and whose chain
// the point lies inside; -1 when there is none.
int32_t engineAreaAt(const clsMap& map, double x, double y);

}  // namespace check

}  // namespace qzedit
