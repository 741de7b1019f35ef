#include "format/bitmap_file.h"

#include "platform/bytes.h"

namespace bitmapfile {
namespace {

constexpr int32_t kPixelsPerMetre = 2835;  // 72 dots per inch

}  // namespace

std::vector<uint8_t> encodeBitmap(const IndexedImage& image, const ColourTable& colours)
{
    const int stride = (image.width + 3) & ~3;
    const int32_t pixelBytes = stride * image.height;
    qz::ByteWriter out;
    out.raw("BM", 2);
    out.i32(kPixelOffset + pixelBytes);
    out.i32(0);
    out.i32(kPixelOffset);
    out.i32(40);
    out.i32(image.width);
    out.i32(-image.height);
    out.i16(1);
    out.i16(8);
    out.i32(0);
    out.i32(pixelBytes);
    out.i32(kPixelsPerMetre);
    out.i32(kPixelsPerMetre);
    out.i32(256);
    out.i32(256);
    for (const Rgb& colour : colours) {
        const uint8_t entry[4] = {colour.blue, colour.green, colour.red, 0};
        out.raw(entry, sizeof entry);
    }
    for (int y = 0; y < image.height; ++y) {
        out.raw(image.pixels.data() + static_cast<size_t>(y) * image.width, static_cast<size_t>(image.width));
        out.zeros(static_cast<size_t>(stride - image.width));
    }
    return out.bytes();
}

}  // namespace bitmapfile
