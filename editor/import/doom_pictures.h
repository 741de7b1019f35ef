#pragma once
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "editor/import/texture_defs.h"
#include "editor/import/wad_file.h"
#include "format/bitmap_file.h"

namespace qzedit {

// The WAD's pictures as 8-bit images of palette indexes: patches and the wall textures made of
// them, flats and the palette.
namespace wad {

// Index 255 marks texels no patch covers; the engine never draws it on walls.
inline constexpr uint8_t kHoleIndex = 255;

// The first palette of PLAYPAL. Throws WadError when the WAD has none or it is short.
bitmapfile::ColourTable readPalette(const WadFile& file);

// The palette index, other than 255, nearest in colour to index 255: a patch texel of 255 is a
// colour, not a hole, and takes this index instead.
uint8_t substituteForHoleIndex(const bitmapfile::ColourTable& colours);

// A patch in the picture format (columns of posts). Throws WadError naming the patch and the
// column when a column or post runs past the lump.
bitmapfile::IndexedImage decodePatch(std::span<const uint8_t> bytes, const std::string& name, uint8_t holeSubstitute);

// The texture of its definition, its patches drawn in order at their origins over holes. Patches
// the WAD lacks are left out and named in missingPatches.
bitmapfile::IndexedImage composeTexture(const WadFile& file, const TextureDef& def,
                                        const std::vector<std::string>& patchNames, uint8_t holeSubstitute,
                                        std::vector<std::string>& missingPatches);

// The 64 x 64 flat of the name, from between the flat markers; nothing when the WAD has none.
// Throws WadError when the lump is shorter than 4096 bytes.
std::optional<bitmapfile::IndexedImage> readFlat(const WadFile& file, const std::string& name);

}  // namespace wad

}  // namespace qzedit
