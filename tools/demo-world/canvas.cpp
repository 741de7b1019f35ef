#include "tools/demo-world/canvas.h"

#include <algorithm>
#include <cmath>

namespace qzdemo {
namespace {

constexpr int kBayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};

float bayerOffset(int x, int y) { return (static_cast<float>(kBayer[y & 3][x & 3]) + 0.5f) / 16.0f - 0.5f; }

}  // namespace

Canvas::Canvas(int width, int height, Ramp ramp, float shade)
    : width_(width), height_(height), ramps_(static_cast<size_t>(width) * height, ramp),
      shades_(static_cast<size_t>(width) * height, shade), holes_(static_cast<size_t>(width) * height, false)
{
}

size_t Canvas::offset(int x, int y) const
{
    x = ((x % width_) + width_) % width_;
    y = ((y % height_) + height_) % height_;
    return static_cast<size_t>(y) * width_ + x;
}

void Canvas::paint(int x, int y, Ramp ramp, float shade)
{
    const size_t at = offset(x, y);
    ramps_[at] = ramp;
    shades_[at] = shade;
    holes_[at] = false;
}

void Canvas::lighten(int x, int y, float amount) { shades_[offset(x, y)] += amount; }

void Canvas::punch(int x, int y) { holes_[offset(x, y)] = true; }

IndexedImage Canvas::toIndexes(float dither) const
{
    IndexedImage image(width_, height_);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const size_t at = offset(x, y);
            if (holes_[at]) {
                image.at(x, y) = kSkipIndex;
                continue;
            }
            const float level = std::clamp(shades_[at], 0.0f, 1.0f) * (kShades - 1) + 0.5f + dither * bayerOffset(x, y);
            image.at(x, y) = rampIndex(ramps_[at], static_cast<int>(std::floor(level)));
        }
    }
    return image;
}

}  // namespace qzdemo
