#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

// The engine's bitmap files: uncompressed 8-bit pictures with a 256-entry colour table.
namespace bitmapfile {

struct Rgb {
    uint8_t red, green, blue;
};
using ColourTable = std::array<Rgb, 256>;

// An 8-bit picture of palette indexes, row by row from the top.
struct IndexedImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> pixels;

    IndexedImage() = default;
    IndexedImage(int w, int h, uint8_t fill = 0) : width(w), height(h), pixels(static_cast<size_t>(w) * h, fill) {}
    uint8_t& at(int x, int y) { return pixels[static_cast<size_t>(y) * width + x]; }
    uint8_t at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

inline constexpr int kColourTableOffset = 54;
inline constexpr int kPixelOffset = 1078;

// An uncompressed 8-bit bitmap file: 14-byte file header, 40-byte information header, 256 colour
// table entries (blue, green, red, 0) and the pixels from offset 1078. The height is stored
// negative (top-down), so the first pixel row of the file is the top of the picture.
std::vector<uint8_t> encodeBitmap(const IndexedImage& image, const ColourTable& colours);

}  // namespace bitmapfile
