// Compile time of maps of rooms with some long crossing walls, at 500, 1000 and 2000 walls, and the
// cost of doubling the walls (the 2000-wall time over the 1000-wall time). The crossing walls cut
// so many pieces that the 2000-wall map needs more records than a compiled map holds: its build
// runs to the end and is then refused. The rooms-only map of 2000 walls fits and is committed.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "editor/bsp/bsp_builder.h"
#include "editor/model/clsMap.h"
#include "tools/room-map/room_map_generator.h"

using namespace qzedit;

namespace {

void compile(benchmark::State& state, int32_t crossingLines)
{
    clsMap map;
    qzgen::generateRoomMap(map, {.walls = static_cast<int32_t>(state.range(0)), .seed = 2024, .crossingLines = crossingLines});
    const std::vector<Wall> walls = map.wallList();
    int32_t records = bsp::buildBspTree(walls).recordsNeeded;
    for (auto _ : state) benchmark::DoNotOptimize(bsp::buildBspTree(walls));
    state.counters["records"] = records;
    state.counters["fits"] = records <= clsMap::kWallSlots;
}

void compileRooms(benchmark::State& state) { compile(state, -1); }
void compileRoomsOnly(benchmark::State& state) { compile(state, 0); }

BENCHMARK(compileRooms)->Arg(500)->Arg(1000)->Arg(2000)->Unit(benchmark::kMillisecond);
BENCHMARK(compileRoomsOnly)->Arg(2000)->Unit(benchmark::kMillisecond);

// Prints the usual table and remembers the times per compile of each run.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration) continue;
            realTime[run.benchmark_name()] = run.GetAdjustedRealTime();
            cpuTime[run.benchmark_name()] = run.GetAdjustedCPUTime();
        }
    }
    std::map<std::string, double> realTime, cpuTime;
};

void printRatio(const char* what, const std::map<std::string, double>& times)
{
    auto small = times.find("compileRooms/1000");
    auto large = times.find("compileRooms/2000");
    if (small == times.end() || large == times.end() || small->second <= 0) return;
    std::printf("2000-wall / 1000-wall %s time: %.2f\n", what, large->second / small->second);
}

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    printRatio("real", reporter.realTime);
    printRatio("CPU", reporter.cpuTime);
    benchmark::Shutdown();
    return 0;
}
