#include "tools/demo-world/sky.h"

#include <algorithm>
#include <cmath>

#include "tools/demo-world/canvas.h"
#include "tools/demo-world/noise.h"

namespace qzdemo {
namespace {

constexpr int kHorizon = 100;
constexpr float kSnowLine = 80.0f;

// A skyline that repeats once around the panorama: the row of its top at column x.
float skyline(int x, float base, float rise, int cells, uint32_t seed)
{
    const float n = fractalNoise(static_cast<float>(x) * static_cast<float>(cells) / kSkyWidth, 0.0f, cells, 1, 5, seed);
    // Folding the noise at its middle gives sharp crests; fractal noise rarely leaves
    // 0.25 .. 0.75, so the fold is stretched over the full rise.
    return base - rise * std::clamp(1.0f - std::abs(n - 0.5f) * 4.0f, 0.0f, 1.0f);
}

float peaksAt(int x) { return skyline(x, 100.0f, 34.0f, 12, 3003); }

float cloudDensity(int x, int y)
{
    return fractalNoise(static_cast<float>(x) / 128.0f, static_cast<float>(y) / 25.0f, kSkyWidth / 128, kSkyHeight / 25, 5, 3001);
}

void paintAir(Canvas& canvas, int x, int y)
{
    const float height = std::min(1.0f, static_cast<float>(y) / kHorizon);
    canvas.paint(x, y, Ramp::Sky, 0.18f + 0.7f * std::pow(height, 1.6f));
    // Clouds thin out towards the zenith and the horizon.
    const float band = std::sin(3.14159265f * std::clamp((static_cast<float>(y) - 4.0f) / 80.0f, 0.0f, 1.0f));
    const float cover = (cloudDensity(x, y) - 0.44f) * 5.0f * band;
    if (cover > 0.5f + 0.35f * (unitHash(x, y, 3002) - 0.5f)) {
        // Lit from above: bright where more cloud lies below, greyer on the undersides.
        const float relief = cloudDensity(x, y + 3) - cloudDensity(x, y - 3);
        canvas.paint(x, y, Ramp::Grey, std::max(0.62f, 0.84f + 2.0f * relief + 0.06f * std::min(1.0f, cover)));
    }
}

// Distant mountains: lit on slopes that face the left, snow above the snow line, haze at their feet.
void paintMountain(Canvas& canvas, int x, int y, float peak)
{
    const float row = static_cast<float>(y);
    const float facing = (peaksAt(x + 5) - peaksAt(x - 5)) / 10.0f;
    const float rock = fractalNoise(static_cast<float>(x) / 8.0f, static_cast<float>(y) / 8.0f, kSkyWidth / 8, kSkyHeight / 8, 3, 3007);
    const float haze = (row - peak) / std::max(1.0f, kHorizon - peak);
    const float snowLine = kSnowLine + 6.0f * (rock - 0.5f) + 4.0f * facing;
    if (row < snowLine) {
        canvas.paint(x, y, Ramp::Grey, 0.82f + 0.25f * std::clamp(facing, -0.5f, 0.5f) + 0.08f * (rock - 0.5f));
        return;
    }
    canvas.paint(x, y, Ramp::Steel, 0.4f + 0.2f * std::clamp(facing, -0.6f, 0.6f) + 0.1f * (rock - 0.5f) + 0.12f * haze);
}

void paintLand(Canvas& canvas, int x, int y, float hillTop)
{
    const float depth = (static_cast<float>(y) - hillTop) / (kSkyHeight - hillTop);
    const float fields = fractalNoise(static_cast<float>(x) / 32.0f, static_cast<float>(y) / 10.0f, kSkyWidth / 32, kSkyHeight / 10, 3, 3005);
    canvas.paint(x, y, Ramp::Moss, 0.42f - 0.28f * depth + 0.16f * (fields - 0.5f));
}

}  // namespace

IndexedImage skyPanorama()
{
    Canvas canvas(kSkyWidth, kSkyHeight);
    for (int x = 0; x < kSkyWidth; ++x) {
        const float peak = peaksAt(x);
        const float hillTop = skyline(x, 104.0f, 10.0f, 40, 3004);
        for (int y = 0; y < kSkyHeight; ++y) {
            const float row = static_cast<float>(y);
            if (row >= hillTop) paintLand(canvas, x, y, hillTop);
            else if (row >= peak) paintMountain(canvas, x, y, peak);
            else paintAir(canvas, x, y);
        }
    }
    return canvas.toIndexes(1.0f);
}

}  // namespace qzdemo
