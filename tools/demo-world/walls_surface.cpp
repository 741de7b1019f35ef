#include <algorithm>
#include <cmath>

#include "tools/demo-world/noise.h"
#include "tools/demo-world/planks.h"
#include "tools/demo-world/walls.h"

namespace qzdemo {
namespace {

constexpr float kPi = 3.14159265f;

}  // namespace

IndexedImage woodWall()
{
    Canvas canvas(kWallSize, kWallSize);
    paintPlanks(canvas, 32, 0.5f, 301);
    return canvas.toIndexes(0.4f);
}

IndexedImage tilesWall()
{
    constexpr int tile = 16;
    constexpr int bandRow = 6;  // one row of coloured tiles in every repeat
    Canvas canvas(kWallSize, kWallSize);
    for (int y = 0; y < kWallSize; ++y) {
        for (int x = 0; x < kWallSize; ++x) {
            const int tx = x % tile;
            const int ty = y % tile;
            if (tx == 0 || ty == 0) {
                canvas.paint(x, y, Ramp::Grey, 0.5f + 0.06f * (unitHash(x, y, 701) - 0.5f));
                continue;
            }
            const bool band = y / tile == bandRow;
            const float tone = 0.06f * (unitHash(x / tile, y / tile, 702) - 0.5f);
            // Glaze: brighter towards the top-left corner, with a rounded rim.
            float shade = (band ? 0.52f : 0.8f) + tone + 0.08f * (1.0f - static_cast<float>(tx + ty) / (2.0f * tile));
            if (tx == 1 || ty == 1) shade += 0.08f;
            if (tx == tile - 1 || ty == tile - 1) shade -= 0.1f;
            shade += 0.03f * (fractalNoise(static_cast<float>(x) / 8.0f, static_cast<float>(y) / 8.0f, 16, 16, 2, 703) - 0.5f);
            if (band && std::abs(tx - 8) + std::abs(ty - 8) < 4) shade -= 0.2f;
            canvas.paint(x, y, band ? Ramp::Water : Ramp::Marble, shade);
        }
    }
    return canvas.toIndexes(0.5f);
}

IndexedImage marbleWall()
{
    constexpr int slab = 64;
    Canvas canvas(kWallSize, kWallSize);
    for (int y = 0; y < kWallSize; ++y) {
        for (int x = 0; x < kWallSize; ++x) {
            const int slabId = x / slab;
            const float turbulence = fractalNoise(static_cast<float>(x) / 32.0f, static_cast<float>(y) / 32.0f, 4, 4, 4, 901);
            // Veins run diagonally; the phase repeats after a whole texture in both directions.
            const float phase = 2.0f * kPi * (static_cast<float>(x) / kWallSize + 2.0f * static_cast<float>(y) / kWallSize) +
                                5.0f * turbulence + 2.3f * static_cast<float>(slabId);
            const float vein = std::pow(1.0f - std::abs(std::sin(phase)), 8.0f);
            const float hair = std::pow(1.0f - std::abs(std::sin(phase * 2.0f + 4.0f * turbulence)), 30.0f);
            const float cloud = fractalNoise(static_cast<float>(x) / 32.0f, static_cast<float>(y) / 32.0f, 4, 4, 4, 902);
            float shade = 0.78f + 0.16f * (cloud - 0.5f) - 0.36f * vein - 0.14f * hair;
            if (x % slab == 0 || y == 0) shade = 0.3f;
            else if (x % slab == 1 || y == 1) shade += 0.06f;
            canvas.paint(x, y, Ramp::Marble, shade);
        }
    }
    return canvas.toIndexes(0.6f);
}

IndexedImage waterfallWall()
{
    Canvas canvas(kWallSize, kWallSize);
    for (int y = 0; y < kWallSize; ++y) {
        for (int x = 0; x < kWallSize; ++x) {
            // Streaks stretched downwards; the pattern repeats every 128 rows, so scrolling flows on.
            const float streaks = fractalNoise(static_cast<float>(x) / 4.0f, static_cast<float>(y) / 64.0f, 32, 2, 3, 1101);
            const float ripples = valueNoise(static_cast<float>(x) / 8.0f, static_cast<float>(y) / 8.0f, 16, 16, 1102);
            const float shade = 0.28f + 0.55f * streaks + 0.12f * (ripples - 0.5f);
            if (streaks > 0.7f || unitHash(x, y, 1103) > 0.992f) canvas.paint(x, y, Ramp::Grey, 0.72f + 0.5f * (streaks - 0.7f));
            else canvas.paint(x, y, Ramp::Water, shade);
        }
    }
    return canvas.toIndexes(0.5f);
}

}  // namespace qzdemo
