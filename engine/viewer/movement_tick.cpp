#include "engine/viewer/movement_tick.h"

#include "engine/area_lookup.h"
#include "engine/engine_state.h"
#include "engine/lifecycle.h"
#include "engine/movement.h"
#include "engine/saturating.h"
#include "engine/viewer/compass.h"
#include "engine/viewer/viewer_window.h"
#include "platform/window_services.h"

namespace engine::viewer {

namespace {

constexpr int32_t kEyeStep = 5;
constexpr int32_t kEyeStepFast = 10;

void turn(int32_t change)
{
    EngineState& s = state();
    s.viewAngle = static_cast<int16_t>((static_cast<uint32_t>(s.viewAngle) + static_cast<uint32_t>(change)) & 127);
}

void turnWithKeys(int32_t direction, bool fast, uint32_t dc)
{
    EngineState& s = state();
    turn(direction * s.turnStep);
    if (fast) turn(direction * s.turnStepFast);
    if (s.showCompass != 0) drawCompass(dc);
}

void rise(int32_t change)
{
    EngineState& s = state();
    s.eyeZ = saturatingSum(s.eyeZ, change);
    s.currentArea = findArea();
}

}  // namespace

void stepViewer(int32_t forward)
{
    EngineState& s = state();
    const size_t angle = static_cast<size_t>(s.viewAngle & 127);
    const double newX = s.viewX + s.sinTable[angle] * forward;
    const double newY = s.viewY + s.cosTable[angle] * forward;
    if (hitWall(s.viewX, s.viewY, newX, newY)) return;
    s.viewX = newX;
    s.viewY = newY;
    s.currentArea = findArea();
}

void movementTick(qz::Handle window)
{
    EngineState& s = state();
    // Ticks before Start, or while a Start is loading, find no engine to move.
    if (!s.engineReady) return;
    const ViewerWindow& v = viewerWindow();
    const qz::Handle dc = GetDC(window);
    const bool fast = isHeld(v.shiftKey);
    const int32_t walk = fast ? s.walkStepFast : s.walkStep;
    if (isHeld(v.upKey)) stepViewer(walk);
    if (isHeld(v.downKey)) stepViewer(-walk);
    if (isHeld(v.leftKey)) turnWithKeys(-1, fast, dc);
    if (isHeld(v.rightKey)) turnWithKeys(+1, fast, dc);
    if (isHeld(v.aKey)) rise(fast ? kEyeStepFast : kEyeStep);
    if (isHeld(v.zKey)) rise(fast ? -kEyeStepFast : -kEyeStep);
    if (s.gravity != 0 && s.currentArea != -1) applyGravity();
    drawQZ(dc);
    ReleaseDC(window, dc);
}

}  // namespace engine::viewer
