#pragma once
#include <cstdint>
#include <vector>

#include "platform/gdi_drawing.h"

// The compass below the frame: a white box with an "N" above it and a red needle that points
// where the viewer looks.
namespace engine::viewer {

// The needle's line (c to c + 8d) and its closed arrow-head outline (five points) for the angle.
struct CompassNeedle {
    qz::POINT lineFrom, lineTo;
    std::vector<qz::POINT> head;
};

qz::POINT compassCentre();
CompassNeedle compassNeedle(int32_t viewAngle);

void drawCompass(uint32_t windowDC);

}  // namespace engine::viewer
