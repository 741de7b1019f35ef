#include "editor/import/map_conversion.h"

#include <algorithm>

namespace qzedit {

namespace wad {

namespace {

constexpr int16_t kFullLight = 255;

bool zeroLength(const DoomMap& map, const Linedef& line)
{
    const Vertex& a = map.vertexes[line.v1];
    const Vertex& b = map.vertexes[line.v2];
    return a.x == b.x && a.y == b.y;
}

// The sides of the line that face sector s, as walls to make.
std::vector<LineSide> sidesFacing(const DoomMap& map, const Linedef& line, int32_t s, const std::vector<bool>& imported)
{
    std::vector<LineSide> sides;
    const int32_t frontSector = map.sectorOf(line.front);
    if (line.back == kNoSide) {
        if (frontSector == s) sides.push_back({&line, false, nullptr, false});
        return sides;
    }
    const int32_t backSector = map.sectorOf(line.back);
    const Sector& front = map.sectors[static_cast<size_t>(frontSector)];
    const Sector& back = map.sectors[static_cast<size_t>(backSector)];
    if (frontSector == s) sides.push_back({&line, false, &back, imported[static_cast<size_t>(backSector)]});
    if (backSector == s) sides.push_back({&line, true, &front, imported[static_cast<size_t>(frontSector)]});
    return sides;
}

// A line with one sector on both sides and no middle texture shows nothing and bounds nothing.
bool innerLine(const DoomMap& map, const Linedef& line)
{
    return line.back != kNoSide && map.sectorOf(line.front) == map.sectorOf(line.back) &&
           isNoTexture(map.sidedefs[static_cast<size_t>(line.front)].middle) &&
           isNoTexture(map.sidedefs[static_cast<size_t>(line.back)].middle);
}

void countLine(const DoomMap& map, const Linedef& line, const std::vector<bool>& imported, ImportCounts& counts)
{
    if (line.special != 0) ++counts.lineSpecials;
    if (zeroLength(map, line)) {
        ++counts.zeroLengthLines;
        return;
    }
    if (innerLine(map, line)) {
        ++counts.innerLines;
        return;
    }
    const bool frontIn = imported[map.sectorOf(line.front)];
    const bool backIn = line.back != kNoSide && imported[map.sectorOf(line.back)];
    if (line.back == kNoSide) {
        if (frontIn) ++counts.oneSidedWalls;
        return;
    }
    if (frontIn != backIn) ++counts.solidCutLines;
    if (!frontIn || !backIn) return;
    ++counts.twoSidedLines;
    const Sector& a = map.sectors[map.sectorOf(line.front)];
    const Sector& b = map.sectors[map.sectorOf(line.back)];
    if (std::max(a.floor, b.floor) >= std::min(a.ceiling, b.ceiling)) return;
    const bool middle = !isNoTexture(map.sidedefs[static_cast<size_t>(line.front)].middle) ||
                        !isNoTexture(map.sidedefs[static_cast<size_t>(line.back)].middle);
    const bool impassable = (line.flags & kLineImpassable) != 0;
    if (impassable && !middle) ++counts.impassableOpenLines;
    if (!impassable && middle) ++counts.hiddenMiddleTextures;
}

mapfile::Area areaOf(const Sector& sector, int32_t sectorIndex, int32_t firstWall)
{
    mapfile::Area area;
    area.areaFirstWall = firstWall;
    area.areaFloorHtBegin = area.areaFloorHtEnd = sector.floor;
    area.areaCeilHtBegin = area.areaCeilHtEnd = sector.ceiling;
    area.areaName.assign("Sector " + std::to_string(sectorIndex));
    return area;
}

}  // namespace

ConvertedMap convertMap(const DoomMap& map, const std::vector<bool>& imported, const TextureHeights& heights)
{
    ConvertedMap out;
    ImportCounts& counts = out.counts;
    counts.linedefs = static_cast<int32_t>(map.linedefs.size());
    counts.sectors = static_cast<int32_t>(map.sectors.size());
    counts.things = static_cast<int32_t>(map.things.size());
    const bool hasStart = std::any_of(map.things.begin(), map.things.end(),
                                      [](const Thing& t) { return t.type == kPlayerOneStart; });
    counts.droppedThings = counts.things - (hasStart ? 1 : 0);
    for (const Linedef& line : map.linedefs) countLine(map, line, imported, counts);

    for (size_t s = 0; s < map.sectors.size(); ++s) {
        const Sector& sector = map.sectors[s];
        if (!imported[s]) {
            ++counts.sectorsLeftOut;
            continue;
        }
        if (sector.special != 0) ++counts.sectorSpecials;
        if (sector.light < kFullLight) ++counts.dimSectors;
        const int32_t first = static_cast<int32_t>(out.walls.size());
        const int32_t areaIndex = static_cast<int32_t>(out.areas.size());
        for (const Linedef& line : map.linedefs) {
            if (zeroLength(map, line) || innerLine(map, line)) continue;
            for (const LineSide& side : sidesFacing(map, line, static_cast<int32_t>(s), imported)) {
                mapfile::Wall wall = makeWall(map, side, out.textures, heights, counts);
                if (wall.wallFlags & mapfile::kWallTransparent) ++counts.transparentWalls;
                wall.areaNum = areaIndex;
                wall.areaFirst = first;
                wall.areaNext = -1;
                if (static_cast<int32_t>(out.walls.size()) > first)
                    out.walls.back().areaNext = static_cast<int32_t>(out.walls.size());
                out.walls.push_back(wall);
            }
        }
        if (static_cast<int32_t>(out.walls.size()) == first) {
            ++counts.emptySectors;
            continue;
        }
        out.areas.push_back(areaOf(sector, static_cast<int32_t>(s), first));
        out.areaSectors.push_back(static_cast<int32_t>(s));
    }
    counts.areas = static_cast<int32_t>(out.areas.size());
    counts.walls = static_cast<int32_t>(out.walls.size());
    return out;
}

}  // namespace wad

}  // namespace qzedit
