#include "editor/wizards/generators/stair_generator.h"

#include <algorithm>
#include <cmath>

#include "editor/model/clsMap.h"
#include "platform/numbers.h"

namespace qzedit {

int16_t wzStair(clsMap& map, int16_t x, int16_t y, int16_t size, int16_t height, bool closing)
{
    const float step = static_cast<float>(4.0 * std::atan(1.0)) / 2.0f;
    float angle = step;
    map.pasteRecord().floorHtEnd = height;

    const int32_t first = map.numWalls;
    map.startArea(first, 0);
    const int32_t last = first + (closing ? 3 : 2);
    int32_t cx = x;
    int32_t cy = y;
    for (int32_t j = first; j <= last; ++j) {
        const double a = angle;
        const int32_t nx = qz::toLong(std::cos(a) * size + cx);
        const int32_t ny = qz::toLong(std::sin(a) * size + cy);
        map.addWall(cx, cy, nx, ny, first, j == last ? -1 : j + 1);
        cx = nx;
        cy = ny;
        angle = angle + step;
    }
    map.wallRecord(last).nextLineseg = -1;
    map.endArea();
    return 0;
}

int32_t stairSteps(double count)
{
    if (!(count > 0)) return 0;
    // Counts past any table are clamped; callers refuse them before building.
    return static_cast<int32_t>(std::clamp(std::floor(count), 1.0, 2147483647.0));
}

void buildStairs(clsMap& map, int16_t startX, int16_t startY, int16_t width, int16_t heightInc, double count)
{
    const int32_t steps = stairSteps(count);
    for (int32_t i = 0; i < steps; ++i)
        wzStair(map, startX, qz::toInteger(startY - static_cast<double>(i) * width), width,
                qz::toInteger(static_cast<double>(i + 1) * heightInc), true);
}

}  // namespace qzedit
