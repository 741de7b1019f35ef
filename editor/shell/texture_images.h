#pragma once
#include <QImage>

#include "format/bitmap_file.h"

namespace qzedit {

// A texture's palette indexes in the palette's colours.
QImage textureImage(const bitmapfile::IndexedImage& picture, const bitmapfile::ColourTable& colours);

}  // namespace qzedit
