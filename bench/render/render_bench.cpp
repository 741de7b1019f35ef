// Frames of the demo world from fixed views, against a limit kernel that writes the same frame
// with one texel per pixel: per row a 16.16 texture position steps one texel per pixel, and each
// pixel is one texture byte read and one frame byte written. The ratio of the two times is the
// figure to watch; absolute times depend on the machine.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "bench/render/demo_views.h"
#include "engine/engine_state.h"
#include "engine/renderer.h"

namespace {

struct FrameSize {
    int32_t width, height;
};
constexpr FrameSize kSizes[] = {{640, 320}, {320, 200}};

void renderDemoViews(benchmark::State& bench)
{
    const FrameSize size = kSizes[bench.range(0)];
    if (!qzbench::loadDemoWorld(size.width, size.height)) {
        bench.SkipWithError("demo world missing: build the demo-world-assets and demo_map targets");
        return;
    }
    size_t view = 0;
    for (auto _ : bench) {
        qzbench::showView(qzbench::kDemoViews[view]);
        engine::RenderFrame();
        benchmark::DoNotOptimize(engine::state().frameBuffer);
        benchmark::ClobberMemory();
        view = (view + 1) % qzbench::kDemoViews.size();
    }
    bench.counters["fps"] = benchmark::Counter(static_cast<double>(bench.iterations()), benchmark::Counter::kIsRate);
    bench.SetLabel(std::to_string(size.width) + "x" + std::to_string(size.height));
}

void limitKernel(benchmark::State& bench)
{
    const FrameSize size = kSizes[bench.range(0)];
    std::vector<uint8_t> texture(engine::kWallTextureBytes);
    for (size_t i = 0; i < texture.size(); ++i) texture[i] = static_cast<uint8_t>(i * 7 + i / 128);
    std::vector<uint8_t> frame(static_cast<size_t>(size.width * size.height));
    for (auto _ : bench) {
        for (int32_t y = 0; y < size.height; ++y) {
            const uint8_t* source = texture.data() + (y & 127) * 128;
            uint8_t* destination = frame.data() + y * size.width;
            uint32_t position = static_cast<uint32_t>(y) << 16;
            for (int32_t x = 0; x < size.width; ++x) {
                destination[x] = source[(position >> 16) & 127u];
                position += 65536u;
            }
        }
        benchmark::DoNotOptimize(frame.data());
        benchmark::ClobberMemory();
    }
    bench.counters["fps"] = benchmark::Counter(static_cast<double>(bench.iterations()), benchmark::Counter::kIsRate);
    bench.SetLabel(std::to_string(size.width) + "x" + std::to_string(size.height));
}

BENCHMARK(renderDemoViews)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(limitKernel)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// Keeps the least processor time per frame over the repetitions of each benchmark (the machine
// may be shared: wall-clock time and single runs are disturbed by other work) so that main can
// print frame time / limit kernel time.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            if (run.error_occurred || run.run_type != Run::RT_Iteration) continue;
            const std::string name = run.run_name.str();
            const double time = run.GetAdjustedCPUTime();
            auto known = timePerFrame.find(name);
            if (known == timePerFrame.end() || time < known->second) timePerFrame[name] = time;
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> timePerFrame;
};

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    for (int k = 0; k < 2; ++k) {
        const std::string arg = "/" + std::to_string(k);
        auto frame = reporter.timePerFrame.find("renderDemoViews" + arg);
        auto limit = reporter.timePerFrame.find("limitKernel" + arg);
        if (frame == reporter.timePerFrame.end() || limit == reporter.timePerFrame.end()) continue;
        std::printf("%dx%d: %.0f frames per second, frame time / limit kernel time = %.2f\n", kSizes[k].width,
                    kSizes[k].height, 1e6 / frame->second, frame->second / limit->second);
    }
    benchmark::Shutdown();
    return 0;
}
