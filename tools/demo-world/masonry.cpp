#include "tools/demo-world/masonry.h"

#include <algorithm>

#include "tools/demo-world/noise.h"

namespace qzdemo {

void paintMasonry(Canvas& canvas, const BlockLayout& layout, const MasonryStyle& style)
{
    const int cellsX = canvas.width() / 16;
    const int cellsY = canvas.height() / 16;
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            const BlockHit hit = layout.at(x, y);
            const float surface = fractalNoise(static_cast<float>(x) / 16.0f, static_cast<float>(y) / 16.0f, cellsX, cellsY, 4, style.seed);
            const float grit = unitHash(x, y, style.seed + 1) - 0.5f;
            // Chips: the joint eats into the block where the noise is high.
            const int chip = unitHash(x / 2, y / 2, style.seed + 2) > 0.8f ? 1 : 0;
            const int fromLeft = hit.localX - style.mortarWidth;
            const int fromTop = hit.localY - style.mortarWidth;
            const int fromRight = hit.width - 1 - hit.localX;
            const int fromBottom = hit.height - 1 - hit.localY;
            if (fromLeft < chip || fromTop < chip) {
                // Joints below a block lie in its shadow.
                const float shadow = hit.localY < style.mortarWidth ? 0.06f : 0.0f;
                canvas.paint(x, y, style.mortar, style.mortarShade - shadow + 0.12f * (surface - 0.5f) + 0.05f * grit);
                continue;
            }
            float shade = style.shade + style.toneSpread * (unitHash(hit.id, 0, style.seed + 3) - 0.5f) +
                          style.roughness * (surface - 0.5f) + 0.06f * grit;
            const float rim = static_cast<float>(style.bevel);
            if (fromTop < style.bevel) shade += style.bevelLight * (1.0f - static_cast<float>(fromTop) / rim);
            if (fromLeft < style.bevel) shade += 0.6f * style.bevelLight * (1.0f - static_cast<float>(fromLeft) / rim);
            if (fromBottom < style.bevel) shade -= style.bevelLight * (1.0f - static_cast<float>(fromBottom) / rim);
            if (fromRight < style.bevel) shade -= 0.6f * style.bevelLight * (1.0f - static_cast<float>(fromRight) / rim);
            canvas.paint(x, y, style.block, std::clamp(shade, 0.0f, 1.0f));
        }
    }
}

}  // namespace qzdemo
