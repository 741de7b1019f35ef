#include "engine/frame_overlays.h"

#include <cmath>

#include "engine/renderer.h"
#include "platform/random.h"

namespace engine {

namespace {

int32_t pixelCount(const EngineState& s) { return s.screenWidth * s.screenHeight; }

}  // namespace

void SeedSnow()
{
    EngineState& s = state();
    const int32_t pixels = pixelCount(s);
    for (int32_t& flake : s.snow) {
        const long column = std::lrint(static_cast<double>(qz::rnd()) * s.screenWidth);
        const long row = std::lrint(static_cast<double>(qz::rnd()) * s.screenHeight);
        // Column screenWidth and row screenHeight can come out of the rounding; the offset is
        // kept inside the frame so that no particle writes past its last pixel.
        flake = pixels > 0 ? static_cast<int32_t>((row * s.screenWidth + column) % pixels) : 0;
    }
}

namespace render {

void drawOverlay(EngineState& s)
{
    const std::vector<uint8_t>& image = s.overlayImages[s.overlayToggle == 1 ? 1 : 0];
    if (image.size() < static_cast<size_t>(kOverlayRuns * kOverlayRunBytes)) return;
    const int32_t firstRow = s.screenHeight - kOverlayRunBytes;
    for (int32_t k = 0; k < kOverlayRuns; ++k) {
        const int32_t column = s.halfWidth - kOverlayRuns / 2 + k;
        if (column < 0 || column >= s.screenWidth) continue;
        const uint8_t* run = image.data() + k * kOverlayRunBytes;
        for (int32_t j = 0; j < kOverlayRunBytes; ++j) {
            const int32_t row = firstRow + j;
            if (row >= 0 && run[j] != s.transparentIndex)
                s.frameBuffer[s.rowOffset[static_cast<size_t>(row)] + column] = run[j];
        }
    }
}

void drawSnow(EngineState& s)
{
    const int32_t pixels = pixelCount(s);
    if (pixels <= 0) return;
    for (int32_t& flake : s.snow) {
        // The offsets live in the shared state; one outside this frame is brought inside rather
        // than written through.
        if (flake < 0 || flake >= pixels)
            flake = static_cast<int32_t>(static_cast<uint32_t>(flake) % static_cast<uint32_t>(pixels));
        s.frameBuffer[flake] = 0;
        flake += s.screenWidth;
        if (flake >= pixels) flake -= pixels;
    }
}

}  // namespace render

}  // namespace engine
