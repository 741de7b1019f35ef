// Reads arbitrary text as the map's JSON, as Paste reads the clipboard. Text the reader accepts must
// come back the same when written and read again, and pasted into a map it must leave every chain
// of the map whole and every link within the tables.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "editor/check/area_chains.h"
#include "editor/edit/map_piece.h"
#include "editor/model/clsMap.h"
#include "format/map_json.h"
#include "format/map_json_reader.h"
#include "format/record_identity.h"

using namespace qzedit;

namespace {

[[noreturn]] void fail(const char* what)
{
    std::fprintf(stderr, "fuzz_map_json: %s\n", what);
    std::abort();
}

// A list the text leaves out is written as an empty one, and a wall block it leaves out as type 0
// without walls: both mean the same to a paste.
template <typename Record>
bool sameRecords(const std::optional<std::vector<Record>>& a, const std::optional<std::vector<Record>>& b)
{
    const std::vector<Record> left = a.value_or(std::vector<Record> {}), right = b.value_or(std::vector<Record> {});
    if (left.size() != right.size()) return false;
    for (size_t k = 0; k < left.size(); ++k)
        if (!mapfile::identical(left[k], right[k])) return false;
    return true;
}

bool sameContents(const mapfile::MapFileContents& a, const mapfile::MapFileContents& b)
{
    const mapfile::WallBlock x = a.wallBlock.value_or(mapfile::WallBlock {}), y = b.wallBlock.value_or(mapfile::WallBlock {});
    if (x.type != y.type || x.viewer.vz != y.viewer.vz || x.viewer.vd != y.viewer.vd) return false;
    if (!mapfile::detail::same(x.viewer.vx, y.viewer.vx) || !mapfile::detail::same(x.viewer.vy, y.viewer.vy)) return false;
    return sameRecords(std::optional(x.walls), std::optional(y.walls)) && sameRecords(a.viewpoints, b.viewpoints) &&
           sameRecords(a.areas, b.areas) && sameRecords(a.globals, b.globals);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const mapfile::TableLimits limits {clsMap::kWallSlots, clsMap::kViewpointSlots, clsMap::kAreaSlots,
                                       clsMap::kGlobalSlots};
    const mapfile::MapJsonRead read = mapfile::readMapJson(std::string_view(reinterpret_cast<const char*>(data), size), limits);
    if (!read.ok()) return 0;
    const mapfile::MapJsonRead again = mapfile::readMapJson(mapfile::mapJson(read.contents), limits);
    if (!again.ok()) fail("the reader refuses what the writer wrote");
    if (!sameContents(read.contents, again.contents)) fail("written and read again, the records differ");

    clsMap map;
    map.addPolySurround(4, 0, 0, 100);
    if (!pastePiece(map, read.contents, 10, 10)) return 0;
    for (int32_t w = 0; w < map.numWalls; ++w) {
        const Wall& wall = map.wallRecord(w);
        for (int32_t link : {wall.areaFirst, wall.areaNext})
            if (link < -1 || link >= map.numWalls) fail("a pasted wall links outside the walls");
        if (wall.areaNum < -1 || wall.areaNum >= map.numAreas) fail("a pasted wall names an area the map lacks");
    }
    // The map's own room is area 0; the pasted areas follow it.
    for (int32_t a = 1; a < map.numAreas; ++a) {
        const check::ChainWalk chain = check::walkAreaChain(map, a);
        if (chain.end != check::ChainWalk::End::Whole || chain.walls.empty()) fail("a pasted area's chain is not whole");
        for (int32_t w : chain.walls)
            if (map.wallRecord(w).areaNum != a || map.wallRecord(w).areaFirst != chain.walls.front())
                fail("a chain's wall does not name its area and first wall");
    }
    return 0;
}
