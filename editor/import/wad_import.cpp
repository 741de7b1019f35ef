#include "editor/import/wad_import.h"

#include "editor/import/doom_map.h"
#include "editor/import/texture_defs.h"

namespace qzedit {

namespace wad {

ImportedMap importWadMap(const WadFile& file, const std::string& mapName, const ImportOptions& options)
{
    const DoomMap map = readDoomMap(file, mapName);
    TextureHeights heights;
    for (const TextureDef& def : readTextureDefs(file, readPatchNames(file).size()))
        heights.emplace(def.name, def.height);
    return importMap(map, heights, options);
}

}  // namespace wad

}  // namespace qzedit
