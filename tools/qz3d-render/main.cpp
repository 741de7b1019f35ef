// qz3d-render: starts the engine headless through its exports, as a host does, optionally places
// the viewer and replays movement keys, renders and writes the frame as BMP or PNG.
#include <charconv>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "engine/engine_state.h"
#include "engine/exports.h"
#include "platform/automation_strings.h"
#include "platform/gdi.h"
#include "tools/qz3d-render/frame_files.h"
#include "tools/qz3d-render/options.h"

namespace {

constexpr int32_t kWalkStep = 20;
constexpr int32_t kTurnStep = 4;

int fail(const std::string& message)
{
    std::fprintf(stderr, "qz3d-render: %s\n", message.c_str());
    return 1;
}

std::string shortest(double value)
{
    char buffer[32];
    auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return error == std::errc() ? std::string(buffer, end) : std::string("?");
}

// W and S step 20 units forward and back, A and D turn 4 units left and right, as the editor's
// render windows do.
void replayKeys(const std::string& keys)
{
    const int32_t none = 0, forward = kWalkStep, back = -kWalkStep, left = kTurnStep, right = -kTurnStep;
    for (char key : keys) {
        if (key == 'W') MOVEVIEWER(&none, &forward, &none);
        if (key == 'S') MOVEVIEWER(&none, &back, &none);
        if (key == 'A') TURNVIEWER(&left);
        if (key == 'D') TURNVIEWER(&right);
    }
}

// The viewer is not visible through the exports; this program links the engine and reads it.
void printViewer()
{
    const engine::EngineState& s = engine::state();
    std::printf("x=%s y=%s eye=%d angle=%d area=%d\n", shortest(s.viewX).c_str(), shortest(s.viewY).c_str(), s.eyeZ,
                s.viewAngle, FINDAREA());
}

void benchmark(int32_t frames, const int32_t* dc)
{
    auto start = std::chrono::steady_clock::now();
    for (int32_t k = 0; k < frames; ++k) DRAWQZ(dc);
    std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
    std::printf("%d frames in %.3f s: %.1f frames per second\n", frames, seconds.count(),
                seconds.count() > 0 ? frames / seconds.count() : 0.0);
}

qzrender::Frame readFrame(int32_t dc, int32_t bitmap)
{
    const engine::EngineState& s = engine::state();
    qzrender::Frame frame;
    frame.width = s.screenWidth;
    frame.height = s.screenHeight;
    frame.pixels.resize(static_cast<size_t>(frame.width) * static_cast<size_t>(frame.height));
    GetBitmapBits(static_cast<qz::Handle>(bitmap), static_cast<int32_t>(frame.pixels.size()), frame.pixels.data());
    SelectObject(static_cast<qz::Handle>(dc), static_cast<qz::Handle>(bitmap));
    GetDIBColorTable(static_cast<qz::Handle>(dc), 0, 256, frame.colours.data());
    return frame;
}

}  // namespace

int main(int argc, char** argv)
{
    std::string error;
    auto options = qzrender::parseOptions(argc, argv, error);
    if (!options) {
        std::fprintf(stderr, "qz3d-render: %s\n%s\n", error.c_str(), qzrender::kUsage);
        return 1;
    }
    // The engine makes the header's folder the current directory: paths are fixed before.
    std::error_code ec;
    std::string header = std::filesystem::absolute(options->header, ec).string();
    std::string out = std::filesystem::absolute(options->out, ec).string();
    if (!std::filesystem::is_regular_file(header, ec)) return fail("no header " + options->header);

    const int32_t dc = static_cast<int32_t>(CreateCompatibleDC(0));
    char* name = qz::newAutomationString(header);
    int32_t bitmap = INITVASKELL(&dc, &name, &options->width, &options->height);
    SysFreeString(name);
    if (bitmap <= 0) return fail("the engine did not start");

    if (const auto& at = options->at) JUMPVIEWER(&(*at)[0], &(*at)[1], &(*at)[2], &(*at)[3]);
    replayKeys(options->keys);
    printViewer();
    for (int32_t k = 0; k < options->frames; ++k) DRAWQZ(&dc);
    if (options->bench > 0) benchmark(options->bench, &dc);

    bool written = qzrender::writeFrame(readFrame(dc, bitmap), out, error);
    FLUSHVASKELL();
    return written ? 0 : fail(error);
}
