// Editing by hand on a map of 2000 walls, as the editor does it for each key or click: deleting a
// wall in the middle of a room's chain (the outline closed again and every link of the map
// renumbered), deleting a whole area, pasting a copied room, reading the JSON of the whole map as
// Paste reads the clipboard, and listing the project tree grouped by rooms.
#include <benchmark/benchmark.h>

#include "editor/check/area_chains.h"
#include "editor/edit/map_piece.h"
#include "editor/edit/record_deletion.h"
#include "editor/model/clsMap.h"
#include "format/map_json.h"
#include "format/map_json_reader.h"
#include "tools/room-map/room_map_generator.h"

using namespace qzedit;

namespace {

clsMap roomMap(int32_t walls)
{
    clsMap map;
    qzgen::generateRoomMap(map, {.walls = walls, .seed = 7});
    return map;
}

// The middle wall of the chain of the area in the middle of the map.
int32_t middleWall(const clsMap& map)
{
    const std::vector<int32_t> chain = check::walkAreaChain(map, map.numAreas / 2).walls;
    return chain[chain.size() / 2];
}

void BM_DeleteWallInAChainOf2000Walls(benchmark::State& state)
{
    const clsMap original = roomMap(2000);
    const int32_t wall = middleWall(original);
    clsMap map = original;
    for (auto _ : state) {
        if (!deleteSelection(map, {{wall}, -1})) {
            state.SkipWithError("refused");
            break;
        }
        state.PauseTiming();
        map = original;
        state.ResumeTiming();
    }
    state.counters["areas"] = original.numAreas;
}
BENCHMARK(BM_DeleteWallInAChainOf2000Walls)->Unit(benchmark::kMicrosecond);

void BM_DeleteAreaOf2000Walls(benchmark::State& state)
{
    const clsMap original = roomMap(2000);
    clsMap map = original;
    for (auto _ : state) {
        if (!deleteSelection(map, {{}, original.numAreas / 2})) {
            state.SkipWithError("refused");
            break;
        }
        state.PauseTiming();
        map = original;
        state.ResumeTiming();
    }
}
BENCHMARK(BM_DeleteAreaOf2000Walls)->Unit(benchmark::kMicrosecond);

// A room of the map copied to the clipboard's text, read back and pasted a little aside.
void BM_CopyAndPasteARoomInto1900Walls(benchmark::State& state)
{
    // The generated map fills the area table: its last area goes to leave room for one more.
    clsMap original = roomMap(1900);
    deleteSelection(original, {{}, original.numAreas - 1});
    const EditSelection room {{}, original.numAreas / 2};
    clsMap map = original;
    for (auto _ : state) {
        const PieceRead read = readPiece(pieceText(copyPiece(map, room)));
        if (!pastePiece(map, read.piece, 64, 64)) {
            state.SkipWithError("refused");
            break;
        }
        state.PauseTiming();
        map = original;
        state.ResumeTiming();
    }
    state.counters["walls_pasted"] = static_cast<double>(check::walkAreaChain(original, room.area).walls.size());
}
BENCHMARK(BM_CopyAndPasteARoomInto1900Walls)->Unit(benchmark::kMicrosecond);

void BM_ReadTheJsonOf2000Walls(benchmark::State& state)
{
    clsMap map = roomMap(2000);
    const std::string text = pieceText(copyPiece(map, {[&map] {
        std::vector<int32_t> all;
        for (int32_t w = 0; w < map.numWalls; ++w) all.push_back(w);
        return all;
    }(), -1}));
    const mapfile::TableLimits limits {clsMap::kWallSlots, clsMap::kViewpointSlots, clsMap::kAreaSlots,
                                       clsMap::kGlobalSlots};
    for (auto _ : state) benchmark::DoNotOptimize(mapfile::readMapJson(text, limits));
    state.counters["KiB"] = static_cast<double>(text.size()) / 1024.0;
}
BENCHMARK(BM_ReadTheJsonOf2000Walls)->Unit(benchmark::kMicrosecond);

void BM_ListTheProjectTreeOf2000Walls(benchmark::State& state)
{
    clsMap map = roomMap(2000);
    for (auto _ : state) map.listLines();
}
BENCHMARK(BM_ListTheProjectTreeOf2000Walls)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
