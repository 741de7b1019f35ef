#include "engine/viewer/compass.h"

#include <cmath>

#include "engine/engine_state.h"

namespace engine::viewer {

namespace {

constexpr int32_t kCentreX = 50;
constexpr int32_t kCentreBelowFrame = 90;
constexpr int32_t kHalfBox = 25;

qz::POINT offset(const qz::POINT& c, double dx, double dy)
{
    return {c.x + static_cast<int32_t>(std::nearbyint(dx)), c.y + static_cast<int32_t>(std::nearbyint(dy))};
}

}  // namespace

qz::POINT compassCentre() { return {kCentreX, kCentreBelowFrame + state().screenHeight}; }

CompassNeedle compassNeedle(int32_t viewAngle)
{
    const EngineState& s = state();
    const qz::POINT c = compassCentre();
    const size_t b = static_cast<size_t>((viewAngle + 64) & 127);
    const double dx = -s.sinTable[b], dy = s.cosTable[b];   // along the needle
    const double nx = -s.cosTable[b], ny = -s.sinTable[b];  // across it
    auto at = [&](double along, double across) {
        return offset(c, along * dx + across * nx, along * dy + across * ny);
    };
    return {c, at(8, 0), {at(18, 0), at(4, 5), at(8, 0), at(4, -5), at(18, 0)}};
}

void drawCompass(uint32_t windowDC)
{
    const qz::POINT c = compassCentre();
    const qz::Handle blackPen = CreatePen(qz::PS_INSIDEFRAME, 1, qz::RGB(0, 0, 0));
    const qz::Handle whiteBrush = CreateSolidBrush(qz::RGB(255, 255, 255));
    const qz::Handle oldPen = SelectPen(windowDC, blackPen);
    const qz::Handle oldBrush = SelectBrush(windowDC, whiteBrush);
    Rectangle(windowDC, c.x - kHalfBox, c.y - kHalfBox, c.x + kHalfBox, c.y + kHalfBox);
    const qz::POINT letterN[] = {{c.x - 3, c.y - 27}, {c.x - 3, c.y - 37}, {c.x + 3, c.y - 27}, {c.x + 3, c.y - 38}};
    Polyline(windowDC, letterN, 4);

    const qz::Handle redPen = CreatePen(qz::PS_INSIDEFRAME, 1, qz::RGB(255, 0, 0));
    SelectPen(windowDC, redPen);
    const CompassNeedle needle = compassNeedle(state().viewAngle);
    MoveToEx(windowDC, needle.lineFrom.x, needle.lineFrom.y, nullptr);
    LineTo(windowDC, needle.lineTo.x, needle.lineTo.y);
    Polyline(windowDC, needle.head.data(), static_cast<int32_t>(needle.head.size()));

    SelectPen(windowDC, oldPen);
    SelectBrush(windowDC, oldBrush);
    DeletePen(blackPen);
    DeletePen(redPen);
    DeleteBrush(whiteBrush);
}

}  // namespace engine::viewer
