#include <gtest/gtest.h>

#include "editor/import/map_filling.h"
#include "editor/import/map_import.h"
#include "editor/import/texture_export.h"
#include "engine/engine_state.h"
#include "engine/lifecycle.h"
#include "format/engine_header.h"
#include "platform/files.h"
#include "tests/support/texture_lumps.h"
#include "tests/support/wad_builder.h"
#include "tests/support/test_support.h"

using namespace qzedit;

// A converted map rendered by the engine keeps Doom's left and right: a long room with a red west
// wall and a green east wall, seen from its south end facing north.
namespace importtest {
namespace {

constexpr uint8_t kRed = 10, kGreen = 20, kGrey = 30, kFloor = 40, kCeiling = 50;

std::vector<uint8_t> orientationWad()
{
    TestMap map;
    addRoom(map, 0, 0, 256, 1024, TestSector {}, "GREY");
    map.sides[0].middle = "RED";    // (0, 0) -> (0, 1024): the west wall
    map.sides[2].middle = "GREEN";  // (256, 1024) -> (256, 0): the east wall
    map.things.push_back({128, 64, 90, 1});
    WadBuilder wad;
    wad.lump("PLAYPAL", paletteLump([](int i) { return std::array<uint8_t, 3> {static_cast<uint8_t>(i), 0, 0}; }));
    wad.lump("PNAMES", patchNamesLump({"PRED", "PGREEN", "PGREY"}));
    wad.lump("TEXTURE1", textureLump({{"RED", 64, 128, {{0, 0, 0}}}, {"GREEN", 64, 128, {{0, 0, 1}}},
                                      {"GREY", 64, 128, {{0, 0, 2}}}}));
    wad.lump("PRED", patchLump(64, 128, [](int, int) { return kRed; }));
    wad.lump("PGREEN", patchLump(64, 128, [](int, int) { return kGreen; }));
    wad.lump("PGREY", patchLump(64, 128, [](int, int) { return kGrey; }));
    wad.map("MAP01", map);
    wad.lump("F_START");
    wad.lump("FLOOR", std::vector<uint8_t>(4096, kFloor));
    wad.lump("CEIL", std::vector<uint8_t>(4096, kCeiling));
    wad.lump("F_END");
    return wad.bytes("IWAD");
}

TEST(RenderOrientation, WestWallShowsOnTheLeftFacingNorth)
{
    qztest::TempDir dir;
    qztest::MessageRecorder messages;
    const wad::WadFile file(orientationWad(), "test.wad");
    const wad::ImportedMap imported = wad::importMap(wad::readDoomMap(file, "MAP01"), {}, {});
    wad::TextureExport textures = wad::exportTextures(file, "MAP01", imported, dir.path());
    clsMap map;
    wad::fillMap(imported, map);
    ASSERT_TRUE(map.createBSP().ok);
    ASSERT_TRUE(map.WriteNewMPB(dir.file("room.mpb"), true).ok);
    textures.header.map = "room.mpb";
    qztest::writeText(dir.file("room.hdr"), headerfile::headerText(textures.header));

    constexpr int32_t kWidth = 320, kHeight = 200;
    {
        qztest::ScopedCurrentDir keep(qz::currentDirectory());
        engine::state() = engine::EngineState();
        ASSERT_GT(engine::initVaskell(0, dir.file("room.hdr"), kWidth, kHeight), 0);
    }
    EXPECT_TRUE(messages.messages.empty()) << messages.messages.front().text;
    const engine::EngineState& s = engine::state();
    EXPECT_EQ(s.viewAngle, 0);
    EXPECT_EQ(s.eyeZ, 56);
    const uint8_t* frame = s.frameBuffer;

    // Count each wall's pixels in the left and right halves of the frame.
    int redLeft = 0, redRight = 0, greenLeft = 0, greenRight = 0;
    for (int32_t y = 0; y < kHeight; ++y)
        for (int32_t x = 0; x < kWidth; ++x) {
            const uint8_t p = frame[y * kWidth + x];
            const bool left = x < kWidth / 2;
            if (p == kRed) ++(left ? redLeft : redRight);
            if (p == kGreen) ++(left ? greenLeft : greenRight);
        }
    EXPECT_GT(redLeft, 2000);
    EXPECT_EQ(redRight, 0);
    EXPECT_GT(greenRight, 2000);
    EXPECT_EQ(greenLeft, 0);
    EXPECT_EQ(frame[kHeight / 2 * kWidth + kWidth / 2], kGrey) << "the north wall ahead";
    EXPECT_EQ(frame[(kHeight - 1) * kWidth + kWidth / 2], kFloor);
    EXPECT_EQ(frame[kWidth / 2], kCeiling);
}

}  // namespace
}  // namespace importtest
