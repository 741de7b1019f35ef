// libFuzzer target: the bitmap layouts (wall transpose, flats, sky, overlays, palette) on files of
// any size; blocks must come out at least as large as their layouts and never be read past.
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine/bitmap_layout.h"
#include "engine/engine_state.h"

namespace {

void checkBlock(const std::vector<uint8_t>& file, size_t layoutBytes, bool transpose)
{
    std::vector<uint8_t> block(engine::blockSizeFor(file.size(), layoutBytes), 0);
    if (block.size() < layoutBytes || block.size() < file.size() + engine::kBlockOverhead) __builtin_trap();
    engine::copyPixels(file, block.data());
    if (transpose) engine::transposeWallTexture(block.data());
    if (file.size() > engine::kPixelDataOffset + 1 && transpose && block[128] != file[engine::kPixelDataOffset + 1])
        __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::vector<uint8_t> file(data, data + size);
    checkBlock(file, engine::kWallTextureBytes, true);
    checkBlock(file, engine::kFlatBytes, false);
    checkBlock(file, engine::kSkyBytes, false);
    std::vector<uint8_t> overlay = engine::overlayFromFile(file);
    if (overlay.size() < static_cast<size_t>(engine::kOverlayRuns * engine::kOverlayRunBytes)) __builtin_trap();
    std::array<std::array<uint8_t, 3>, 256> table {};
    qz::LOGPALETTE logical {};
    engine::readPaletteColours(file, table, logical);
    if (logical.palNumEntries != 255 || table[0][0] != logical.palPalEntry[0].peBlue) __builtin_trap();
    return 0;
}
