#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "format/bitmap_file.h"

namespace qzedit {

// The two lists a map's texture numbers choose from: wall textures ([Walls], 128 x 128) for a
// wall's texture, flats ([Floors], 64 x 64) for its floors and ceilings.
enum class TextureList { Walls, Flats };

// One entry of a header's list, with its picture as the engine shows it: the file's pixel rows in
// file order, the first row at the top.
struct TextureEntry {
    int32_t number = 0;      // 1-based, as the map names it
    std::string fileName;    // as the header names it
    bool missing = false;    // the file could not be read: the engine draws the checkerboard
    bitmapfile::IndexedImage picture;
};

// The textures of an engine header, read as the engine reads them: the counts numWalls and
// numFloors of [Quarzite3D] (a missing, empty or negative count lists nothing), entries "1" to N of
// [Walls] and [Floors], bitmap files named relative to the header's folder (or by full path), the
// pixels from byte 1078 (a short file is padded with palette index 0), and the colours from the
// palette file "pal" (default palette.bmp) at byte 54.
class TextureCatalogue {
public:
    // The picture the engine draws for numbers it has no texture for.
    static const bitmapfile::IndexedImage& checkerboard();

    // An empty catalogue: every number shows the checkerboard.
    TextureCatalogue();
    static TextureCatalogue read(const std::string& headerPath);

    const std::string& headerPath() const { return headerPath_; }
    // What went wrong reading the header or its palette, for the browser to say; empty when all
    // was read (missing bitmaps show in their entries).
    const std::string& problem() const { return problem_; }
    const std::vector<TextureEntry>& entries(TextureList list) const;
    const bitmapfile::ColourTable& colours() const { return colours_; }
    // The picture of texture `number` of the list, or the checkerboard for a number outside it.
    const bitmapfile::IndexedImage& picture(TextureList list, int32_t number) const;

private:
    std::string headerPath_;
    std::string problem_;
    std::vector<TextureEntry> walls_;
    std::vector<TextureEntry> flats_;
    bitmapfile::ColourTable colours_ {};
};

// The header a map is shown with when the user picked none: scratch.hdr in the current directory,
// else the one shipped with the program's demo world; "" when neither is there.
std::string defaultTextureHeader(const std::string& currentFolder, const std::string& programFolder);

}  // namespace qzedit
