#include "editor/import/map_import.h"

#include <algorithm>
#include <cmath>

#include "editor/bsp/bsp_builder.h"
#include "editor/bsp/root_exchange.h"
#include "editor/import/sector_lookup.h"
#include "editor/import/sector_reach.h"

namespace qzedit {

namespace wad {

namespace {

constexpr int32_t kWallSlots = 2001;
constexpr int32_t kAreaSlots = 201;
constexpr int32_t kEyeAboveFloor = 56;
constexpr int64_t kLargestFoundArea = 32000000;
constexpr int32_t kChainNodesFollowed = 201;

std::string decimal(int64_t v) { return std::to_string(v); }

ViewerPlacement playerStart(const DoomMap& map)
{
    auto start = std::find_if(map.things.begin(), map.things.end(),
                              [](const Thing& t) { return t.type == kPlayerOneStart; });
    if (start == map.things.end()) throw WadError(map.name + " has no player 1 start (a thing of type 1)");
    std::optional<int32_t> sector = sectorAt(map, start->x, start->y);
    if (!sector)
        throw WadError(map.name + ": player 1 starts at (" + decimal(start->x) + ", " + decimal(start->y) +
                       "), outside every sector");
    const Sector& s = map.sectors[static_cast<size_t>(*sector)];
    return {static_cast<double>(start->x), static_cast<double>(start->y), s.floor + kEyeAboveFloor,
            engineAngle(start->angle), *sector};
}

// The bounding box of an area's walls, as the map computes it, in 64-bit.
int64_t boxSize(const ConvertedMap& converted, const mapfile::Area& area)
{
    int64_t left = INT32_MAX, right = INT32_MIN, top = INT32_MAX, bottom = INT32_MIN;
    for (int32_t w = area.areaFirstWall; w != -1; w = converted.walls[static_cast<size_t>(w)].areaNext) {
        const mapfile::Wall& wall = converted.walls[static_cast<size_t>(w)];
        left = std::min<int64_t>({left, wall.x1, wall.x2});
        right = std::max<int64_t>({right, wall.x1, wall.x2});
        top = std::min<int64_t>({top, wall.y1, wall.y2});
        bottom = std::max<int64_t>({bottom, wall.y1, wall.y2});
    }
    return (right - left) * (bottom - top);
}

// What the map needs; the compiled tree only when the walls and areas fit the tables.
TableNeeds needsOf(const ConvertedMap& converted, std::optional<bsp::CompiledTree>& tree)
{
    TableNeeds needs {static_cast<int32_t>(converted.walls.size()), static_cast<int32_t>(converted.areas.size()), {}};
    if (needs.walls > kWallSlots || needs.areas > kAreaSlots) return needs;
    bsp::BuildResult built = bsp::buildBspTree(converted.walls);
    if (built.counted) needs.records = built.recordsNeeded;
    tree = std::move(built.tree);
    return needs;
}

std::vector<bool> onlySectors(size_t count, const std::vector<int32_t>& order, size_t taken)
{
    std::vector<bool> imported(count, false);
    for (size_t i = 0; i < taken; ++i) imported[static_cast<size_t>(order[i])] = true;
    return imported;
}

LookupLimits lookupLimits(const ConvertedMap& converted, const bsp::CompiledTree& tree)
{
    LookupLimits limits;
    const std::vector<mapfile::Wall>& records = tree.records;
    for (const mapfile::Area& area : converted.areas) {
        if (boxSize(converted, area) >= kLargestFoundArea) ++limits.areasTooLarge;
        int32_t nodes = 0;
        int32_t k = bsp::afterRootExchange(area.areaFirstWall, tree.root);
        for (; k != -1 && nodes <= static_cast<int32_t>(records.size()); ++nodes) k = records[static_cast<size_t>(k)].areaNext;
        if (nodes > kChainNodesFollowed) ++limits.chainsTooLong;
    }
    return limits;
}

void checkAreaSizes(const DoomMap& map, const ConvertedMap& converted)
{
    for (size_t a = 0; a < converted.areas.size(); ++a)
        if (boxSize(converted, converted.areas[a]) > INT32_MAX)
            throw WadError(map.name + ": sector " + decimal(converted.areaSectors[a]) +
                           " spans more than an area's size field holds");
}

}  // namespace

bool TableNeeds::fits() const { return walls <= kWallSlots && areas <= kAreaSlots && records && *records <= kWallSlots; }

namespace {

std::string needsText(const std::string& mapName, const TableNeeds& n)
{
    if (n.walls > kWallSlots || n.areas > kAreaSlots)
        return mapName + " needs " + decimal(n.walls) + " walls and " + decimal(n.areas) +
               " areas; a map holds at most " + decimal(kWallSlots) + " walls and " + decimal(kAreaSlots) + " areas.";
    return mapName + " needs " + (n.records ? decimal(*n.records) : "more than " + decimal(bsp::largestBuildCount())) +
           " compiled records; a compiled map holds at most " + decimal(kWallSlots) + ".";
}

}  // namespace

MapBeyondTables::MapBeyondTables(const std::string& mapName, const TableNeeds& n)
    : WadError(needsText(mapName, n) + " Import the connected part around the player start that fits instead (--fit)."),
      needs(n)
{
}

ImportedMap importMap(const DoomMap& map, const TextureHeights& heights, const ImportOptions& options)
{
    ImportedMap result;
    result.viewer = playerStart(map);
    const std::vector<int32_t> reach = sectorsByReach(map, result.viewer.sector);
    result.reachableSectors = static_cast<int32_t>(reach.size());

    std::optional<bsp::CompiledTree> tree;
    result.converted = convertMap(map, std::vector<bool>(map.sectors.size(), true), heights);
    TableNeeds whole = needsOf(result.converted, tree);
    if (!whole.fits()) {
        if (!options.fit) throw MapBeyondTables(map.name, whole);
        // The largest prefix of the walk that fits; the start room alone must.
        size_t low = 0, high = reach.size() + 1;
        while (high - low > 1) {
            const size_t middle = (low + high) / 2;
            ConvertedMap part = convertMap(map, onlySectors(map.sectors.size(), reach, middle), heights);
            std::optional<bsp::CompiledTree> partTree;
            if (needsOf(part, partTree).fits()) {
                low = middle;
                result.converted = std::move(part);
                tree = std::move(partTree);
            } else {
                high = middle;
            }
        }
        if (low == 0) throw WadError(needsText(map.name, whole) + " Not even the room of the player start fits.");
        result.cut = true;
    }
    checkAreaSizes(map, result.converted);
    result.compiledRecords = static_cast<int32_t>(tree->records.size());
    result.lookup = lookupLimits(result.converted, *tree);
    return result;
}

int16_t engineAngle(int32_t doomDegrees)
{
    const double units = std::nearbyint(32.0 - doomDegrees * 128.0 / 360.0);
    return static_cast<int16_t>(((static_cast<int64_t>(units) % 128) + 128) % 128);
}

}  // namespace wad

}  // namespace qzedit
