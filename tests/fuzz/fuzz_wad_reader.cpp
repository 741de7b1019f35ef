// Reads arbitrary bytes as a WAD file: its directory, its maps, its textures and flats. Damage
// must be refused with a message; an accepted map must convert into records inside the tables
// with chains and texture numbers that point inside them, and fill a map object.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "editor/import/doom_map.h"
#include "editor/import/doom_pictures.h"
#include "editor/import/map_filling.h"
#include "editor/import/map_import.h"
#include "editor/import/texture_defs.h"
#include "editor/import/wad_error.h"
#include "editor/import/wad_file.h"
#include "editor/import/wad_maps.h"
#include "platform/message_box.h"
#include "platform/random.h"

using namespace qzedit;

namespace {

// Maps with more lines than this are read but not converted: the compile grows with the cube of
// the walls, and a map this size shows nothing a smaller one does not.
constexpr size_t kLargestConvertedMap = 400;

[[noreturn]] void fail(const char* what)
{
    std::fprintf(stderr, "fuzz_wad_reader: %s\n", what);
    std::abort();
}

void checkConverted(const wad::ImportedMap& imported)
{
    const wad::ConvertedMap& c = imported.converted;
    const auto walls = static_cast<int32_t>(c.walls.size());
    if (walls > 2001 || c.areas.size() > 201) fail("an imported map outside the tables");
    if (imported.compiledRecords > 2001) fail("an imported map beyond the compiled records");
    const auto wallTextures = static_cast<int32_t>(c.textures.walls().size());
    const auto flats = static_cast<int32_t>(c.textures.flats().size());
    for (const mapfile::Wall& w : c.walls) {
        if (w.areaNext < -1 || w.areaNext >= walls || w.areaFirst < 0 || w.areaFirst >= walls) fail("a chain link outside the walls");
        if (w.txrWall < 0 || w.txrWall > wallTextures) fail("a wall texture outside the list");
        for (int32_t flat : {w.txrFFloor, w.txrFCeil, w.txrBFloor, w.txrBCeil})
            if (flat < 0 || flat > flats) fail("a flat outside the list");
        if (w.xo < 0 || w.xo > 127 || w.yo < 0 || w.yo > 127) fail("an offset outside the texture");
    }
    static clsMap map;
    wad::fillMap(imported, map);
    if (map.numWalls != walls) fail("the map holds other walls than were converted");
}

void readPictures(const wad::WadFile& file)
{
    const std::vector<std::string> names = wad::readPatchNames(file);
    const std::vector<wad::TextureDef> defs = wad::readTextureDefs(file, names.size());
    std::vector<std::string> missing;
    for (size_t i = 0; i < defs.size() && i < 4; ++i) {
        const bitmapfile::IndexedImage image = wad::composeTexture(file, defs[i], names, 0, missing);
        if (image.width != defs[i].width || image.height != defs[i].height) fail("a texture of another size");
    }
    if (file.findLast("PLAYPAL")) wad::readPalette(file);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    qz::setMessageSink([](const std::string&, const std::string&, int) { return qz::kMsgResultOk; });
    qz::setFixedRandomSeed(1);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    try {
        const wad::WadFile file(std::vector<uint8_t>(data, data + size), "input");
        for (const wad::MapEntry& entry : wad::listMaps(file)) {
            if (entry.format != wad::MapFormat::Doom) continue;
            try {
                const wad::DoomMap map = wad::readDoomMap(file, entry.name);
                if (map.linedefs.size() <= kLargestConvertedMap) checkConverted(wad::importMap(map, {}, {}));
            } catch (const wad::WadError&) {
            }
        }
        readPictures(file);
    } catch (const wad::WadError&) {
    }
    return 0;
}
