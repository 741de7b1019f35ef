#include <filesystem>

#include "editor/import/import_report.h"
#include "editor/import/map_filling.h"
#include "editor/import/wad_error.h"
#include "editor/import/wad_import.h"
#include "editor/import/wad_maps.h"
#include "editor/import/world_writing.h"
#include "editor/model/clsMap.h"
#include "tools/qzmap/commands.h"

using namespace qzedit;

bool listWadMapsCommand(const std::string& wadPath, std::ostream& out, std::string& failure)
{
    try {
        const wad::WadFile file = wad::readWadFile(wadPath);
        for (const wad::MapEntry& entry : wad::listMaps(file)) {
            out << entry.name;
            if (entry.format != wad::MapFormat::Doom)
                out << " (" << wad::formatName(entry.format) << " layout, not importable)";
            out << "\n";
        }
        return true;
    } catch (const wad::WadError& e) {
        failure = e.what();
        return false;
    }
}

bool importWadCommand(const ImportWadArguments& args, std::ostream& out, std::string& failure)
{
    try {
        const wad::WadFile file = wad::readWadFile(args.wadPath);
        const wad::ImportedMap imported = wad::importWadMap(file, args.mapName, wad::ImportOptions {args.fit});
        clsMap map;
        wad::fillMap(imported, map);
        if (Outcome written = map.WriteNewMPB(args.outPath, false); !written) {
            failure = "cannot write \"" + args.outPath + "\": " + written.text;
            return false;
        }
        std::string report = wad::importReport(args.mapName, imported);
        if (!args.texturesDir.empty()) {
            const std::string stem = std::filesystem::path(args.outPath).stem().string();
            const wad::TextureExport textures =
                wad::writeImportedWorld(file, args.mapName, imported, map, args.texturesDir, stem);
            report += wad::worldReport(textures, args.texturesDir, stem);
        }
        out << report;
        return true;
    } catch (const wad::WadError& e) {
        failure = e.what();
        return false;
    }
}
