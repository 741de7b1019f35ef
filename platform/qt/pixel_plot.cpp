#include "platform/qt/pixel_plot.h"

#include <cstdlib>

namespace qz {

namespace {

inline void plot(QRgb* pixels, qsizetype stride, int width, int height, int x, int y, QRgb color, bool exclusiveOr)
{
    if (x < 0 || y < 0 || x >= width || y >= height) return;
    QRgb& pixel = pixels[y * stride + x];
    pixel = exclusiveOr ? (pixel ^ (color & 0x00FFFFFF)) : (color | 0xFF000000);
}

}  // namespace

void plotLine(QImage& image, QPoint from, QPoint to, QRgb color, bool exclusiveOr)
{
    auto* pixels = reinterpret_cast<QRgb*>(image.bits());
    qsizetype stride = image.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
    int width = image.width();
    int height = image.height();
    int x = from.x();
    int y = from.y();
    int dx = std::abs(to.x() - x);
    int dy = -std::abs(to.y() - y);
    int sx = x < to.x() ? 1 : -1;
    int sy = y < to.y() ? 1 : -1;
    int error = dx + dy;
    while (true) {
        plot(pixels, stride, width, height, x, y, color, exclusiveOr);
        if (x == to.x() && y == to.y()) break;
        int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x += sx;
        }
        if (twice <= dx) {
            error += dx;
            y += sy;
        }
    }
}

void fillBox(QImage& image, QRect box, QRgb color, bool exclusiveOr)
{
    QRect clipped = box.normalized().intersected(image.rect());
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = clipped.left(); x <= clipped.right(); ++x)
            row[x] = exclusiveOr ? (row[x] ^ (color & 0x00FFFFFF)) : (color | 0xFF000000);
    }
}

}  // namespace qz
