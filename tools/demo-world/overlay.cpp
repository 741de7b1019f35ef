#include "tools/demo-world/overlay.h"

#include <algorithm>
#include <cmath>

#include "tools/demo-world/canvas.h"
#include "tools/demo-world/details.h"
#include "tools/demo-world/noise.h"

namespace qzdemo {
namespace {

struct FlameShape {
    float sway;    // sideways lean of the tip, pixels
    float height;  // pixels above the torch head
    uint32_t seed;
};

constexpr float kPi = 3.14159265f;
constexpr float kHeadX = 55.0f;
constexpr float kHeadTop = 21.0f;

void paintHandle(Canvas& canvas)
{
    for (int y = 0; y < kOverlayRows; ++y) {
        for (int x = 0; x < kOverlayColumns; ++x) {
            const float fx = static_cast<float>(x);
            const float fy = static_cast<float>(y);
            const float stick = segmentDistance(fx, fy, 72.0f, 70.0f, 57.0f, 26.0f);
            const float head = segmentDistance(fx, fy, 57.0f, 30.0f, kHeadX, kHeadTop + 3.0f);
            if (head < 4.5f) {
                // Pitch-soaked wrapping, in bands.
                const float band = 0.5f + 0.5f * std::sin(fy * 1.6f + fx * 0.4f);
                canvas.paint(x, y, Ramp::Rust, 0.16f + 0.14f * band + 0.12f * (1.0f - head / 4.5f));
            } else if (stick < 2.8f) {
                const float side = (fx - (72.0f + (fy - 70.0f) * 15.0f / 44.0f)) / 2.8f;
                canvas.paint(x, y, Ramp::Wood, 0.4f - 0.25f * side + 0.08f * (unitHash(x / 2, y, 4001) - 0.5f));
            }
        }
    }
}

void paintFist(Canvas& canvas)
{
    for (int y = 0; y < kOverlayRows; ++y) {
        for (int x = 0; x < kOverlayColumns; ++x) {
            const float fx = static_cast<float>(x);
            const float fy = static_cast<float>(y);
            // Leather bracer coming in from the lower right.
            if (segmentDistance(fx, fy, 82.0f, 62.0f, 110.0f, 70.0f) < 9.0f) {
                canvas.paint(x, y, Ramp::Wood, 0.22f + 0.06f * std::sin(fx * 0.8f) + 0.04f * (unitHash(x, y, 4002) - 0.5f));
                continue;
            }
            const float dx = (fx - 68.0f) / 15.0f;
            const float dy = (fy - 52.0f) / 12.0f;
            const float r = dx * dx + dy * dy;
            if (r >= 1.0f) continue;
            float shade = 0.7f - 0.2f * (dx + dy) - 0.2f * r;
            // Creases between the curled fingers, and the knuckles catching the light.
            const int finger = (y - 41) % 6;
            if (finger == 0 && dx < 0.3f) shade -= 0.22f;
            if (finger == 2 && dx < -0.5f) shade += 0.12f;
            const float tx = (fx - 60.0f) / 8.0f;
            const float ty = (fy - 43.0f) / 4.5f;
            if (tx * tx + ty * ty < 1.0f) shade = 0.76f - 0.15f * (tx + ty);
            canvas.paint(x, y, Ramp::Skin, shade);
        }
    }
}

void paintFlame(Canvas& canvas, const FlameShape& flame)
{
    for (int y = 0; y < kOverlayRows; ++y) {
        const float up = (kHeadTop + 2.0f - static_cast<float>(y)) / flame.height;
        if (up < 0.0f || up > 1.0f) continue;
        const float centre = kHeadX + flame.sway * up * up;
        const float halfWidth = 9.0f * std::sin(kPi * std::min(1.0f, up * 0.8f + 0.2f)) * std::sqrt(1.0f - up);
        for (int x = 0; x < kOverlayColumns; ++x) {
            const float tongue = fractalNoise(static_cast<float>(x) / 4.0f, static_cast<float>(y) / 6.0f, 32, 16, 3, flame.seed) - 0.5f;
            const float across = std::abs(static_cast<float>(x) - centre + 3.0f * tongue) / std::max(0.5f, halfWidth);
            if (across >= 1.0f) continue;
            const float heat = (1.0f - across) * (1.0f - 0.55f * up);
            canvas.paint(x, y, Ramp::Fire, 0.3f + 0.85f * heat + 0.15f * tongue);
        }
    }
}

}  // namespace

IndexedImage torchPicture(int variant)
{
    constexpr FlameShape flames[2] = {{-3.0f, 21.0f, 4101}, {4.0f, 18.0f, 4102}};
    Canvas canvas(kOverlayColumns, kOverlayRows);
    for (int y = 0; y < kOverlayRows; ++y)
        for (int x = 0; x < kOverlayColumns; ++x) canvas.punch(x, y);
    paintHandle(canvas);
    paintFist(canvas);
    paintFlame(canvas, flames[variant]);
    return canvas.toIndexes(0.5f);
}

}  // namespace qzdemo
