#include "tests/support/wad_builder.h"

namespace importtest {

void putI16(std::vector<uint8_t>& out, int32_t v)
{
    out.push_back(static_cast<uint8_t>(v & 0xFF));
    out.push_back(static_cast<uint8_t>((v >> 8) & 0xFF));
}

void putI32(std::vector<uint8_t>& out, int32_t v)
{
    putI16(out, v & 0xFFFF);
    putI16(out, (v >> 16) & 0xFFFF);
}

void putName(std::vector<uint8_t>& out, const std::string& name)
{
    for (size_t i = 0; i < 8; ++i) out.push_back(i < name.size() ? static_cast<uint8_t>(name[i]) : 0);
}

uint16_t TestMap::vertex(int16_t x, int16_t y)
{
    for (size_t i = 0; i < vertexes.size(); ++i)
        if (vertexes[i] == std::pair {x, y}) return static_cast<uint16_t>(i);
    vertexes.emplace_back(x, y);
    return static_cast<uint16_t>(vertexes.size() - 1);
}

uint16_t TestMap::side(const TestSide& s)
{
    sides.push_back(s);
    return static_cast<uint16_t>(sides.size() - 1);
}

void TestMap::wall(int16_t ax, int16_t ay, int16_t bx, int16_t by, uint16_t sector, const std::string& texture)
{
    TestSide s;
    s.sector = sector;
    s.middle = texture;
    lines.push_back({vertex(ax, ay), vertex(bx, by), side(s), kNone, 0, 0});
}

uint16_t addRoom(TestMap& map, int16_t left, int16_t bottom, int16_t right, int16_t top, const TestSector& sector,
                 const std::string& texture)
{
    map.sectors.push_back(sector);
    const auto s = static_cast<uint16_t>(map.sectors.size() - 1);
    // Clockwise seen from above: the right side of each line is the room's inside.
    map.wall(left, bottom, left, top, s, texture);
    map.wall(left, top, right, top, s, texture);
    map.wall(right, top, right, bottom, s, texture);
    map.wall(right, bottom, left, bottom, s, texture);
    return s;
}

std::vector<uint8_t> vertexesLump(const TestMap& map)
{
    std::vector<uint8_t> out;
    for (auto [x, y] : map.vertexes) {
        putI16(out, x);
        putI16(out, y);
    }
    return out;
}

std::vector<uint8_t> linedefsLump(const TestMap& map)
{
    std::vector<uint8_t> out;
    for (const TestLine& l : map.lines)
        for (int32_t v : {int32_t {l.v1}, int32_t {l.v2}, int32_t {l.flags}, int32_t {l.special}, int32_t {l.tag},
                          int32_t {l.front}, int32_t {l.back}})
            putI16(out, v);
    return out;
}

std::vector<uint8_t> sidedefsLump(const TestMap& map)
{
    std::vector<uint8_t> out;
    for (const TestSide& s : map.sides) {
        putI16(out, s.xOffset);
        putI16(out, s.yOffset);
        putName(out, s.upper);
        putName(out, s.lower);
        putName(out, s.middle);
        putI16(out, s.sector);
    }
    return out;
}

std::vector<uint8_t> sectorsLump(const TestMap& map)
{
    std::vector<uint8_t> out;
    for (const TestSector& s : map.sectors) {
        putI16(out, s.floor);
        putI16(out, s.ceiling);
        putName(out, s.floorFlat);
        putName(out, s.ceilingFlat);
        putI16(out, s.light);
        putI16(out, s.special);
        putI16(out, s.tag);
    }
    return out;
}

std::vector<uint8_t> thingsLump(const TestMap& map)
{
    std::vector<uint8_t> out;
    for (const TestThing& t : map.things)
        for (int32_t v : {int32_t {t.x}, int32_t {t.y}, int32_t {t.angle}, int32_t {t.type}, 7}) putI16(out, v);
    return out;
}

void WadBuilder::lump(const std::string& name, std::vector<uint8_t> bytes) { lumps_.emplace_back(name, std::move(bytes)); }

void WadBuilder::map(const std::string& name, const TestMap& map)
{
    lump(name);
    lump("THINGS", thingsLump(map));
    lump("LINEDEFS", linedefsLump(map));
    lump("SIDEDEFS", sidedefsLump(map));
    lump("VERTEXES", vertexesLump(map));
    lump("SECTORS", sectorsLump(map));
}

std::vector<uint8_t> WadBuilder::bytes(const std::string& kind) const
{
    std::vector<uint8_t> out(kind.begin(), kind.end());
    putI32(out, static_cast<int32_t>(lumps_.size()));
    putI32(out, 0);
    std::vector<std::pair<int32_t, int32_t>> places;
    for (const auto& [name, bytes] : lumps_) {
        places.emplace_back(static_cast<int32_t>(out.size()), static_cast<int32_t>(bytes.size()));
        out.insert(out.end(), bytes.begin(), bytes.end());
    }
    const auto directory = static_cast<int32_t>(out.size());
    for (size_t i = 0; i < lumps_.size(); ++i) {
        putI32(out, places[i].first);
        putI32(out, places[i].second);
        putName(out, lumps_[i].first);
    }
    for (int k = 0; k < 4; ++k) out[8 + k] = static_cast<uint8_t>((directory >> (8 * k)) & 0xFF);
    return out;
}

TestMap roomsInARow(int rooms, int playerRoom)
{
    TestMap map;
    for (int i = 0; i < rooms; ++i) {
        map.sectors.push_back(TestSector {});
        const auto left = static_cast<int16_t>(64 * i), right = static_cast<int16_t>(64 * i + 64);
        const auto s = static_cast<uint16_t>(i);
        if (i == 0) map.wall(0, 0, 0, 64, s);
        map.wall(left, 64, right, 64, s);
        map.wall(right, 0, left, 0, s);
        if (i + 1 == rooms) {
            map.wall(right, 64, right, 0, s);
        } else {
            map.lines.push_back({map.vertex(right, 64), map.vertex(right, 0), map.side({s, "-", "-", "-", 0, 0}),
                                 map.side({static_cast<uint16_t>(s + 1), "-", "-", "-", 0, 0}), 0, 0});
        }
    }
    map.things = {{static_cast<int16_t>(64 * playerRoom + 32), 32, 0, 1}};
    return map;
}

}  // namespace importtest
