#include "tools/qz3d-render/frame_files.h"

#include <png.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <memory>

#include "platform/bytes.h"
#include "platform/files.h"

namespace qzrender {

namespace {

bool endsWithPng(std::string name)
{
    std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
    return name.ends_with(".png");
}

bool writePng(const Frame& frame, const std::string& path, std::string& error)
{
    std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "wb"), std::fclose);
    if (!file) {
        error = "cannot create " + path;
        return false;
    }
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        error = "cannot write " + path;
        return false;
    }
    png_init_io(png, file.get());
    png_set_IHDR(png, info, static_cast<png_uint_32>(frame.width), static_cast<png_uint_32>(frame.height), 8,
                 PNG_COLOR_TYPE_PALETTE, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    std::array<png_color, 256> palette {};
    for (size_t i = 0; i < palette.size(); ++i)
        palette[i] = {frame.colours[i].rgbRed, frame.colours[i].rgbGreen, frame.colours[i].rgbBlue};
    png_set_PLTE(png, info, palette.data(), static_cast<int>(palette.size()));
    png_write_info(png, info);
    for (int32_t y = 0; y < frame.height; ++y)
        png_write_row(png, frame.pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(frame.width));
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

}  // namespace

std::vector<uint8_t> screenshotBitmap(const Frame& frame)
{
    int32_t pixelBytes = frame.width * frame.height;
    qz::ByteWriter out;
    out.raw("BM", 2);
    out.i32(1078 + pixelBytes);
    out.i16(0);
    out.i16(0);
    out.i32(1078);
    out.i32(40);
    out.i32(frame.width);
    out.i32(frame.height);
    out.i16(1);
    out.i16(8);
    out.i32(0);
    out.i32(pixelBytes);
    out.zeros(16);
    for (const qz::RGBQUAD& colour : frame.colours) {
        uint8_t entry[4] = {colour.rgbBlue, colour.rgbGreen, colour.rgbRed, 0};
        out.raw(entry, 4);
    }
    for (int32_t y = frame.height - 1; y >= 0; --y)
        out.raw(frame.pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(frame.width),
                static_cast<size_t>(frame.width));
    return out.bytes();
}

bool writeFrame(const Frame& frame, const std::string& path, std::string& error)
{
    if (endsWithPng(path)) return writePng(frame, path, error);
    if (!qz::writeFileReplacing(path, screenshotBitmap(frame), &error)) {
        error = path + ": " + error;
        return false;
    }
    return true;
}

}  // namespace qzrender
