// Frames of the demo world from fixed views, and a limit kernel that writes the same frame with
// one texel per pixel: per row a 16.16 texture position steps one texel per pixel, and each pixel
// is one texture byte read and one frame byte written.
//
// renderAgainstLimit alternates a demo frame and a kernel frame into the same frame buffer and
// reports the ratio of their processor times, so that both see the same load on a shared machine;
// absolute times depend on the machine, the ratio is the figure to watch.
#include <benchmark/benchmark.h>

#include <ctime>
#include <string>

#include "bench/render/demo_views.h"
#include "engine/engine_state.h"
#include "engine/renderer.h"

namespace {

// The kernel is compiled for each frame size: with the size known the compiler vectorises what
// it can, which makes it the fastest plain loop to compare against.
template <int32_t width, int32_t height>
void fillWithTexels(uint8_t* frame, const uint8_t* texture)
{
    for (int32_t y = 0; y < height; ++y) {
        const uint8_t* source = texture + (y & 127) * 128;
        uint8_t* destination = frame + y * width;
        uint32_t position = static_cast<uint32_t>(y) << 16;
        for (int32_t x = 0; x < width; ++x) {
            destination[x] = source[(position >> 16) & 127u];
            position += 65536u;
        }
    }
}

struct FrameSize {
    int32_t width, height;
    void (*limitKernel)(uint8_t* frame, const uint8_t* texture);
};
constexpr FrameSize kSizes[] = {{640, 320, fillWithTexels<640, 320>}, {320, 200, fillWithTexels<320, 200>}};

double threadSeconds()
{
    timespec now {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

bool prepare(benchmark::State& bench, FrameSize size)
{
    bench.SetLabel(std::to_string(size.width) + "x" + std::to_string(size.height));
    if (qzbench::loadDemoWorld(size.width, size.height)) return true;
    bench.SkipWithError("demo world missing: build the demo-world-assets and demo_map targets");
    return false;
}

void renderNextView(size_t& view)
{
    qzbench::showView(qzbench::kDemoViews[view]);
    engine::RenderFrame();
    view = (view + 1) % qzbench::kDemoViews.size();
}

void renderDemoViews(benchmark::State& bench)
{
    if (!prepare(bench, kSizes[bench.range(0)])) return;
    size_t view = 0;
    for (auto _ : bench) {
        renderNextView(view);
        benchmark::ClobberMemory();
    }
    bench.counters["fps"] = benchmark::Counter(static_cast<double>(bench.iterations()), benchmark::Counter::kIsRate);
}

void limitKernel(benchmark::State& bench)
{
    const FrameSize size = kSizes[bench.range(0)];
    if (!prepare(bench, size)) return;
    const engine::EngineState& s = engine::state();
    for (auto _ : bench) {
        size.limitKernel(s.frameBuffer, s.wallTextures.front());
        benchmark::ClobberMemory();
    }
    bench.counters["fps"] = benchmark::Counter(static_cast<double>(bench.iterations()), benchmark::Counter::kIsRate);
}

void renderAgainstLimit(benchmark::State& bench)
{
    const FrameSize size = kSizes[bench.range(0)];
    if (!prepare(bench, size)) return;
    const engine::EngineState& s = engine::state();
    size_t view = 0;
    double renderSeconds = 0.0;
    double kernelSeconds = 0.0;
    for (auto _ : bench) {
        const double start = threadSeconds();
        renderNextView(view);
        benchmark::ClobberMemory();
        const double rendered = threadSeconds();
        size.limitKernel(s.frameBuffer, s.wallTextures.front());
        benchmark::ClobberMemory();
        renderSeconds += rendered - start;
        kernelSeconds += threadSeconds() - rendered;
    }
    bench.counters["fps"] = static_cast<double>(bench.iterations()) / renderSeconds;
    bench.counters["ratio"] = renderSeconds / kernelSeconds;
}

BENCHMARK(renderDemoViews)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(limitKernel)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(renderAgainstLimit)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
