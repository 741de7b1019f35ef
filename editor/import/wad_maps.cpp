#include "editor/import/wad_maps.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "editor/import/wad_error.h"

namespace qzedit {

namespace wad {

namespace {

// The lumps that may follow a map marker, in any order.
constexpr std::array<std::string_view, 12> kMapLumpNames = {"THINGS", "LINEDEFS", "SIDEDEFS", "VERTEXES",
                                                            "SEGS",   "SSECTORS", "NODES",    "SECTORS",
                                                            "REJECT", "BLOCKMAP", "BEHAVIOR", "SCRIPTS"};

bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool isMapName(const std::string& name)
{
    if (name.size() == 4 && name[0] == 'E' && name[2] == 'M')
        return name[1] >= '1' && name[1] <= '9' && name[3] >= '1' && name[3] <= '9';
    return name.size() == 5 && name.starts_with("MAP") && isDigit(name[3]) && isDigit(name[4]);
}

bool isMapLump(const std::string& name)
{
    return std::find(kMapLumpNames.begin(), kMapLumpNames.end(), name) != kMapLumpNames.end();
}

// The lumps of the map whose marker is at index marker: those of the known names that follow it.
size_t mapEnd(const WadFile& file, size_t marker)
{
    size_t i = marker + 1;
    while (i < file.lumps().size() && isMapLump(file.lumps()[i].name)) ++i;
    return i;
}

}  // namespace

std::vector<MapEntry> listMaps(const WadFile& file)
{
    std::vector<MapEntry> maps;
    const std::vector<Lump>& lumps = file.lumps();
    for (size_t i = 0; i < lumps.size(); ++i) {
        if (!isMapName(lumps[i].name) || i + 1 >= lumps.size()) continue;
        MapEntry entry {lumps[i].name, i, MapFormat::Doom};
        if (lumps[i + 1].name == "TEXTMAP") {
            entry.format = MapFormat::Udmf;
        } else if (lumps[i + 1].name == "THINGS") {
            if (file.findLast("BEHAVIOR", i + 1, mapEnd(file, i))) entry.format = MapFormat::Hexen;
        } else {
            continue;
        }
        std::erase_if(maps, [&](const MapEntry& m) { return m.name == entry.name; });
        maps.push_back(entry);
    }
    return maps;
}

MapLumps findMapLumps(const WadFile& file, const std::string& mapName)
{
    std::vector<MapEntry> maps = listMaps(file);
    auto it = std::find_if(maps.begin(), maps.end(), [&](const MapEntry& m) { return m.name == mapName; });
    if (it == maps.end()) throw WadError(file.label() + " has no map " + mapName);
    if (it->format != MapFormat::Doom)
        throw WadError(mapName + " is a map in the " + formatName(it->format) +
                       " layout; only classic Doom-format maps can be imported");
    const size_t end = mapEnd(file, it->marker);
    auto lump = [&](std::string_view name) {
        std::optional<size_t> index = file.findLast(name, it->marker + 1, end);
        if (!index) throw WadError("map " + mapName + " has no " + std::string(name) + " lump");
        return *index;
    };
    return {lump("THINGS"), lump("LINEDEFS"), lump("SIDEDEFS"), lump("VERTEXES"), lump("SECTORS")};
}

const char* formatName(MapFormat format)
{
    switch (format) {
    case MapFormat::Doom: return "Doom";
    case MapFormat::Hexen: return "Hexen";
    case MapFormat::Udmf: return "UDMF text";
    }
    return "";
}

}  // namespace wad

}  // namespace qzedit
