#pragma once
#include <cstdint>

#include "format/bitmap_file.h"

namespace qzdemo {

using Rgb = bitmapfile::Rgb;
using Palette = bitmapfile::ColourTable;

// Sixteen ramps of sixteen shades, dark to light. Two entries are moved for the engine's fixed
// indexes: the grey ramp's lightest shade (white) sits at index 0, which the snow pass draws, so
// its darker greys start at index 1 and index 4 (the checkerboard's other colour) is a dark grey;
// the fire ramp gives up its lightest shade to index 255, the texel walls never draw.
enum class Ramp : uint8_t {
    Grey, Brick, Wood, Sand, Rust, Moss, Grass, Steel, Sky, Water, Marble, Slate, Violet, Brass, Skin, Fire
};

inline constexpr int kShades = 16;
inline constexpr uint8_t kSnowIndex = 0;
inline constexpr uint8_t kCheckerIndex = 4;
inline constexpr uint8_t kSkipIndex = 255;

// Palette index of shade level 0 (darkest) .. 15 (lightest) of a ramp; out-of-range levels clamp.
uint8_t rampIndex(Ramp ramp, int level);

const Palette& demoPalette();

}  // namespace qzdemo
