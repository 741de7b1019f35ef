#include "editor/import/doom_pictures.h"

#include <algorithm>

#include "editor/import/wad_bytes.h"
#include "editor/import/wad_error.h"

namespace qzedit {

namespace wad {

namespace {

constexpr size_t kPaletteBytes = 768;
constexpr size_t kPatchHeadBytes = 8;
constexpr int kFlatSize = 64;
constexpr uint8_t kEndOfColumn = 0xFF;

std::string decimal(int64_t v) { return std::to_string(v); }

int colourDistance(const bitmapfile::Rgb& a, const bitmapfile::Rgb& b)
{
    const int dr = a.red - b.red, dg = a.green - b.green, db = a.blue - b.blue;
    return dr * dr + dg * dg + db * db;
}

// The range of lumps between a start and an end marker, or the whole directory when there is none.
std::pair<size_t, size_t> flatRange(const WadFile& file)
{
    for (auto [start, end] : {std::pair {"F_START", "F_END"}, std::pair {"FF_START", "FF_END"}}) {
        std::optional<size_t> first = file.findLast(start);
        std::optional<size_t> last = file.findLast(end);
        if (first && last && *first < *last) return {*first + 1, *last};
    }
    return {0, file.lumps().size()};
}

}  // namespace

bitmapfile::ColourTable readPalette(const WadFile& file)
{
    std::optional<size_t> lump = file.findLast("PLAYPAL");
    if (!lump) throw WadError(file.label() + " has no palette (PLAYPAL)");
    std::span<const uint8_t> bytes = file.lumpBytes(*lump);
    if (bytes.size() < kPaletteBytes)
        throw WadError("PLAYPAL holds " + decimal(static_cast<int64_t>(bytes.size())) + " bytes, fewer than one palette (768)");
    bitmapfile::ColourTable colours {};
    for (size_t i = 0; i < colours.size(); ++i) colours[i] = {bytes[i * 3], bytes[i * 3 + 1], bytes[i * 3 + 2]};
    return colours;
}

uint8_t substituteForHoleIndex(const bitmapfile::ColourTable& colours)
{
    uint8_t best = 0;
    for (int i = 1; i < kHoleIndex; ++i)
        if (colourDistance(colours[static_cast<size_t>(i)], colours[kHoleIndex]) <
            colourDistance(colours[best], colours[kHoleIndex]))
            best = static_cast<uint8_t>(i);
    return best;
}

bitmapfile::IndexedImage decodePatch(std::span<const uint8_t> bytes, const std::string& name, uint8_t holeSubstitute)
{
    const int64_t size = static_cast<int64_t>(bytes.size());
    if (bytes.size() < kPatchHeadBytes) throw WadError("patch " + name + " holds " + decimal(size) + " bytes, too few for its header");
    const int width = readI16(bytes.data()), height = readI16(bytes.data() + 2);
    if (width <= 0 || height <= 0 || width > kLargestPicture || height > kLargestPicture)
        throw WadError("patch " + name + " is " + decimal(width) + " x " + decimal(height) + " texels, outside 1 .. " +
                       decimal(kLargestPicture));
    if (static_cast<int64_t>(kPatchHeadBytes) + 4 * int64_t {width} > size)
        throw WadError("patch " + name + " is " + decimal(width) + " x " + decimal(height) +
                       " texels, which its " + decimal(size) + " bytes do not hold");
    bitmapfile::IndexedImage image(width, height, kHoleIndex);
    for (int x = 0; x < width; ++x) {
        const std::string where = "patch " + name + " column " + decimal(x);
        int64_t p = readI32(bytes.data() + kPatchHeadBytes + 4 * x);
        int top = -1;
        while (true) {
            if (p < 0 || p >= size) throw WadError(where + ": a post starts outside the lump");
            const uint8_t delta = bytes[static_cast<size_t>(p)];
            if (delta == kEndOfColumn) break;
            if (p + 3 > size) throw WadError(where + ": a post header runs past the lump");
            // A delta not below the previous post's top counts from there (patches taller than 255).
            top = delta <= top ? top + delta : delta;
            const int length = bytes[static_cast<size_t>(p) + 1];
            if (p + 3 + length + 1 > size) throw WadError(where + ": a post of " + decimal(length) + " texels runs past the lump");
            for (int k = 0; k < length; ++k) {
                const int y = top + k;
                if (y >= height) break;
                const uint8_t texel = bytes[static_cast<size_t>(p + 3 + k)];
                image.at(x, y) = texel == kHoleIndex ? holeSubstitute : texel;
            }
            p += 3 + length + 1;
        }
    }
    return image;
}

bitmapfile::IndexedImage composeTexture(const WadFile& file, const TextureDef& def,
                                        const std::vector<std::string>& patchNames, uint8_t holeSubstitute,
                                        std::vector<std::string>& missingPatches)
{
    bitmapfile::IndexedImage texture(def.width, def.height, kHoleIndex);
    for (const PatchPlacement& placement : def.patches) {
        const std::string& name = patchNames[static_cast<size_t>(placement.patch)];
        std::optional<size_t> lump = file.findLast(name);
        if (!lump) {
            missingPatches.push_back(name);
            continue;
        }
        const bitmapfile::IndexedImage patch = decodePatch(file.lumpBytes(*lump), name, holeSubstitute);
        for (int y = 0; y < patch.height; ++y) {
            const int ty = placement.originY + y;
            if (ty < 0 || ty >= texture.height) continue;
            for (int x = 0; x < patch.width; ++x) {
                const int tx = placement.originX + x;
                if (tx < 0 || tx >= texture.width || patch.at(x, y) == kHoleIndex) continue;
                texture.at(tx, ty) = patch.at(x, y);
            }
        }
    }
    return texture;
}

std::optional<bitmapfile::IndexedImage> readFlat(const WadFile& file, const std::string& name)
{
    const auto [first, end] = flatRange(file);
    std::optional<size_t> lump = file.findLast(name, first, end);
    if (!lump) return std::nullopt;
    std::span<const uint8_t> bytes = file.lumpBytes(*lump);
    if (bytes.size() < static_cast<size_t>(kFlatSize * kFlatSize))
        throw WadError("flat " + name + " holds " + decimal(static_cast<int64_t>(bytes.size())) +
                       " bytes, fewer than 64 x 64");
    bitmapfile::IndexedImage flat(kFlatSize, kFlatSize);
    std::copy(bytes.begin(), bytes.begin() + kFlatSize * kFlatSize, flat.pixels.begin());
    return flat;
}

}  // namespace wad

}  // namespace qzedit
