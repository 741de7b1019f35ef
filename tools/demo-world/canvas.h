#pragma once
#include <cstddef>
#include <vector>

#include "tools/demo-world/indexed_image.h"
#include "tools/demo-world/palette.h"

namespace qzdemo {

// A picture painted as a ramp and a shade (0 dark .. 1 light) per pixel, so that lighting can be
// added before the colours are reduced to palette indexes. Coordinates wrap around the edges,
// as the textures repeat.
class Canvas {
public:
    Canvas(int width, int height, Ramp ramp = Ramp::Grey, float shade = 0.0f);

    int width() const { return width_; }
    int height() const { return height_; }
    void paint(int x, int y, Ramp ramp, float shade);
    void lighten(int x, int y, float amount);  // negative darkens
    void punch(int x, int y);                  // leaves the skip index: a hole or transparent pixel
    float shade(int x, int y) const { return shades_[offset(x, y)]; }

    // Palette indexes; dither (0 .. 1) spreads an ordered 4 x 4 pattern over the rounding of the
    // shades, which hides the steps of smooth gradients.
    IndexedImage toIndexes(float dither) const;

private:
    size_t offset(int x, int y) const;
    int width_;
    int height_;
    std::vector<Ramp> ramps_;
    std::vector<float> shades_;
    std::vector<bool> holes_;
};

}  // namespace qzdemo
