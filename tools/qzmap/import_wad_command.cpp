#include <filesystem>

#include "editor/import/import_report.h"
#include "editor/import/map_filling.h"
#include "editor/import/texture_export.h"
#include "editor/import/wad_error.h"
#include "editor/import/wad_import.h"
#include "editor/import/wad_maps.h"
#include "editor/model/clsMap.h"
#include "format/engine_header.h"
#include "platform/files.h"
#include "tools/qzmap/commands.h"

namespace {

std::string joined(const std::vector<std::string>& names)
{
    std::string text;
    for (const std::string& name : names) text += (text.empty() ? "" : " ") + name;
    return text;
}

void writeText(const std::string& path, const std::string& text)
{
    std::string error;
    if (!qz::writeFileReplacing(path, std::vector<uint8_t>(text.begin(), text.end()), &error))
        throw wad::WadError("cannot write \"" + path + "\": " + error);
}

// The textures, the compiled map and its header in the folder, and a preview header naming the
// editor's scratch map, so that the editor's preview started there shows the textures too.
std::string writeWorld(const wad::WadFile& file, const ImportWadArguments& args, const wad::ImportedMap& imported,
                       clsMap& map)
{
    const std::string& dir = args.texturesDir;
    std::filesystem::create_directories(dir);
    wad::TextureExport textures = wad::exportTextures(file, args.mapName, imported, dir);
    const std::string stem = std::filesystem::path(args.outPath).stem().string();
    if (Outcome built = map.createBSP(); !built) throw wad::WadError(built.text);
    if (Outcome written = map.WriteNewMPB(dir + "/" + stem + ".mpb", true); !written)
        throw wad::WadError("cannot write \"" + dir + "/" + stem + ".mpb\": " + written.text);
    for (const auto& [header, compiled] : {std::pair {stem + ".hdr", stem + ".mpb"}, std::pair {std::string("scratch.hdr"), std::string("scratch.mpb")}}) {
        textures.header.map = compiled;
        writeText(dir + "/" + header, headerfile::headerText(textures.header));
    }
    std::string text = "textures in " + dir + ":\n";
    text += "  wall textures: " + std::to_string(textures.header.walls.size()) + "\n";
    text += "  flats: " + std::to_string(textures.header.floors.size()) + "\n";
    text += "  sky: " + (textures.header.sky.empty() ? std::string("none") : textures.header.sky) + "\n";
    text += "  textures cut to 128 x 128: " + std::to_string(textures.cutTextures) + "\n";
    text += "  textures whose size does not divide 128: " + std::to_string(textures.unevenTextures) + "\n";
    text += "  missing textures: " + std::to_string(textures.missingTextures.size()) + (textures.missingTextures.empty() ? "" : " (" + joined(textures.missingTextures) + ")") + "\n";
    text += "  missing flats: " + std::to_string(textures.missingFlats.size()) + (textures.missingFlats.empty() ? "" : " (" + joined(textures.missingFlats) + ")") + "\n";
    text += "  missing patches: " + std::to_string(textures.missingPatches.size()) + (textures.missingPatches.empty() ? "" : " (" + joined(textures.missingPatches) + ")") + "\n";
    text += "  header: " + stem + ".hdr (map " + stem + ".mpb), scratch.hdr (map scratch.mpb)\n";
    return text;
}

}  // namespace

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
        if (!args.texturesDir.empty()) report += writeWorld(file, args, imported, map);
        out << report;
        return true;
    } catch (const wad::WadError& e) {
        failure = e.what();
        return false;
    } catch (const std::filesystem::filesystem_error& e) {
        failure = e.what();
        return false;
    }
}
