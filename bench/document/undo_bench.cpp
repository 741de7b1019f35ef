// Undo and redo on a map of 2000 walls: the time of one undo and of one redo of an ordinary edit
// (moves, scales, wall and area edits, as 200 steps of a working session make them), of recording
// such a step, and of the largest step there is, the undo and redo of opening a 2000-wall map; and
// the memory the history of those 200 steps takes: the document's own count of its steps' bytes and
// the growth of the heap in use while they were made.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <functional>
#include <memory>

#include "editor/document/map_document.h"
#include "tools/room-map/room_map_generator.h"

using namespace qzedit;

namespace {

constexpr int kSessionSteps = 200;

// A working session's edit number `step`, each touching a few records of the 2000-wall map.
void edit(clsMap& map, int step)
{
    const int32_t area = step % map.numAreas;
    switch (step % 4) {
    case 0: map.moveArea(area, 16.0f, -8.0f); break;
    case 1: map.scaleArea(area, 1.0f, 1.0f); map.moveArea(area, -16.0f, 8.0f); break;
    case 2: map.wallRecord((step * 37) % map.numWalls).txrWall = step % 12 + 1; break;
    default: map.areaRecord(area).areaCeilHtEnd += 8; break;
    }
}

struct Session {
    Session()
    {
        qzgen::generateRoomMap(map, {.walls = 2000, .seed = 7});
        document = std::make_unique<MapDocument>(map);
        const size_t heapBefore = mallinfo2().uordblks;
        for (int step = 0; step < kSessionSteps; ++step) document->change("Edit", [&] { edit(map, step); });
        heapBytes = static_cast<double>(mallinfo2().uordblks) - static_cast<double>(heapBefore);
    }
    clsMap map;
    std::unique_ptr<MapDocument> document;
    double heapBytes = 0;
};

void memoryCounters(benchmark::State& state, const Session& session)
{
    state.counters["walls"] = session.map.numWalls;
    state.counters["steps"] = static_cast<double>(session.document->stepCount());
    state.counters["history_KiB"] = static_cast<double>(session.document->historyBytes()) / 1024.0;
    state.counters["heap_KiB"] = session.heapBytes / 1024.0;
}

// One undo a time; when the session is undone to its start it is redone, untimed.
void BM_UndoEditStep(benchmark::State& state)
{
    Session session;
    MapDocument& document = *session.document;
    for (auto _ : state) {
        document.undo();
        if (!document.canUndo()) {
            state.PauseTiming();
            while (document.canRedo()) document.redo();
            state.ResumeTiming();
        }
    }
    memoryCounters(state, session);
}
BENCHMARK(BM_UndoEditStep)->Unit(benchmark::kMicrosecond);

void BM_RedoEditStep(benchmark::State& state)
{
    Session session;
    MapDocument& document = *session.document;
    while (document.canUndo()) document.undo();
    for (auto _ : state) {
        document.redo();
        if (!document.canRedo()) {
            state.PauseTiming();
            while (document.canUndo()) document.undo();
            state.ResumeTiming();
        }
    }
    memoryCounters(state, session);
}
BENCHMARK(BM_RedoEditStep)->Unit(benchmark::kMicrosecond);

// Recording a step: the edit and the comparison of the map with the document's copy.
void BM_RecordEditStep(benchmark::State& state)
{
    clsMap map;
    qzgen::generateRoomMap(map, {.walls = 2000, .seed = 7});
    MapDocument document(map);
    int step = 0;
    for (auto _ : state) document.change("Edit", [&] { edit(map, step++); });
}
BENCHMARK(BM_RecordEditStep)->Unit(benchmark::kMicrosecond);

// The largest step: a 2000-wall map opened over another 2000-wall map, undone and redone in turn.
void BM_UndoRedoOpenOf2000Walls(benchmark::State& state)
{
    clsMap map, other;
    qzgen::generateRoomMap(map, {.walls = 2000, .seed = 7});
    qzgen::generateRoomMap(other, {.walls = 2000, .seed = 8});
    MapDocument document(map);
    document.replace("Open Map",
                     [&] {
                         for (int32_t i = 0; i < clsMap::kWallSlots; ++i) map.wallRecord(i) = other.wallRecord(i);
                         for (int32_t i = 0; i < clsMap::kAreaSlots; ++i) map.areaRecord(i) = other.areaRecord(i);
                         map.numWalls = other.numWalls;
                         map.numAreas = other.numAreas;
                         return true;
                     },
                     "/maps/other.map");
    bool undone = false;
    for (auto _ : state) {
        if (undone)
            document.redo();
        else
            document.undo();
        undone = !undone;
    }
    state.counters["history_KiB"] = static_cast<double>(document.historyBytes()) / 1024.0;
}
BENCHMARK(BM_UndoRedoOpenOf2000Walls)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
