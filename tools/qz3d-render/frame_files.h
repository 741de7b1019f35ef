#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/gdi.h"

namespace qzrender {

struct Frame {
    int32_t width = 0, height = 0;
    std::vector<uint8_t> pixels;  // palette indexes, top row first
    std::array<qz::RGBQUAD, 256> colours {};
};

// The viewer's screenshot layout: an 8-bit bitmap with the frame's colour table, bottom row first.
std::vector<uint8_t> screenshotBitmap(const Frame& frame);

// Writes the frame as BMP, or as an 8-bit palette PNG when the name ends in ".png" (any case).
// False with the reason in error.
bool writeFrame(const Frame& frame, const std::string& path, std::string& error);

}  // namespace qzrender
