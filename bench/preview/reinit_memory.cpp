// The resident size of a host that starts the engine on the demo world again and again: 1000
// Init/Flush cycles, as a preview window does on every Init, with the host selecting each new
// frame into its memory context. Reports the resident size after 10 and after 1000 cycles and the
// growth between them in percent (rss_10_mb, rss_1000_mb, growth_percent).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <fstream>

#include "editor/preview/logic/engine_library.h"
#include "platform/gdi.h"
#include "platform/program_folders.h"

namespace {

double residentMegabytes()
{
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

void initFlushCycles(benchmark::State& state)
{
    const std::string header = qz::dataFile(qz::programFolder(), "demo.hdr");
    if (header.empty()) return state.SkipWithError("no demo.hdr beside the bench");
    qzedit::EngineLibrary& engine = qzedit::EngineLibrary::shipped();
    const qz::Handle window = CreateCompatibleDC(0);
    const qz::Handle memory = CreateCompatibleDC(window);
    double after10 = 0, after1000 = 0;
    for (auto _ : state) {
        for (int cycle = 1; cycle <= 1000; ++cycle) {
            const int32_t bitmap = engine.initVaskell(static_cast<int32_t>(window), header, 320, 200);
            SelectObject(memory, static_cast<qz::Handle>(bitmap));
            engine.drawQZ(static_cast<int32_t>(window));
            engine.flushVaskell();
            if (cycle == 10) after10 = residentMegabytes();
        }
        after1000 = residentMegabytes();
    }
    state.counters["rss_10_mb"] = after10;
    state.counters["rss_1000_mb"] = after1000;
    state.counters["growth_percent"] = (after1000 - after10) / after10 * 100.0;
    DeleteDC(memory);
    DeleteDC(window);
}

}  // namespace

BENCHMARK(initFlushCycles)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK_MAIN();
