#include "engine/bitmap_layout.h"

#include <algorithm>
#include <utility>

#include "engine/engine_state.h"

namespace engine {

namespace {

constexpr int kSide = 128;
constexpr int kSquare = 8;

uint8_t checkerboardTexel(int row, int column)
{
    int band = row == 0 ? 0 : (row - 1) / kSquare + 1;
    return (column / kSquare + band) % 2 == 0 ? 4 : 0;
}

}  // namespace

size_t blockSizeFor(size_t fileSize, size_t layoutBytes) { return std::max(fileSize + kBlockOverhead, layoutBytes); }

void copyPixels(const std::vector<uint8_t>& file, uint8_t* block)
{
    if (file.size() > kPixelDataOffset) std::copy(file.begin() + kPixelDataOffset, file.end(), block);
}

void transposeWallTexture(uint8_t* block)
{
    for (int r = 0; r < kSide; ++r)
        for (int c = 0; c < r; ++c) std::swap(block[r * kSide + c], block[c * kSide + r]);
}

void fillCheckerboard(uint8_t* block)
{
    for (int r = 0; r < kSide; ++r)
        for (int c = 0; c < kSide; ++c) block[r * kSide + c] = checkerboardTexel(r, c);
    std::fill(block + kSide * kSide, block + kCheckerboardBytes, 0);
}

void fillSkyCheckerboard(uint8_t* block)
{
    for (int r = 0; r < kSkyHeight; ++r)
        for (int c = 0; c < kSkyWidth; ++c) block[r * kSkyWidth + c] = checkerboardTexel(r % kSide, c % kSide);
}

std::vector<uint8_t> overlayFromFile(const std::vector<uint8_t>& file)
{
    size_t pixels = file.size() > kPixelDataOffset ? file.size() - kPixelDataOffset : 0;
    std::vector<uint8_t> image(std::max<size_t>(pixels, kOverlayRuns * kOverlayRunBytes), 0);
    copyPixels(file, image.data());
    return image;
}

void readPaletteColours(const std::vector<uint8_t>& file, std::array<std::array<uint8_t, 3>, 256>& paletteTable,
                        qz::LOGPALETTE& logicalPalette)
{
    auto byteAt = [&file](size_t offset) -> uint8_t { return offset < file.size() ? file[offset] : 0; };
    for (size_t i = 0; i < 256; ++i) {
        size_t entry = kColourTableOffset + i * 4;
        uint8_t blue = byteAt(entry), green = byteAt(entry + 1), red = byteAt(entry + 2);
        paletteTable[i] = {blue, green, red};
        logicalPalette.palPalEntry[i] = {red, green, blue, 0};
    }
    logicalPalette.palVersion = 0x300;
    logicalPalette.palNumEntries = 255;
}

}  // namespace engine
