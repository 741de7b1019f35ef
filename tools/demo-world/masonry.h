#pragma once
#include <cstdint>

#include "tools/demo-world/block_layout.h"
#include "tools/demo-world/canvas.h"

namespace qzdemo {

struct MasonryStyle {
    Ramp block;
    float shade;       // average shade of a block
    float toneSpread;  // how much whole blocks differ from each other
    float roughness;   // weight of the surface noise
    Ramp mortar;
    float mortarShade;
    int mortarWidth;   // joints sit on the top and left of every block
    int bevel;         // width of the lit top-left and shadowed bottom-right rims
    float bevelLight;
    uint32_t seed;
};

// Blocks with individual tones, rough surfaces, chipped rims and recessed mortar, lit from the top left.
void paintMasonry(Canvas& canvas, const BlockLayout& layout, const MasonryStyle& style);

}  // namespace qzdemo
