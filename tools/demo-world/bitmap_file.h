#pragma once
#include <cstdint>
#include <vector>

#include "tools/demo-world/indexed_image.h"
#include "tools/demo-world/palette.h"

namespace qzdemo {

inline constexpr int kColourTableOffset = 54;
inline constexpr int kPixelOffset = 1078;

// An uncompressed 8-bit bitmap file: 14-byte file header, 40-byte information header, 256 colour
// table entries (blue, green, red, 0) and the pixels from offset 1078. The height is stored
// negative (top-down), so the first pixel row of the file is the top of the picture.
std::vector<uint8_t> encodeBitmap(const IndexedImage& image, const Palette& palette);

}  // namespace qzdemo
