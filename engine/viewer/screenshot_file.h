#pragma once
#include <cstdint>
#include <string>
#include <vector>

// The N key's screenshot: the frame as an uncompressed 8-bit bitmap file.
namespace engine::viewer {

// The file: 54 header bytes, 256 colours from paletteTable (blue, green, red, 0), then the
// frame's rows bottom row first, without row padding (no rows before the first frame).
std::vector<uint8_t> screenshotBytes();

// "shot" + a random number in 0..100 with its fractional digits + ".BMP".
std::string screenshotName();

// Writes the frame to a new file in the current directory and returns its name ("" when nothing
// was written). The random name skips files that exist, so an earlier shot is never replaced.
std::string saveScreenshot();

}  // namespace engine::viewer
