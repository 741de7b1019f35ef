// Frame pacing of the viewer window: the QZ3D15 window on the demo world, walking and turning
// with a frame on every 50 ms tick, for the given seconds (10 by default). Reports how far the
// ticks arrive from their schedule (the first tick plus whole periods) and from one another, and
// how long a tick's work (movement, frame, repaint) takes. Run it on Xvfb or offscreen:
//   QT_QPA_PLATFORM=offscreen viewer_frame_pacing [SECONDS] [HEADER.hdr]
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "engine/viewer/movement_tick.h"
#include "engine/viewer/program_entry.h"
#include "engine/viewer/viewer_resources.h"
#include "platform/qt/qt_program_host.h"
#include "platform/window_messages.h"

namespace {

using Clock = std::chrono::steady_clock;
using Milliseconds = std::chrono::duration<double, std::milli>;

constexpr double kAllowedMilliseconds = 5.0;

struct Tick {
    Clock::time_point arrival;
    Clock::time_point done;
};

struct Summary {
    double mean = 0.0, worst = 0.0;
    size_t within = 0;
};

Summary summarise(const std::vector<double>& deviations)
{
    Summary summary;
    for (double deviation : deviations) {
        summary.mean += std::fabs(deviation);
        summary.worst = std::max(summary.worst, std::fabs(deviation));
        summary.within += std::fabs(deviation) <= kAllowedMilliseconds ? 1 : 0;
    }
    if (!deviations.empty()) summary.mean /= static_cast<double>(deviations.size());
    return summary;
}

void report(const char* what, const Summary& summary, size_t count)
{
    std::printf("%-26s mean %6.3f ms, worst %6.3f ms, %zu of %zu within %.0f ms\n", what, summary.mean, summary.worst,
        summary.within, count, kAllowedMilliseconds);
}

}  // namespace

int main(int argc, char** argv)
{
    qz::QtProgramHost host(argc, argv, "QZ3D15 frame pacing");
    const std::string rest = host.commandLine();
    const size_t split = rest.find(' ');
    const std::string first = rest.substr(0, split);
    const int seconds = first.empty() ? 10 : std::atoi(first.c_str());
    if (seconds <= 0) {
        std::fprintf(stderr, "usage: viewer_frame_pacing [SECONDS] [HEADER.hdr]\n");
        return 2;
    }
    const std::string header = split == std::string::npos ? QZ_DEMO_DIR "/demo.hdr" : rest.substr(split + 1);
    const int tickCount = seconds * 1000 / static_cast<int>(engine::viewer::kTickMilliseconds);

    std::vector<Tick> ticks;
    ticks.reserve(static_cast<size_t>(tickCount) + 8);
    host.setTickObserver([&ticks](Clock::time_point arrival) { ticks.push_back({arrival, Clock::now()}); });
    host.drive(
        "command:0xC00 press:Up press:Left ticks:" + std::to_string(tickCount) + " release:Up release:Left close");
    const int32_t exitCode = engine::viewer::ViewerMain(engine::viewer::viewerInstance(), 0, header, qz::SW_SHOWNORMAL);
    if (exitCode != 0 || ticks.size() < 2) {
        std::fprintf(stderr, "viewer_frame_pacing: the viewer did not run (%zu ticks)\n", ticks.size());
        return 1;
    }

    const double period = engine::viewer::kTickMilliseconds;
    std::vector<double> fromSchedule, fromPrevious, work;
    for (size_t k = 0; k < ticks.size(); ++k) {
        fromSchedule.push_back(
            Milliseconds(ticks[k].arrival - ticks[0].arrival).count() - period * static_cast<double>(k));
        if (k > 0) fromPrevious.push_back(Milliseconds(ticks[k].arrival - ticks[k - 1].arrival).count() - period);
        work.push_back(Milliseconds(ticks[k].done - ticks[k].arrival).count());
    }
    std::printf("%zu ticks of %.0f ms over %.3f s (%s)\n", ticks.size(), period,
        Milliseconds(ticks.back().arrival - ticks.front().arrival).count() / 1000.0, header.c_str());
    report("arrival against schedule:", summarise(fromSchedule), fromSchedule.size());
    report("interval against 50 ms:", summarise(fromPrevious), fromPrevious.size());
    const Summary workSummary = summarise(work);
    std::printf("%-26s mean %6.3f ms, worst %6.3f ms\n", "work of a tick:", workSummary.mean, workSummary.worst);
    return 0;
}
