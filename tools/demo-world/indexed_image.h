#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace qzdemo {

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

// Rows become columns: the engine's overlay layout stores each screen column as one row.
inline IndexedImage transpose(const IndexedImage& image)
{
    IndexedImage result(image.height, image.width);
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) result.at(y, x) = image.at(x, y);
    return result;
}

// The picture moved right by dx and down by dy, wrapping around: for repeating textures whose
// joints should not fall on the picture's edges.
inline IndexedImage rolled(const IndexedImage& image, int dx, int dy)
{
    IndexedImage result(image.width, image.height);
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) result.at((x + dx) % image.width, (y + dy) % image.height) = image.at(x, y);
    return result;
}

}  // namespace qzdemo
