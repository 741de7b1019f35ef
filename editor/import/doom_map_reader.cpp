#include <span>

#include "editor/import/doom_map.h"
#include "editor/import/wad_bytes.h"
#include "editor/import/wad_error.h"
#include "editor/import/wad_file.h"
#include "editor/import/wad_maps.h"

namespace qzedit {

namespace wad {

namespace {

constexpr size_t kThingBytes = 10;
constexpr size_t kLinedefBytes = 14;
constexpr size_t kSidedefBytes = 30;
constexpr size_t kVertexBytes = 4;
constexpr size_t kSectorBytes = 26;
constexpr uint16_t kNoSidedef = 0xFFFF;

std::string decimal(int64_t v) { return std::to_string(v); }

// The records of one lump, each handed to read(record bytes, record index).
template <typename Record, typename Read>
std::vector<Record> readRecords(const WadFile& file, size_t lump, size_t recordBytes, const std::string& mapName, Read read)
{
    std::span<const uint8_t> bytes = file.lumpBytes(lump);
    const std::string& name = file.lumps()[lump].name;
    if (bytes.size() % recordBytes != 0)
        throw WadError(name + " of " + mapName + " holds " + decimal(static_cast<int64_t>(bytes.size())) +
                       " bytes, not a whole number of " + decimal(static_cast<int64_t>(recordBytes)) +
                       "-byte records: record " + decimal(static_cast<int64_t>(bytes.size() / recordBytes)) +
                       " is cut short");
    std::vector<Record> records;
    records.reserve(bytes.size() / recordBytes);
    for (size_t i = 0; i < bytes.size() / recordBytes; ++i) records.push_back(read(bytes.data() + i * recordBytes, i));
    return records;
}

[[noreturn]] void outOfRange(const std::string& lump, const std::string& mapName, size_t record, const std::string& what,
                             int64_t index, size_t count, const std::string& countName)
{
    throw WadError(lump + " record " + decimal(static_cast<int64_t>(record)) + " of " + mapName + ": " + what + " " +
                   decimal(index) + " is out of range (" + decimal(static_cast<int64_t>(count)) + " " + countName + ")");
}

}  // namespace

DoomMap readDoomMap(const WadFile& file, const std::string& mapName)
{
    const MapLumps lumps = findMapLumps(file, mapName);
    DoomMap map;
    map.name = mapName;
    map.vertexes = readRecords<Vertex>(file, lumps.vertexes, kVertexBytes, mapName, [](const uint8_t* p, size_t) {
        return Vertex {readI16(p), readI16(p + 2)};
    });
    map.sectors = readRecords<Sector>(file, lumps.sectors, kSectorBytes, mapName, [](const uint8_t* p, size_t) {
        return Sector {readI16(p), readI16(p + 2), readName(p + 4), readName(p + 12), readI16(p + 20), readI16(p + 22),
                       readI16(p + 24)};
    });
    map.sidedefs = readRecords<Sidedef>(file, lumps.sidedefs, kSidedefBytes, mapName, [&](const uint8_t* p, size_t i) {
        Sidedef side {readI16(p), readI16(p + 2), readName(p + 4), readName(p + 12), readName(p + 20), readU16(p + 28)};
        if (side.sector >= map.sectors.size())
            outOfRange("SIDEDEFS", mapName, i, "sector", side.sector, map.sectors.size(), "sectors");
        return side;
    });
    map.linedefs = readRecords<Linedef>(file, lumps.linedefs, kLinedefBytes, mapName, [&](const uint8_t* p, size_t i) {
        Linedef line {readU16(p), readU16(p + 2), readU16(p + 4), readU16(p + 6), readU16(p + 8), kNoSide, kNoSide};
        for (uint16_t v : {line.v1, line.v2})
            if (v >= map.vertexes.size()) outOfRange("LINEDEFS", mapName, i, "vertex", v, map.vertexes.size(), "vertexes");
        const uint16_t front = readU16(p + 10), back = readU16(p + 12);
        if (front == kNoSidedef)
            throw WadError("LINEDEFS record " + decimal(static_cast<int64_t>(i)) + " of " + mapName +
                           " has no front sidedef");
        for (uint16_t side : {front, back})
            if (side != kNoSidedef && side >= map.sidedefs.size())
                outOfRange("LINEDEFS", mapName, i, "sidedef", side, map.sidedefs.size(), "sidedefs");
        line.front = front;
        line.back = back == kNoSidedef ? kNoSide : back;
        return line;
    });
    map.things = readRecords<Thing>(file, lumps.things, kThingBytes, mapName, [](const uint8_t* p, size_t) {
        return Thing {readI16(p), readI16(p + 2), readI16(p + 4), readI16(p + 6), readI16(p + 8)};
    });
    return map;
}

}  // namespace wad

}  // namespace qzedit
