#include "tools/demo-world/details.h"

#include <algorithm>
#include <cmath>

#include "tools/demo-world/noise.h"

namespace qzdemo {

void brushedMetal(Canvas& canvas, Ramp ramp, float shade, uint32_t seed)
{
    const int width = canvas.width();
    const int height = canvas.height();
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const float streaks = valueNoise(static_cast<float>(x) / 16.0f, static_cast<float>(y), width / 16, height, seed);
            const float stains = fractalNoise(static_cast<float>(x) / 32.0f, static_cast<float>(y) / 32.0f, width / 32, height / 32, 3, seed + 1);
            canvas.paint(x, y, ramp, shade + 0.08f * (streaks - 0.5f) + 0.16f * (stains - 0.5f));
        }
    }
}

void drawRivet(Canvas& canvas, int centreX, int centreY, int radius, Ramp ramp)
{
    const float r = static_cast<float>(radius);
    for (int dy = -radius - 1; dy <= radius + 1; ++dy) {
        for (int dx = -radius - 1; dx <= radius + 1; ++dx) {
            const float distance = std::sqrt(static_cast<float>(dx * dx + dy * dy));
            if (distance <= r) {
                const float light = 0.5f - 0.35f * static_cast<float>(dx + dy) / (2.0f * r);
                const float dome = 1.0f - distance / (r + 1.0f);
                canvas.paint(centreX + dx, centreY + dy, ramp, std::clamp(0.35f + 0.5f * light * dome + 0.2f * dome, 0.0f, 1.0f));
            } else if (distance <= r + 1.2f && dx + dy > 0) {
                canvas.lighten(centreX + dx, centreY + dy, -0.18f);
            }
        }
    }
}

float segmentDistance(float x, float y, float ax, float ay, float bx, float by)
{
    const float dx = bx - ax;
    const float dy = by - ay;
    const float length = dx * dx + dy * dy;
    const float t = length > 0.0f ? std::clamp(((x - ax) * dx + (y - ay) * dy) / length, 0.0f, 1.0f) : 0.0f;
    const float px = ax + t * dx - x;
    const float py = ay + t * dy - y;
    return std::sqrt(px * px + py * py);
}

void bevelRectangle(Canvas& canvas, int left, int top, int width, int height, int rim, float light)
{
    for (int y = top; y < top + height; ++y) {
        for (int x = left; x < left + width; ++x) {
            const int fromLeft = x - left;
            const int fromTop = y - top;
            const int fromRight = left + width - 1 - x;
            const int fromBottom = top + height - 1 - y;
            const int nearest = std::min({fromLeft, fromTop, fromRight, fromBottom});
            if (nearest >= rim) continue;
            // Light falls from the top left: the rim facing it is lit, the opposite one shadowed.
            const bool lit = std::min(fromLeft, fromTop) <= std::min(fromRight, fromBottom);
            canvas.lighten(x, y, lit ? light : -light);
        }
    }
}

}  // namespace qzdemo
