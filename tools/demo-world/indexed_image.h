#pragma once
#include "format/bitmap_file.h"

namespace qzdemo {

using IndexedImage = bitmapfile::IndexedImage;

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
