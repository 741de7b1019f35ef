#include "tools/demo-world/palette.h"

#include <algorithm>

namespace qzdemo {
namespace {

struct RampColours {
    Rgb dark, middle, light;
};

// Level 0, level 8 and level 15 of every ramp, in the order of the Ramp enumeration.
constexpr std::array<RampColours, kShades> kRamps = {{
    {{10, 10, 12}, {118, 118, 124}, {250, 250, 255}},   // grey; the light end is snow
    {{30, 8, 6}, {150, 58, 40}, {240, 176, 146}},        // brick
    {{26, 14, 6}, {128, 80, 42}, {232, 194, 146}},       // wood
    {{42, 32, 18}, {172, 146, 100}, {252, 238, 204}},    // sand
    {{30, 14, 4}, {148, 74, 26}, {246, 184, 104}},       // rust
    {{10, 18, 6}, {72, 98, 36}, {196, 214, 136}},        // moss
    {{6, 22, 4}, {56, 126, 32}, {184, 242, 124}},        // grass
    {{14, 18, 24}, {96, 108, 124}, {222, 230, 242}},     // steel
    {{12, 26, 74}, {72, 122, 202}, {214, 232, 255}},     // sky
    {{4, 20, 28}, {32, 112, 132}, {196, 246, 250}},      // water
    {{44, 40, 38}, {174, 164, 154}, {252, 249, 242}},    // marble
    {{20, 18, 16}, {110, 102, 92}, {224, 216, 202}},     // slate
    {{16, 6, 30}, {112, 52, 172}, {234, 196, 255}},      // violet
    {{30, 20, 4}, {162, 122, 32}, {255, 238, 152}},      // brass
    {{42, 22, 14}, {182, 112, 82}, {255, 222, 194}},     // skin
    {{44, 4, 0}, {222, 92, 12}, {255, 250, 184}},        // fire
}};

constexpr Rgb kSkipColour = {255, 0, 255};

uint8_t blend(uint8_t from, uint8_t to, int step, int steps)
{
    return static_cast<uint8_t>(from + ((to - from) * step + (to > from ? steps / 2 : -steps / 2)) / steps);
}

Rgb blend(Rgb from, Rgb to, int step, int steps)
{
    return {blend(from.red, to.red, step, steps), blend(from.green, to.green, step, steps),
            blend(from.blue, to.blue, step, steps)};
}

Rgb rampShade(const RampColours& ramp, int level)
{
    return level <= 8 ? blend(ramp.dark, ramp.middle, level, 8) : blend(ramp.middle, ramp.light, level - 8, 7);
}

Palette buildPalette()
{
    Palette palette {};
    // Levels run upwards, so where two levels share an index (the top of the fire ramp) the
    // lighter one stays.
    for (int ramp = 0; ramp < kShades; ++ramp)
        for (int level = 0; level < kShades; ++level)
            palette[rampIndex(static_cast<Ramp>(ramp), level)] = rampShade(kRamps[ramp], level);
    palette[kSkipIndex] = kSkipColour;
    return palette;
}

}  // namespace

uint8_t rampIndex(Ramp ramp, int level)
{
    level = std::clamp(level, 0, kShades - 1);
    if (ramp == Ramp::Grey) return static_cast<uint8_t>(level == kShades - 1 ? kSnowIndex : level + 1);
    if (ramp == Ramp::Fire) level = std::min(level, kShades - 2);
    return static_cast<uint8_t>(static_cast<int>(ramp) * kShades + level);
}

const Palette& demoPalette()
{
    static const Palette palette = buildPalette();
    return palette;
}

}  // namespace qzdemo
