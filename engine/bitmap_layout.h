#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/gdi.h"

// How the loaders turn bitmap files into the blocks the renderer indexes. The files are 8-bit
// bitmaps whose headers are not read: the colour table starts at byte 54 and the pixels at 1078.
// A file shorter than its layout leaves the missing bytes at palette index 0.
namespace engine {

inline constexpr size_t kColourTableOffset = 54;
inline constexpr size_t kPixelDataOffset = 1078;
inline constexpr size_t kBlockOverhead = 110;  // every block is the file's size plus this
inline constexpr size_t kCheckerboardBytes = 128 * 128 + 128;

// The size of the block for a file: its size plus 110, and never less than the layout needs.
size_t blockSizeFor(size_t fileSize, size_t layoutBytes);

// Copies the file's bytes from offset 1078 to its end to the start of block; the rest stays 0.
void copyPixels(const std::vector<uint8_t>& file, uint8_t* block);

// Turns 128 file rows of 128 bytes into 128 columns: byte k of column x = byte x of row k.
void transposeWallTexture(uint8_t* block);

// 8 x 8 squares of palette index 4 and 0; the first band is one row high.
void fillCheckerboard(uint8_t* block);

// The checkerboard repeated over a 1280 x 200 sky image.
void fillSkyCheckerboard(uint8_t* block);

// The pixels of an overlay file, at least 114 runs of 64 bytes.
std::vector<uint8_t> overlayFromFile(const std::vector<uint8_t>& file);

// The 256 colour-table entries of a palette file: paletteTable gets blue, green, red; the
// logical palette red, green, blue, flags 0, version 0x300 and 255 entries.
void readPaletteColours(const std::vector<uint8_t>& file, std::array<std::array<uint8_t, 3>, 256>& paletteTable,
                        qz::LOGPALETTE& logicalPalette);

}  // namespace engine
