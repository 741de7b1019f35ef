#include "editor/import/world_writing.h"

#include <filesystem>
#include <system_error>

#include "editor/import/wad_error.h"
#include "format/engine_header.h"
#include "platform/files.h"

namespace qzedit {

namespace wad {

namespace {

void writeText(const std::string& path, const std::string& text)
{
    std::string error;
    if (!qz::writeFileReplacing(path, std::vector<uint8_t>(text.begin(), text.end()), &error))
        throw WadError("cannot write \"" + path + "\": " + error);
}

std::string namesLine(const std::string& label, const std::vector<std::string>& names)
{
    std::string text = "  " + label + ": " + std::to_string(names.size());
    for (size_t i = 0; i < names.size(); ++i) text += (i == 0 ? " (" : " ") + names[i];
    return text + (names.empty() ? "\n" : ")\n");
}

}  // namespace

TextureExport writeImportedWorld(const WadFile& file, const std::string& mapName, const ImportedMap& imported,
                                 clsMap& map, const std::string& dir, const std::string& stem)
{
    std::error_code error;
    std::filesystem::create_directories(dir, error);
    if (error) throw WadError("cannot make the folder \"" + dir + "\": " + error.message());
    TextureExport textures = exportTextures(file, mapName, imported, dir);
    if (Outcome built = map.createBSP(); !built) throw WadError(built.text);
    const std::string compiled = dir + "/" + stem + ".mpb";
    if (Outcome written = map.WriteNewMPB(compiled, true); !written)
        throw WadError("cannot write \"" + compiled + "\": " + written.text);
    for (const auto& [header, mapFile] : {std::pair {stem + ".hdr", stem + ".mpb"}, std::pair {std::string("scratch.hdr"), std::string("scratch.mpb")}}) {
        textures.header.map = mapFile;
        writeText(dir + "/" + header, headerfile::headerText(textures.header));
    }
    textures.header.map = stem + ".mpb";
    return textures;
}

std::string worldReport(const TextureExport& textures, const std::string& dir, const std::string& stem)
{
    std::string text = "textures in " + dir + ":\n";
    text += "  wall textures: " + std::to_string(textures.header.walls.size()) + "\n";
    text += "  flats: " + std::to_string(textures.header.floors.size()) + "\n";
    text += "  sky: " + (textures.header.sky.empty() ? std::string("none") : textures.header.sky) + "\n";
    text += "  textures cut to 128 x 128: " + std::to_string(textures.cutTextures) + "\n";
    text += "  textures whose size does not divide 128: " + std::to_string(textures.unevenTextures) + "\n";
    text += namesLine("missing textures", textures.missingTextures);
    text += namesLine("missing flats", textures.missingFlats);
    text += namesLine("missing patches", textures.missingPatches);
    text += "  header: " + stem + ".hdr (map " + stem + ".mpb), scratch.hdr (map scratch.mpb)\n";
    return text;
}

}  // namespace wad

}  // namespace qzedit
