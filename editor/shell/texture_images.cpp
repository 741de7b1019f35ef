#include "editor/shell/texture_images.h"

namespace qzedit {

QImage textureImage(const bitmapfile::IndexedImage& picture, const bitmapfile::ColourTable& colours)
{
    QImage image(picture.width, picture.height, QImage::Format_RGB32);
    for (int y = 0; y < picture.height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < picture.width; ++x) {
            const bitmapfile::Rgb& c = colours[picture.at(x, y)];
            row[x] = qRgb(c.red, c.green, c.blue);
        }
    }
    return image;
}

}  // namespace qzedit
