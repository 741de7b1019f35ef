// Frames of the demo world must stay the same from build to build. The demo world is made by the
// build (qz-demo-world and the compiled demo map in the programs' folder) and loaded through the
// engine's initialisation with a memory device context, as a host would.
//
// The expected checksums change only on purpose (a change of the renderer's output or of the demo
// world). To regenerate them, run
//   engine_render_tests --gtest_filter='DemoGolden.*'
// and copy the "actual" values it prints into kGolden below.
#include <gtest/gtest.h>

#include <array>
#include <cinttypes>
#include <cstdio>
#include <string>

#include "engine/engine_state.h"
#include "engine/lifecycle.h"
#include "engine/movement.h"
#include "platform/files.h"
#include "platform/gdi.h"
#include "tests/support/test_support.h"

namespace {

struct GoldenView {
    int32_t x, y, eyeZ, angle, lookOffset;
    uint64_t checksum640x320;
    uint64_t checksum320x200;
};

// The hall looking north, the courtyard looking up into the sky, the gallery down the stairs, the
// vault's grate and the tower's stacked wall; each frame drawn after the ones before it in this
// order, starting from the first frame of the initialisation.
const std::array<GoldenView, 5> kGolden {{
    {320, 64, 56, 0, 0, 0x9dddba8e546a5820ull, 0xdb914f8c60682185ull},
    {-192, 100, 40, 0, 150, 0xdf831f43fd97fb54ull, 0xd06d15b146941ec5ull},
    {320, 720, 104, 64, 0, 0x9c70ebeb4a57491cull, 0x65e7b590530651efull},
    {560, 128, 56, 32, 0, 0x087daf75fbda8a8eull, 0x81f6a029aec112ecull},
    {560, 320, 56, 32, 0, 0x78a3f4fa85108092ull, 0x4616fbeb43d45bf1ull},
}};

uint64_t fnv1a(const uint8_t* bytes, size_t size)
{
    uint64_t hash = 0xcbf29ce484222325ull;
    for (size_t i = 0; i < size; ++i) hash = (hash ^ bytes[i]) * 0x100000001b3ull;
    return hash;
}

std::string hex(uint64_t value)
{
    char text[32];
    std::snprintf(text, sizeof text, "0x%016" PRIx64 "ull", value);
    return text;
}

void checkDemoFrames(int32_t width, int32_t height, uint64_t GoldenView::*expected)
{
    const std::string header = std::string(QZ_DEMO_DIR) + "/demo.hdr";
    ASSERT_TRUE(qz::fileExists(header)) << "build the demo-world-assets and demo_map targets";
    qztest::TempDir settingsFree;  // no qz3d.ini: snow and the other switches stay off
    qztest::ScopedCurrentDir cwd(settingsFree.path());
    engine::state() = engine::EngineState {};
    ASSERT_NE(engine::initVaskell(CreateCompatibleDC(0), header, width, height), -1);
    engine::EngineState& s = engine::state();
    for (const GoldenView& view : kGolden) {
        engine::jumpViewer(view.x, view.y, view.eyeZ, view.angle);
        s.lookOffset = view.lookOffset;
        engine::drawQZ(0);
        const uint64_t actual = fnv1a(s.frameBuffer, static_cast<size_t>(width * height));
        EXPECT_EQ(actual, view.*expected) << width << "x" << height << " view at " << view.x << "," << view.y
                                          << ": actual " << hex(actual);
    }
}

TEST(DemoGolden, Frames640x320) { checkDemoFrames(640, 320, &GoldenView::checksum640x320); }

TEST(DemoGolden, Frames320x200) { checkDemoFrames(320, 200, &GoldenView::checksum320x200); }

}  // namespace
