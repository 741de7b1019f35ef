#include "tools/demo-world/flats.h"

#include <algorithm>
#include <cmath>

#include "tools/demo-world/details.h"
#include "tools/demo-world/masonry.h"
#include "tools/demo-world/noise.h"
#include "tools/demo-world/planks.h"

namespace qzdemo {
namespace {

constexpr float kPi = 3.14159265f;
constexpr float kFlatDither = 0.5f;

}  // namespace

IndexedImage flagstoneFlat()
{
    Sequence random(2101);
    const BlockLayout layout = BlockLayout::irregular(kFlatSize, kFlatSize, {18, 14, 20, 12}, 21, random);
    Canvas canvas(kFlatSize, kFlatSize);
    paintMasonry(canvas, layout, {Ramp::Slate, 0.5f, 0.26f, 0.3f, Ramp::Slate, 0.16f, 2, 2, 0.1f, 2102});
    return canvas.toIndexes(kFlatDither);
}

IndexedImage woodFloorFlat()
{
    Canvas canvas(kFlatSize, kFlatSize);
    paintPlanks(canvas, 16, 0.48f, 2201);
    return canvas.toIndexes(kFlatDither);
}

IndexedImage ceilingTileFlat()
{
    constexpr int tile = 32;
    Canvas canvas(kFlatSize, kFlatSize);
    for (int y = 0; y < kFlatSize; ++y) {
        for (int x = 0; x < kFlatSize; ++x) {
            const int tx = x % tile;
            const int ty = y % tile;
            float shade = 0.72f + 0.05f * (unitHash(x / tile, y / tile, 2301) - 0.5f) +
                          0.06f * (fractalNoise(static_cast<float>(x) / 8.0f, static_cast<float>(y) / 8.0f, 8, 8, 3, 2302) - 0.5f);
            // Acoustic perforations in a grid, clear of the rim.
            if (tx >= 5 && tx <= 27 && ty >= 5 && ty <= 27 && tx % 4 == 1 && ty % 4 == 1) shade -= 0.24f;
            canvas.paint(x, y, Ramp::Marble, shade);
        }
    }
    for (int top = 0; top < kFlatSize; top += tile)
        for (int left = 0; left < kFlatSize; left += tile) bevelRectangle(canvas, left, top, tile, tile, 2, 0.1f);
    for (int y = 0; y < kFlatSize; ++y)
        for (int x = 0; x < kFlatSize; ++x)
            if (x % tile == 0 || y % tile == 0) canvas.paint(x, y, Ramp::Grey, 0.28f);
    return canvas.toIndexes(kFlatDither);
}

IndexedImage grassFlat()
{
    Canvas canvas(kFlatSize, kFlatSize);
    for (int y = 0; y < kFlatSize; ++y) {
        for (int x = 0; x < kFlatSize; ++x) {
            const float patches = fractalNoise(static_cast<float>(x) / 16.0f, static_cast<float>(y) / 16.0f, 4, 4, 4, 2401);
            const float blades = valueNoise(static_cast<float>(x) / 2.0f, static_cast<float>(y) / 4.0f, 32, 16, 2402);
            const float speck = unitHash(x, y, 2403);
            const float shade = 0.22f + 0.38f * patches + 0.22f * (blades - 0.5f) + 0.16f * (speck - 0.5f);
            if (speck > 0.985f) canvas.paint(x, y, Ramp::Moss, 0.85f);
            else canvas.paint(x, y, Ramp::Grass, shade);
        }
    }
    return canvas.toIndexes(kFlatDither);
}

IndexedImage sandFlat()
{
    Canvas canvas(kFlatSize, kFlatSize);
    for (int y = 0; y < kFlatSize; ++y) {
        for (int x = 0; x < kFlatSize; ++x) {
            const float drift = fractalNoise(static_cast<float>(x) / 16.0f, static_cast<float>(y) / 16.0f, 4, 4, 4, 2501);
            // Ripples: three per tile down, one across, so the phase repeats after 64 in both.
            const float ripple =
                std::sin(2.0f * kPi * (3.0f * static_cast<float>(y) / kFlatSize + static_cast<float>(x) / kFlatSize) + 4.0f * drift);
            const float grain = unitHash(x, y, 2502) - 0.5f;
            canvas.paint(x, y, Ramp::Sand, 0.6f + 0.1f * ripple + 0.14f * (drift - 0.5f) + 0.1f * grain);
        }
    }
    return canvas.toIndexes(kFlatDither);
}

IndexedImage metalPlateFlat()
{
    constexpr int cell = 16;
    Canvas canvas(kFlatSize, kFlatSize);
    brushedMetal(canvas, Ramp::Steel, 0.4f, 2601);
    for (int y = 0; y < kFlatSize; ++y) {
        for (int x = 0; x < kFlatSize; ++x) {
            // Tread plate: raised lozenges, turned the other way in every other cell.
            const float dx = static_cast<float>(x % cell) - 7.5f;
            const float dy = static_cast<float>(y % cell) - 7.5f;
            const bool turned = ((x / cell) + (y / cell)) % 2 == 1;
            const float along = std::abs(turned ? dx - dy : dx + dy) / std::sqrt(2.0f);
            const float across = std::abs(turned ? dx + dy : dx - dy) / std::sqrt(2.0f);
            if (along / 6.0f + across / 1.8f < 1.0f) canvas.lighten(x, y, 0.14f - 0.03f * (dx + dy));
        }
    }
    bevelRectangle(canvas, 0, 0, kFlatSize, kFlatSize, 1, 0.12f);
    for (int corner = 0; corner < 4; ++corner) drawRivet(canvas, corner % 2 == 0 ? 4 : 59, corner < 2 ? 4 : 59, 2, Ramp::Steel);
    // The plate joints sit inside the flat, so its own repeat falls in mid-plate.
    return rolled(canvas.toIndexes(kFlatDither), kFlatSize / 2, kFlatSize / 2);
}

IndexedImage beamCeiling()
{
    Canvas canvas(kFlatSize, kFlatSize);
    paintPlanks(canvas, 32, 0.36f, 2701);
    return canvas.toIndexes(kFlatDither);
}

}  // namespace qzdemo
