#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "editor/import/wad_file.h"

namespace qzedit {

// The wall textures of a WAD: patch names (PNAMES) and texture definitions (TEXTURE1, TEXTURE2),
// each a picture of width x height made of patches placed at their origins.
namespace wad {

// The widest and tallest picture read: far beyond any Doom texture, and small enough that a damaged
// size cannot make a picture take gigabytes.
inline constexpr int kLargestPicture = 4096;

struct PatchPlacement {
    int16_t originX = 0, originY = 0;
    int32_t patch = 0;  // index into the patch names
};

struct TextureDef {
    std::string name;
    int16_t width = 0, height = 0;
    std::vector<PatchPlacement> patches;
};

// PNAMES, or nothing when the WAD has none. Throws WadError when its count exceeds the lump.
std::vector<std::string> readPatchNames(const WadFile& file);

// TEXTURE1 then TEXTURE2 (those present). Throws WadError naming the lump and the texture when a
// count or an offset runs past the lump or a patch index is not below patchNameCount.
std::vector<TextureDef> readTextureDefs(const WadFile& file, size_t patchNameCount);

// The definition of the name, the first in list order, or nullptr.
const TextureDef* findTexture(const std::vector<TextureDef>& defs, const std::string& name);

}  // namespace wad

}  // namespace qzedit
