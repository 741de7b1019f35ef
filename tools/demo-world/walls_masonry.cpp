#include <algorithm>
#include <vector>

#include "tools/demo-world/details.h"
#include "tools/demo-world/masonry.h"
#include "tools/demo-world/noise.h"
#include "tools/demo-world/walls.h"

namespace qzdemo {
namespace {

constexpr float kMasonryDither = 0.6f;

BlockLayout stoneLayout(uint64_t seed)
{
    Sequence random(seed);
    return BlockLayout::irregular(kWallSize, kWallSize, {32, 24, 40, 32}, 42, random);
}

MasonryStyle stoneStyle(uint32_t seed)
{
    return {Ramp::Slate, 0.5f, 0.22f, 0.35f, Ramp::Slate, 0.2f, 2, 3, 0.12f, seed};
}

struct Stroke {
    float ax, ay, bx, by;
};

// A rune in the manner of the old staves: an upright stem with one to three branches.
std::vector<Stroke> runeGlyph(Sequence& random, float left, float top, float size)
{
    const float middle = left + size / 2;
    std::vector<Stroke> strokes = {{middle, top, middle, top + size}};
    const int branches = random.between(1, 3);
    for (int branch = 0; branch < branches; ++branch) {
        const float fromY = top + size * static_cast<float>(random.between(0, 2)) / 3;
        const float side = random.between(0, 1) == 0 ? left : left + size;
        const float toY = fromY + size * static_cast<float>(random.between(1, 2)) / 3;
        strokes.push_back(random.between(0, 1) == 0 ? Stroke {middle, fromY, side, toY} : Stroke {side, fromY, middle, toY});
    }
    return strokes;
}

float glyphDistance(const std::vector<Stroke>& strokes, float x, float y)
{
    float nearest = 1e9f;
    for (const Stroke& s : strokes) nearest = std::min(nearest, segmentDistance(x, y, s.ax, s.ay, s.bx, s.by));
    return nearest;
}

}  // namespace

IndexedImage brickWall()
{
    Canvas canvas(kWallSize, kWallSize);
    paintMasonry(canvas, BlockLayout::runningBond(kWallSize, kWallSize, 32, 16),
                 {Ramp::Brick, 0.48f, 0.2f, 0.22f, Ramp::Sand, 0.42f, 2, 2, 0.12f, 101});
    return canvas.toIndexes(kMasonryDither);
}

IndexedImage darkBrickWall()
{
    Canvas canvas(kWallSize, kWallSize);
    paintMasonry(canvas, BlockLayout::runningBond(kWallSize, kWallSize, 32, 8),
                 {Ramp::Brick, 0.26f, 0.14f, 0.2f, Ramp::Slate, 0.12f, 1, 1, 0.1f, 1001});
    return canvas.toIndexes(kMasonryDither);
}

IndexedImage stoneWall()
{
    Canvas canvas(kWallSize, kWallSize);
    paintMasonry(canvas, stoneLayout(201), stoneStyle(201));
    return canvas.toIndexes(kMasonryDither);
}

IndexedImage mossWall()
{
    const BlockLayout layout = stoneLayout(801);
    Canvas canvas(kWallSize, kWallSize);
    paintMasonry(canvas, layout, stoneStyle(801));
    for (int y = 0; y < kWallSize; ++y) {
        for (int x = 0; x < kWallSize; ++x) {
            const BlockHit hit = layout.at(x, y);
            const bool joint = hit.localX < 2 || hit.localY < 2;
            // Moss gathers in the joints and on the upper faces, where water runs.
            const float wetness = fractalNoise(static_cast<float>(x) / 32.0f, static_cast<float>(y) / 32.0f, 4, 4, 4, 802) +
                                  (joint ? 0.18f : 0.0f) + 0.12f * (1.0f - static_cast<float>(hit.localY) / static_cast<float>(hit.height));
            const float edge = 0.62f + 0.05f * (unitHash(x, y, 803) - 0.5f);
            if (wetness < edge) continue;
            const float tuft = fractalNoise(static_cast<float>(x) / 4.0f, static_cast<float>(y) / 4.0f, 32, 32, 2, 804);
            canvas.paint(x, y, Ramp::Moss, 0.22f + 0.45f * tuft + 0.3f * (wetness - edge));
        }
    }
    return canvas.toIndexes(kMasonryDither);
}

IndexedImage runesWall()
{
    const BlockLayout layout = BlockLayout::runningBond(kWallSize, kWallSize, 64, 64);
    Canvas canvas(kWallSize, kWallSize);
    paintMasonry(canvas, layout, {Ramp::Slate, 0.42f, 0.12f, 0.3f, Ramp::Slate, 0.14f, 2, 3, 0.12f, 1201});
    Sequence random(1202);
    std::vector<std::vector<Stroke>> glyphs;
    for (int block = 0; block < 4; ++block) glyphs.push_back(runeGlyph(random, 16.0f, 14.0f, 34.0f));
    constexpr float groove = 2.2f;
    for (int y = 0; y < kWallSize; ++y) {
        for (int x = 0; x < kWallSize; ++x) {
            const BlockHit hit = layout.at(x, y);
            const auto& glyph = glyphs[static_cast<size_t>((hit.id / 64) * 2 + hit.id % 64) % glyphs.size()];
            const float lx = static_cast<float>(hit.localX);
            const float ly = static_cast<float>(hit.localY);
            const float distance = glyphDistance(glyph, lx, ly);
            if (distance < groove) {
                // The bottom of the carving holds a faint violet glow.
                canvas.paint(x, y, Ramp::Violet, 0.14f + 0.3f * (1.0f - distance / groove));
            } else if (distance < groove + 1.5f) {
                // The groove's far wall catches the light; its near wall is in shadow.
                const bool facesLight = glyphDistance(glyph, lx - 1, ly - 1) < distance;
                canvas.lighten(x, y, facesLight ? 0.14f : -0.16f);
            }
        }
    }
    return canvas.toIndexes(kMasonryDither);
}

}  // namespace qzdemo
