// The live preview's edit-to-frame latency: after a change of one wall's height, the map is
// compiled, written, loaded into the running engine and drawn. Each stage is reported in
// milliseconds (compile_ms, write_ms, load_ms, frame_ms, total_ms), on the demo map and on a map
// of 2000 walls of rooms. The engine is the shipped library, loaded as the editor loads it.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <vector>

#include "editor/model/clsMap.h"
#include "editor/preview/logic/engine_library.h"
#include "editor/preview/logic/live_preview.h"
#include "editor/preview/logic/scratch_files.h"
#include "platform/files.h"
#include "platform/gdi.h"
#include "platform/program_folders.h"
#include "tools/room-map/room_map_generator.h"

namespace {

// A window surface the frames are copied to, as the preview window's picture is.
class SurfacePort : public qzedit::LivePreviewPort {
public:
    SurfacePort()
        : pixels_(static_cast<size_t>(qzedit::LivePreview::kFrameWidth) * qzedit::LivePreview::kFrameHeight),
          dc_(RegisterWindowSurface(pixels_.data(), qzedit::LivePreview::kFrameWidth,
                                    qzedit::LivePreview::kFrameHeight, qzedit::LivePreview::kFrameWidth * 4))
    {
    }
    ~SurfacePort() override { UnregisterWindowSurface(dc_); }
    int32_t pictureDC() override { return static_cast<int32_t>(dc_); }
    void frameShown() override {}
    void showFault(const std::string& text) override { fault = text; }
    void viewerMoved(const qzedit::ViewerPlace&) override {}
    std::string fault;

private:
    std::vector<uint32_t> pixels_;
    qz::Handle dc_;
};

void editToFrame(benchmark::State& state, qzedit::clsMap& map)
{
    const std::string folder = (std::filesystem::temp_directory_path() / "qz-live-preview-bench").string();
    std::filesystem::create_directories(folder);
    const std::string mapPath = folder + "/live.mpb";
    qzedit::HeaderChoice header =
        qzedit::writePrivateHeader(folder, qz::programFolder(), folder, "live.hdr", mapPath);
    if (!header.found()) return state.SkipWithError(header.fault.c_str());
    SurfacePort port;
    qzedit::LivePreview preview(qzedit::EngineLibrary::shipped(), map, port, header.path, mapPath);
    preview.refresh();
    if (!preview.showing()) return state.SkipWithError(port.fault.c_str());
    qzedit::LivePreview::Stages sum;
    int32_t height = 0;
    for (auto _ : state) {
        map.wallRecord(0).ceilHtEnd = 128 + (++height % 2) * 16;
        preview.refresh();
        const qzedit::LivePreview::Stages& s = preview.lastStages();
        sum.compile += s.compile;
        sum.write += s.write;
        sum.load += s.load;
        sum.frame += s.frame;
    }
    const double n = static_cast<double>(state.iterations()) / 1000.0;
    state.counters["compile_ms"] = sum.compile / n;
    state.counters["write_ms"] = sum.write / n;
    state.counters["load_ms"] = sum.load / n;
    state.counters["frame_ms"] = sum.frame / n;
    state.counters["total_ms"] = sum.total() / n;
    state.counters["walls"] = map.numWalls;
    std::filesystem::remove_all(folder);
}

void demoMap(benchmark::State& state)
{
    qzedit::clsMap map;
    if (!map.ReadNewMPB(qz::programFolder() + "/demo.map")) return state.SkipWithError("no demo.map beside the bench");
    editToFrame(state, map);
}

void rooms2000(benchmark::State& state)
{
    qzedit::clsMap map;
    // Rooms only: their tree fits the 2001 records of a compiled map.
    qzgen::generateRoomMap(map, {.walls = 2000, .seed = 2024, .crossingLines = 0});
    map.vx = map.wallRecord(0).x1 + 8;
    map.vy = map.wallRecord(0).y1 + 8;
    editToFrame(state, map);
}

}  // namespace

BENCHMARK(demoMap)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(rooms2000)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK_MAIN();
