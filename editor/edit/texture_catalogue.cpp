#include "editor/edit/texture_catalogue.h"

#include <algorithm>
#include <filesystem>

#include "platform/files.h"
#include "platform/numbers.h"
#include "platform/profile.h"
#include "platform/program_folders.h"

namespace qzedit {

namespace fs = std::filesystem;

namespace {

constexpr size_t kColourTableOffset = 54;
constexpr size_t kPixelOffset = 1078;
constexpr int kWallSide = 128;
constexpr int kFlatSide = 64;
constexpr const char* kPreviewHeader = "scratch.hdr";

std::string trimmed(const std::string& text)
{
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string value(const std::string& header, const char* section, const std::string& key)
{
    return trimmed(qz::profileLookup(header, section, key).value_or(""));
}

// A count as the engine keeps it: an Integer, with nothing listed below 1.
int32_t count(const std::string& header, const char* key)
{
    const double number = std::clamp(qz::val(value(header, "Quarzite3D", key)), -32768.0, 32767.0);
    return std::max(0, static_cast<int32_t>(qz::toInteger(number)));
}

std::string fileIn(const std::string& folder, const std::string& name)
{
    if (name.empty()) return {};
    const fs::path path(name);
    return qz::resolveFileName(path.is_absolute() ? name : (fs::path(folder) / path).string());
}

bitmapfile::IndexedImage pixelsOf(const std::vector<uint8_t>& file, int side)
{
    bitmapfile::IndexedImage picture(side, side);
    if (file.size() > kPixelOffset)
        std::copy_n(file.begin() + kPixelOffset, std::min(file.size() - kPixelOffset, picture.pixels.size()),
                    picture.pixels.begin());
    return picture;
}

std::vector<TextureEntry> readList(const std::string& header, const std::string& folder, const char* section,
                                   int32_t entries, int side)
{
    std::vector<TextureEntry> list;
    for (int32_t k = 1; k <= entries; ++k) {
        TextureEntry entry;
        entry.number = k;
        entry.fileName = value(header, section, qz::decimal(k));
        const std::string path = fileIn(folder, entry.fileName);
        std::optional<std::vector<uint8_t>> file = path.empty() ? std::nullopt : qz::readFileBytes(path);
        entry.missing = !file;
        entry.picture = file ? pixelsOf(*file, side) : TextureCatalogue::checkerboard();
        list.push_back(std::move(entry));
    }
    return list;
}

// Without a palette the pictures are shown in grey, index 0 black and 255 white.
bitmapfile::ColourTable greyColours()
{
    bitmapfile::ColourTable colours {};
    for (size_t i = 0; i < colours.size(); ++i) {
        const auto level = static_cast<uint8_t>(i);
        colours[i] = {level, level, level};
    }
    return colours;
}

bitmapfile::ColourTable paletteColours(const std::vector<uint8_t>& file)
{
    bitmapfile::ColourTable colours {};
    auto byteAt = [&file](size_t offset) -> uint8_t { return offset < file.size() ? file[offset] : 0; };
    for (size_t i = 0; i < colours.size(); ++i) {
        const size_t entry = kColourTableOffset + i * 4;
        colours[i] = {byteAt(entry + 2), byteAt(entry + 1), byteAt(entry)};
    }
    return colours;
}

}  // namespace

const bitmapfile::IndexedImage& TextureCatalogue::checkerboard()
{
    static const bitmapfile::IndexedImage board = [] {
        bitmapfile::IndexedImage picture(kWallSide, kWallSide);
        // Squares of 8 of palette indexes 4 and 0; the first band is one row high.
        for (int r = 0; r < kWallSide; ++r) {
            const int band = r == 0 ? 0 : (r - 1) / 8 + 1;
            for (int c = 0; c < kWallSide; ++c) picture.at(c, r) = (c / 8 + band) % 2 == 0 ? 4 : 0;
        }
        return picture;
    }();
    return board;
}

TextureCatalogue::TextureCatalogue() : colours_(greyColours()) {}

TextureCatalogue TextureCatalogue::read(const std::string& headerPath)
{
    TextureCatalogue catalogue;
    catalogue.headerPath_ = headerPath;
    std::optional<std::vector<uint8_t>> bytes = headerPath.empty() ? std::nullopt : qz::readFileBytes(headerPath);
    if (!bytes) {
        catalogue.problem_ = headerPath.empty() ? "No header is chosen." : "The header " + headerPath + " cannot be read.";
        return catalogue;
    }
    const std::string header(bytes->begin(), bytes->end());
    const std::string folder = fs::path(headerPath).parent_path().string();
    catalogue.walls_ = readList(header, folder, "Walls", count(header, "numWalls"), kWallSide);
    catalogue.flats_ = readList(header, folder, "Floors", count(header, "numFloors"), kFlatSide);
    std::string palette = value(header, "Quarzite3D", "pal");
    if (palette.empty()) palette = "palette.bmp";
    const std::string palettePath = fileIn(folder, palette);
    if (std::optional<std::vector<uint8_t>> file = palettePath.empty() ? std::nullopt : qz::readFileBytes(palettePath))
        catalogue.colours_ = paletteColours(*file);
    else
        catalogue.problem_ = "The palette " + palette + " is missing: the textures are shown in grey.";
    return catalogue;
}

const std::vector<TextureEntry>& TextureCatalogue::entries(TextureList list) const
{
    return list == TextureList::Walls ? walls_ : flats_;
}

const bitmapfile::IndexedImage& TextureCatalogue::picture(TextureList list, int32_t number) const
{
    const std::vector<TextureEntry>& all = entries(list);
    if (number < 1 || static_cast<size_t>(number) > all.size()) return checkerboard();
    return all[static_cast<size_t>(number) - 1].picture;
}

std::string defaultTextureHeader(const std::string& currentFolder, const std::string& programFolder)
{
    const std::string own = (fs::path(currentFolder) / kPreviewHeader).string();
    if (qz::fileExists(own)) return own;
    return qz::dataFile(programFolder, kPreviewHeader);
}

}  // namespace qzedit
