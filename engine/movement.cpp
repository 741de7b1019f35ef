#include "engine/movement.h"

#include "engine/area_lookup.h"
#include "engine/engine_state.h"
#include "engine/saturating.h"

namespace engine {

namespace {

constexpr int32_t kEyeAboveFloor = 56;
constexpr double kForwardStep = 10.0;

bool isSolid(const Node& n) { return n.floorHtEnd == n.ceilHtBegin; }

}  // namespace

bool hitWall(double x0, double y0, double x1, double y1)
{
    const EngineState& s = state();
    // m runs from the new position back to the old one: t = 0 at the new position, 1 at the old.
    double mx = x0 - x1, my = y0 - y1;
    for (int32_t k = 0; k < s.nodeCount; ++k) {
        const Node& n = s.nodes[static_cast<size_t>(k)];
        // Exact offsets: rounding them would let a viewer within half a unit of a wall step through.
        double ax = n.x1, ay = n.y1;
        double wx = static_cast<double>(n.x2) - ax, wy = static_cast<double>(n.y2) - ay;
        double ex = ax - x1, ey = ay - y1;
        double det = my * wx - mx * wy;
        if (det == 0) continue;
        double t = (ey * wx - ex * wy) / det;
        double u = (ey * mx - ex * my) / det;
        if (t >= 0 && t <= 1 && u >= 0 && u <= 1 && isSolid(n)) return true;
    }
    return false;
}

int32_t moveViewer(int32_t side, int32_t forward, int32_t dz)
{
    EngineState& s = state();
    double sine = s.sinTable[static_cast<size_t>(s.viewAngle)];
    double cosine = s.cosTable[static_cast<size_t>(s.viewAngle)];
    double newX = s.viewX + sine * forward - cosine * side;
    double newY = s.viewY + cosine * forward + sine * side;
    int32_t newEyeZ = saturatingSum(s.eyeZ, dz);
    if (hitWall(s.viewX, s.viewY, newX, newY)) return 0;
    s.viewX = newX;
    s.viewY = newY;
    s.eyeZ = newEyeZ;
    s.currentArea = findArea();
    applyGravity();
    return 0;
}

void applyGravity()
{
    EngineState& s = state();
    if (s.gravity == 0 || s.currentArea < 0 || s.currentArea >= s.areaCount) return;
    const Area& a = s.areas[static_cast<size_t>(s.currentArea)];
    int32_t floor = a.areaCeilHtBegin == a.areaFloorHtEnd ? a.areaFloorHtBegin : a.areaFloorHtEnd;
    s.eyeZ = saturatingSum(floor, kEyeAboveFloor);
}

int32_t forwardViewer()
{
    EngineState& s = state();
    s.viewX += kForwardStep * s.sinTable[static_cast<size_t>(s.viewAngle)];
    s.viewY += kForwardStep * s.cosTable[static_cast<size_t>(s.viewAngle)];
    return 0;
}

int32_t turnViewer(int32_t change)
{
    EngineState& s = state();
    s.viewAngle = static_cast<int16_t>((static_cast<uint32_t>(s.viewAngle) - static_cast<uint32_t>(change)) & 127);
    return 0;
}

int32_t jumpViewer(int32_t x, int32_t y, int32_t z, int32_t angle)
{
    EngineState& s = state();
    s.viewX = x;
    s.viewY = y;
    s.eyeZ = z;
    // Angles index the 129-entry tables, so any angle is taken modulo 128.
    s.viewAngle = static_cast<int16_t>(static_cast<uint32_t>(angle) & 127);
    return 0;
}

}  // namespace engine
