#pragma once
#include <string>

#include "editor/import/map_import.h"
#include "editor/import/texture_export.h"
#include "editor/import/wad_file.h"
#include "editor/model/clsMap.h"

namespace qzedit {

namespace wad {

// Everything the engine needs to show an imported map, in one folder: the textures, the compiled
// map <stem>.mpb and its header <stem>.hdr, and scratch.hdr naming scratch.mpb, so that the
// editor's preview started in that folder shows the same textures. The map is compiled for it.
// Throws WadError when a file cannot be written or the map does not compile.
TextureExport writeImportedWorld(const WadFile& file, const std::string& mapName, const ImportedMap& imported,
                                 clsMap& map, const std::string& dir, const std::string& stem);

// What writeImportedWorld wrote and what the WAD lacked, for the import report.
std::string worldReport(const TextureExport& textures, const std::string& dir, const std::string& stem);

}  // namespace wad

}  // namespace qzedit
