#include <algorithm>
#include <array>
#include <cmath>

#include "tools/demo-world/details.h"
#include "tools/demo-world/noise.h"
#include "tools/demo-world/walls.h"

namespace qzdemo {
namespace {

constexpr float kMetalDither = 0.5f;
constexpr float kPi = 3.14159265f;

// A rust streak running down from a rivet, fading as it goes.
void drawRustStreak(Canvas& canvas, int x, int top, int length)
{
    for (int step = 0; step < length; ++step) {
        const float fade = 1.0f - static_cast<float>(step) / static_cast<float>(length);
        const float shade = canvas.shade(x, top + step);
        canvas.paint(x, top + step, Ramp::Rust, std::max(0.15f, shade - 0.1f * fade));
    }
}

// The raised frame and inner frame shared by the panel and the glowing panel.
void framedPanel(Canvas& canvas, uint32_t seed)
{
    brushedMetal(canvas, Ramp::Steel, 0.42f, seed);
    bevelRectangle(canvas, 0, 0, kWallSize, kWallSize, 6, 0.12f);
    bevelRectangle(canvas, 6, 6, kWallSize - 12, kWallSize - 12, 2, -0.1f);
    for (int corner = 0; corner < 4; ++corner) drawRivet(canvas, corner % 2 == 0 ? 3 : 124, corner < 2 ? 3 : 124, 1, Ramp::Steel);
}

}  // namespace

IndexedImage metalWall()
{
    Canvas canvas(kWallSize, kWallSize);
    brushedMetal(canvas, Ramp::Steel, 0.45f, 401);
    constexpr int plate = 64;
    for (int y = 0; y < kWallSize; ++y) {
        for (int x = 0; x < kWallSize; ++x) {
            const int plateId = (y / plate) * 2 + x / plate;
            // Grime settles towards the bottom of each plate.
            const float grime = 0.12f * static_cast<float>(y % plate) / plate;
            canvas.lighten(x, y, 0.08f * (unitHash(plateId, 0, 402) - 0.5f) - grime);
        }
    }
    for (int top = 0; top < kWallSize; top += plate)
        for (int left = 0; left < kWallSize; left += plate) bevelRectangle(canvas, left, top, plate, plate, 2, 0.14f);
    Sequence random(403);
    for (int top = 0; top < kWallSize; top += plate) {
        for (int x = 8; x < kWallSize; x += 16) {
            for (int rowOffset : {6, plate - 7}) {
                drawRivet(canvas, x, top + rowOffset, 2, Ramp::Steel);
                if (random.between(0, 3) == 0) drawRustStreak(canvas, x + random.between(-1, 1), top + rowOffset + 3, random.between(6, 22));
            }
        }
    }
    // The plate joints sit inside the texture, so its own repeat falls in mid-plate.
    return rolled(canvas.toIndexes(kMetalDither), plate / 2, plate / 2);
}

IndexedImage panelWall()
{
    Canvas canvas(kWallSize, kWallSize);
    framedPanel(canvas, 501);
    // Upper inset plate with four screws.
    bevelRectangle(canvas, 14, 14, 100, 38, 2, -0.12f);
    for (int y = 16; y < 50; ++y)
        for (int x = 16; x < 112; ++x) canvas.lighten(x, y, -0.06f);
    for (int corner = 0; corner < 4; ++corner) drawRivet(canvas, corner % 2 == 0 ? 20 : 107, corner < 2 ? 20 : 45, 1, Ramp::Steel);
    // A light strip: bright core, glow spilling onto the metal around it.
    for (int y = 54; y < 72; ++y) {
        for (int x = 10; x < 118; ++x) {
            const float fromCore = std::abs(static_cast<float>(y) - 62.5f);
            if (fromCore < 3.0f && x >= 14 && x < 114) canvas.paint(x, y, Ramp::Water, 0.95f - 0.06f * fromCore);
            else if (fromCore < 9.0f) canvas.lighten(x, y, 0.18f * (1.0f - fromCore / 9.0f));
        }
    }
    // Vent slits: dark openings with a lit lower lip.
    for (int top = 80; top < 116; top += 8) {
        for (int x = 18; x < 110; ++x) {
            for (int y = top; y < top + 4; ++y) canvas.paint(x, y, Ramp::Steel, 0.06f + 0.02f * static_cast<float>(y - top));
            canvas.lighten(x, top + 4, 0.16f);
        }
    }
    return canvas.toIndexes(kMetalDither);
}

IndexedImage grateWall()
{
    Canvas canvas(kWallSize, kWallSize);
    constexpr int barSpacing = 16;
    constexpr int barWidth = 5;
    constexpr int crossTop[2] = {26, 90};
    constexpr int crossHeight = 7;
    for (int y = 0; y < kWallSize; ++y) {
        for (int x = 0; x < kWallSize; ++x) {
            const float rust = fractalNoise(static_cast<float>(x) / 16.0f, static_cast<float>(y) / 16.0f, 8, 8, 3, 601);
            const Ramp metal = rust > 0.58f ? Ramp::Rust : Ramp::Steel;
            const int inBar = x % barSpacing;
            const int crossRow = y >= crossTop[1] ? y - crossTop[1] : y - crossTop[0];
            if (crossRow >= 0 && crossRow < crossHeight) {
                // Flat cross bars: lit top edge, shadowed bottom edge.
                const float edge = crossRow == 0 ? 0.16f : crossRow == crossHeight - 1 ? -0.16f : 0.0f;
                canvas.paint(x, y, metal, 0.42f + edge + 0.1f * (rust - 0.5f));
            } else if (inBar < barWidth) {
                // Round bars: a highlight left of centre, falling off towards both sides.
                const float across = (static_cast<float>(inBar) + 0.5f) / barWidth;
                const float light = std::cos((across - 0.35f) * kPi);
                canvas.paint(x, y, metal, 0.12f + 0.5f * std::max(0.0f, light) + 0.1f * (rust - 0.5f));
            } else {
                canvas.punch(x, y);
            }
        }
    }
    for (int top : crossTop)
        for (int x = barWidth / 2; x < kWallSize; x += barSpacing) drawRivet(canvas, x, top + crossHeight / 2, 1, Ramp::Steel);
    return canvas.toIndexes(kMetalDither);
}

IndexedImage glowPanelFrame(int frame)
{
    constexpr std::array<float, kGlowFrames> intensity = {0.5f, 1.0f, 0.76f};
    const float phase = static_cast<float>(frame) * 2.1f;
    Canvas canvas(kWallSize, kWallSize);
    framedPanel(canvas, 1301);
    constexpr float centre = 63.5f;
    constexpr float window = 34.0f;
    constexpr float ring = 41.0f;
    for (int y = 0; y < kWallSize; ++y) {
        for (int x = 0; x < kWallSize; ++x) {
            const float dx = static_cast<float>(x) - centre;
            const float dy = static_cast<float>(y) - centre;
            const float distance = std::sqrt(dx * dx + dy * dy);
            if (distance < window) {
                const float swirl = std::sin(distance * 0.35f - phase) + std::sin(dx * 0.17f + dy * 0.11f + phase) +
                                    std::sin(std::atan2(dy, dx) * 3.0f + phase * 0.5f);
                const float core = 1.0f - distance / window;
                const float shade = intensity[frame] * (0.35f + 0.1f * swirl + 0.45f * core);
                canvas.paint(x, y, Ramp::Water, shade);
            } else if (distance < ring) {
                // A brass ring, lit on its upper left.
                const float light = -(dx + dy) / (2.0f * distance);
                canvas.paint(x, y, Ramp::Brass, 0.45f + 0.25f * light);
            } else if (distance < ring + 8.0f) {
                // Light thrown on the plate around the ring.
                canvas.lighten(x, y, 0.12f * intensity[frame] * (1.0f - (distance - ring) / 8.0f));
            }
        }
    }
    // Indicator lamps in the corners blink in turn.
    for (int lamp = 0; lamp < 4; ++lamp) {
        const bool lit = lamp % kGlowFrames == frame;
        const int lx = lamp % 2 == 0 ? 16 : 111;
        const int ly = lamp < 2 ? 16 : 111;
        for (int dy = -2; dy <= 2; ++dy)
            for (int dx = -2; dx <= 2; ++dx)
                if (dx * dx + dy * dy <= 5)
                    canvas.paint(lx + dx, ly + dy, Ramp::Fire, lit ? 0.95f - 0.08f * static_cast<float>(dx * dx + dy * dy) : 0.18f);
    }
    return canvas.toIndexes(kMetalDither);
}

}  // namespace qzdemo
