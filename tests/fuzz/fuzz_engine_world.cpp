// libFuzzer target: the world loader on arbitrary map files. An accepted map is put into the
// engine and walked the way the engine uses it: area lookups, collision tests, moves and a frame,
// so links that escape the checks show up as crashes, sanitizer reports or endless walks.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine/area_lookup.h"
#include "engine/engine_state.h"
#include "engine/initialisation.h"
#include "engine/map_reader.h"
#include "engine/movement.h"
#include "engine/renderer.h"
#include "engine/texture_loaders.h"
#include "engine/world_loader.h"

namespace {

constexpr int32_t kWidth = 64;
constexpr int32_t kHeight = 40;

void prepareFrame()
{
    engine::EngineState& s = engine::state();
    engine::fillAngleTables(s);
    s.screenWidth = kWidth;
    s.screenHeight = kHeight;
    s.halfWidth = s.focalLength = kWidth / 2;
    s.halfHeight = kHeight / 2;
    s.pixelCount = kWidth * kHeight;
    for (int32_t y = 0; y < kHeight; ++y) s.rowOffset[static_cast<size_t>(y)] = y * kWidth;
    s.clipTop.assign(kWidth + 1, 0);
    s.clipBottom.assign(kWidth + 1, 0);
    s.deferred.assign(kWidth + 1, engine::DeferredColumn {});
    s.frameBuffer = engine::reserveBlock(static_cast<size_t>(kWidth * kHeight));
    engine::BuildCheckerboard();
    s.skyImage = engine::reserveBlock(engine::kSkyBytes);
    for (auto& texture : s.animationSets[0]) texture = s.checkerboard;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static bool prepared = (prepareFrame(), true);
    (void)prepared;
    engine::MapReadResult read = engine::readMapContents(std::vector<uint8_t>(data, data + size));
    if (!read.fault.empty()) return 0;
    engine::applyMapContents(read);
    engine::EngineState& s = engine::state();
    engine::findArea();
    engine::moveViewer(3, 20, 0);
    engine::turnViewer(5);
    engine::moveViewer(0, -20, 7);
    for (int32_t k = 0; k < s.areaCount && k < 4; ++k) {
        const engine::Area& a = s.areas[static_cast<size_t>(k)];
        engine::findAreaAt((static_cast<double>(a.areaBbLeft) + a.areaBbRight) / 2,
                           (static_cast<double>(a.areaBbTop) + a.areaBbBottom) / 2);
    }
    engine::RenderFrame();
    return 0;
}
