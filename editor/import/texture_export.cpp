#include "editor/import/texture_export.h"

#include <algorithm>

#include "editor/import/doom_pictures.h"
#include "editor/import/engine_images.h"
#include "editor/import/wad_error.h"
#include "editor/import/wall_making.h"
#include "platform/files.h"

namespace qzedit {

namespace wad {

namespace {

constexpr int kWallSize = 128;
constexpr uint8_t kMissingIndex = 0;

// File names keep letters, digits, '-' and '_' of the Doom name, in lower case.
std::string fileStem(const std::string& name)
{
    std::string stem;
    for (char c : name) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        const bool plain = (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_';
        stem += plain ? c : '_';
    }
    return stem;
}

// A name not yet used by an earlier file: Doom names that differ only in other characters would
// otherwise share one.
std::string uniqueFile(const std::string& prefix, const std::string& name, const std::vector<std::string>& used)
{
    std::string file = prefix + fileStem(name) + ".bmp";
    for (int k = 2; std::find(used.begin(), used.end(), file) != used.end(); ++k)
        file = prefix + fileStem(name) + "_" + std::to_string(k) + ".bmp";
    return file;
}

class Writer {
public:
    Writer(std::string dir, const bitmapfile::ColourTable& colours) : dir_(std::move(dir)), colours_(colours) {}

    std::string write(const std::string& file, const bitmapfile::IndexedImage& image, TextureExport& out)
    {
        std::string error;
        if (!qz::writeFileReplacing(dir_ + "/" + file, bitmapfile::encodeBitmap(image, colours_), &error))
            throw WadError("cannot write \"" + dir_ + "/" + file + "\": " + error);
        out.files.push_back(file);
        return file;
    }

private:
    std::string dir_;
    const bitmapfile::ColourTable& colours_;
};

// The engine asks for an overlay (a picture over the bottom of the frame) and a ceiling picture;
// an overlay of the transparent index draws nothing.
constexpr int kOverlayRunBytes = 64;
constexpr int kOverlayRuns = 114;

bitmapfile::IndexedImage paletteSwatches()
{
    bitmapfile::IndexedImage image(16, 16);
    for (int i = 0; i < 256; ++i) image.pixels[static_cast<size_t>(i)] = static_cast<uint8_t>(i);
    return image;
}

}  // namespace

std::string skyTextureName(const std::string& mapName)
{
    if (mapName.size() == 4 && mapName[0] == 'E') return "SKY" + std::string(1, std::min(mapName[1], '4'));
    const int number = mapName.size() == 5 ? std::stoi(mapName.substr(3)) : 1;
    return number < 12 ? "SKY1" : number < 21 ? "SKY2" : "SKY3";
}

TextureExport exportTextures(const WadFile& file, const std::string& mapName, const ImportedMap& imported,
                             const std::string& dir)
{
    TextureExport out;
    const bitmapfile::ColourTable colours = readPalette(file);
    const uint8_t substitute = substituteForHoleIndex(colours);
    const std::vector<std::string> patchNames = readPatchNames(file);
    const std::vector<TextureDef> defs = readTextureDefs(file, patchNames.size());
    Writer writer(dir, colours);
    out.header.palette = writer.write("palette.bmp", paletteSwatches(), out);
    out.header.animInc = "0";
    out.header.transparentIndex = 0;
    const std::string overlay = writer.write("overlay.bmp", bitmapfile::IndexedImage(kOverlayRunBytes, kOverlayRuns, 0), out);
    out.header.overlays = {overlay, overlay};

    for (const std::string& name : imported.converted.textures.walls()) {
        bitmapfile::IndexedImage picture(kWallSize, kWallSize, kMissingIndex);
        if (const TextureDef* def = findTexture(defs, name)) {
            if (def->width > kWallSize || def->height > kWallSize) ++out.cutTextures;
            else if (kWallSize % def->width != 0 || kWallSize % def->height != 0) ++out.unevenTextures;
            picture = engineWallTexture(composeTexture(file, *def, patchNames, substitute, out.missingPatches));
        } else {
            out.missingTextures.push_back(name);
        }
        out.header.walls.push_back(writer.write(uniqueFile("w_", name, out.files), picture, out));
    }
    bool sky = false;
    for (const std::string& name : imported.converted.textures.flats()) {
        sky = sky || isSkyFlat(name);
        std::optional<bitmapfile::IndexedImage> flat = readFlat(file, name);
        if (!flat) out.missingFlats.push_back(name);
        const bitmapfile::IndexedImage picture = flat ? engineFlat(*flat) : bitmapfile::IndexedImage(64, 64, kMissingIndex);
        out.header.floors.push_back(writer.write(uniqueFile("f_", name, out.files), picture, out));
    }
    if (!out.header.floors.empty()) out.header.ceilings = {out.header.floors.front()};
    if (sky) {
        const std::string name = skyTextureName(mapName);
        if (const TextureDef* def = findTexture(defs, name)) {
            out.header.sky = writer.write("sky.bmp", engineSky(composeTexture(file, *def, patchNames, substitute,
                                                                               out.missingPatches)), out);
        } else {
            out.missingTextures.push_back(name);
        }
    }
    std::sort(out.missingPatches.begin(), out.missingPatches.end());
    out.missingPatches.erase(std::unique(out.missingPatches.begin(), out.missingPatches.end()), out.missingPatches.end());
    return out;
}

}  // namespace wad

}  // namespace qzedit
