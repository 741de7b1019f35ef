#pragma once
#include <cstdint>

// Viewer movement between frames: straight steps tested against the solid nodes of the map.
namespace engine {

// Whether the step from (x0, y0) to (x1, y1) crosses or touches a solid node (floorHtEnd equal to
// ceilHtBegin). Both end positions count; a zero step never hits.
bool hitWall(double x0, double y0, double x1, double y1);

// Sideways (positive = left), forward and height steps; a step into a solid node is refused.
int32_t moveViewer(int32_t side, int32_t forward, int32_t dz);
// 10 units forward, without collision test or area update.
int32_t forwardViewer();
// A positive change turns left.
int32_t turnViewer(int32_t change);
int32_t jumpViewer(int32_t x, int32_t y, int32_t z, int32_t angle);

// With the gravity flag on and the viewer in an area: the eye 56 units above that area's floor.
void applyGravity();

}  // namespace engine
