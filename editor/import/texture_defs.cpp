#include "editor/import/texture_defs.h"

#include <algorithm>

#include "editor/import/wad_bytes.h"
#include "editor/import/wad_error.h"

namespace qzedit {

namespace wad {

namespace {

constexpr size_t kTextureHeadBytes = 22;
constexpr size_t kPlacementBytes = 10;

std::string decimal(int64_t v) { return std::to_string(v); }

void readTextureLump(const WadFile& file, size_t lump, size_t patchNameCount, std::vector<TextureDef>& defs)
{
    const std::span<const uint8_t> bytes = file.lumpBytes(lump);
    const std::string& name = file.lumps()[lump].name;
    const int64_t size = static_cast<int64_t>(bytes.size());
    if (size < 4) throw WadError(name + " holds " + decimal(size) + " bytes, too few for its texture count");
    const int64_t count = readI32(bytes.data());
    if (count < 0 || count > (size - 4) / 4)
        throw WadError(name + " counts " + decimal(count) + " textures, more than its " + decimal(size) +
                       " bytes hold offsets for");
    for (int64_t i = 0; i < count; ++i) {
        const int64_t offset = readI32(bytes.data() + 4 + i * 4);
        const std::string where = name + " texture " + decimal(i);
        if (offset < 0 || offset > size - static_cast<int64_t>(kTextureHeadBytes))
            throw WadError(where + ": its offset " + decimal(offset) + " lies outside the lump (" + decimal(size) +
                           " bytes)");
        const uint8_t* p = bytes.data() + offset;
        TextureDef def {readName(p), readI16(p + 12), readI16(p + 14), {}};
        const int64_t placements = readI16(p + 20);
        if (def.width <= 0 || def.height <= 0 || def.width > kLargestPicture || def.height > kLargestPicture)
            throw WadError(where + " (" + def.name + ") is " + decimal(def.width) + " x " + decimal(def.height) +
                           " texels, outside 1 .. " + decimal(kLargestPicture));
        if (placements < 0 || placements > (size - offset - static_cast<int64_t>(kTextureHeadBytes)) /
                                               static_cast<int64_t>(kPlacementBytes))
            throw WadError(where + " (" + def.name + ") counts " + decimal(placements) +
                           " patches, more than the lump holds");
        for (int64_t k = 0; k < placements; ++k) {
            const uint8_t* q = p + kTextureHeadBytes + k * kPlacementBytes;
            PatchPlacement placement {readI16(q), readI16(q + 2), readU16(q + 4)};
            if (static_cast<size_t>(placement.patch) >= patchNameCount)
                throw WadError(where + " (" + def.name + ") patch " + decimal(k) + ": patch number " +
                               decimal(placement.patch) + " is out of range (" +
                               decimal(static_cast<int64_t>(patchNameCount)) + " patch names)");
            def.patches.push_back(placement);
        }
        defs.push_back(std::move(def));
    }
}

}  // namespace

std::vector<std::string> readPatchNames(const WadFile& file)
{
    std::optional<size_t> lump = file.findLast("PNAMES");
    if (!lump) return {};
    const std::span<const uint8_t> bytes = file.lumpBytes(*lump);
    const int64_t size = static_cast<int64_t>(bytes.size());
    if (size < 4) throw WadError("PNAMES holds " + decimal(size) + " bytes, too few for its count");
    const int64_t count = readI32(bytes.data());
    if (count < 0 || count > (size - 4) / 8)
        throw WadError("PNAMES counts " + decimal(count) + " patch names, more than its " + decimal(size) +
                       " bytes hold");
    std::vector<std::string> names;
    for (int64_t i = 0; i < count; ++i) names.push_back(readName(bytes.data() + 4 + i * 8));
    return names;
}

std::vector<TextureDef> readTextureDefs(const WadFile& file, size_t patchNameCount)
{
    std::vector<TextureDef> defs;
    for (const char* name : {"TEXTURE1", "TEXTURE2"})
        if (std::optional<size_t> lump = file.findLast(name)) readTextureLump(file, *lump, patchNameCount, defs);
    return defs;
}

const TextureDef* findTexture(const std::vector<TextureDef>& defs, const std::string& name)
{
    auto it = std::find_if(defs.begin(), defs.end(), [&](const TextureDef& d) { return d.name == name; });
    return it == defs.end() ? nullptr : &*it;
}

}  // namespace wad

}  // namespace qzedit
