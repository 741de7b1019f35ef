#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace qzedit {

// A classic Doom-format map as its lumps hold it. Every index in it has been checked: vertexes,
// sidedefs and sectors named by a record exist.
namespace wad {

inline constexpr int32_t kNoSide = -1;

struct Vertex {
    int16_t x = 0, y = 0;
};

struct Linedef {
    uint16_t v1 = 0, v2 = 0;
    uint16_t flags = 0, special = 0, tag = 0;
    int32_t front = kNoSide;  // the right side, walking from v1 to v2; always present
    int32_t back = kNoSide;   // the left side, or kNoSide for a one-sided line
};

// Linedef flags the conversion reads.
inline constexpr uint16_t kLineImpassable = 1;
inline constexpr uint16_t kLineUpperUnpegged = 8;
inline constexpr uint16_t kLineLowerUnpegged = 16;

struct Sidedef {
    int16_t xOffset = 0, yOffset = 0;
    std::string upper, lower, middle;  // "-" or empty for none
    uint16_t sector = 0;
};

struct Sector {
    int16_t floor = 0, ceiling = 0;
    std::string floorFlat, ceilingFlat;
    int16_t light = 0, special = 0, tag = 0;
};

struct Thing {
    int16_t x = 0, y = 0, angle = 0, type = 0, flags = 0;
};

inline constexpr int16_t kPlayerOneStart = 1;

struct DoomMap {
    std::string name;
    std::vector<Vertex> vertexes;
    std::vector<Linedef> linedefs;
    std::vector<Sidedef> sidedefs;
    std::vector<Sector> sectors;
    std::vector<Thing> things;

    int32_t sectorOf(int32_t side) const { return sidedefs[static_cast<size_t>(side)].sector; }
};

// A texture name that names no texture.
inline bool isNoTexture(const std::string& name) { return name.empty() || name == "-"; }

class WadFile;

// Reads the map's five lumps. Throws WadError naming the lump and the record when a lump is not a
// whole number of records or a record names a vertex, sidedef or sector that does not exist.
DoomMap readDoomMap(const WadFile& file, const std::string& mapName);

}  // namespace wad

}  // namespace qzedit
