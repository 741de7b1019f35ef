#pragma once
#include <string>
#include <vector>

#include "editor/import/map_import.h"
#include "editor/import/wad_file.h"
#include "format/engine_header.h"

namespace qzedit {

namespace wad {

struct TextureExport {
    // The header's palette, sky and lists, in the map's texture numbers; the map is the caller's.
    headerfile::HeaderContents header;
    std::vector<std::string> missingTextures, missingFlats, missingPatches;
    int32_t cutTextures = 0;     // wider or taller than 128: cut
    int32_t unevenTextures = 0;  // a size that does not divide 128: a seam where the repeat is cut
    std::vector<std::string> files;
};

// Writes the WAD's palette (palette.bmp), an empty overlay (overlay.bmp), the imported map's wall textures (w_<name>.bmp) and
// flats (f_<name>.bmp) in the order of their numbers, and the sky (sky.bmp) when the map shows
// sky, in the engine's layouts, into the folder dir. A texture or flat the WAD lacks is written as
// a plain picture and named in the result. Throws WadError for a damaged picture or a failed write.
TextureExport exportTextures(const WadFile& file, const std::string& mapName, const ImportedMap& imported,
                             const std::string& dir);

// The sky texture Doom shows over a map: SKY1 to SKY4 by episode, and for MAP01 .. MAP11 SKY1,
// MAP12 .. MAP20 SKY2, MAP21 on SKY3.
std::string skyTextureName(const std::string& mapName);

}  // namespace wad

}  // namespace qzedit
