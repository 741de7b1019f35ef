#include <gtest/gtest.h>

#include "editor/import/map_import.h"
#include "editor/import/texture_export.h"
#include "editor/import/wad_error.h"
#include "editor/import/doom_pictures.h"
#include "tests/support/texture_lumps.h"
#include "tests/support/wad_builder.h"
#include "tests/support/test_support.h"

using namespace qzedit;

namespace importtest {
namespace {

constexpr size_t kPixels = 1078;

// Index i is (i, 255 - i, 0); index 255 repeats index 200's colour, so 200 stands in for it.
std::array<uint8_t, 3> colour(int i)
{
    if (i == 255) return {200, 55, 0};
    return {static_cast<uint8_t>(i), static_cast<uint8_t>(255 - i), 0};
}

int patchTexel(int x, int y)
{
    if (x == y) return -1;
    if (x == 3 && y == 4) return 255;
    return (x + 2 * y) % 200 + 1;
}

uint8_t floorTexel(int row, int column) { return static_cast<uint8_t>((row * 3 + column) & 0xFF); }

std::vector<uint8_t> texturedWad(const TestMap& map)
{
    WadBuilder wad;
    wad.lump("PLAYPAL", paletteLump(colour));
    wad.lump("PNAMES", patchNamesLump({"P1", "P2"}));
    wad.lump("TEXTURE1", textureLump({{"BRICK", 64, 64, {{0, 0, 0}, {32, 32, 0}}},
                                      {"WIDE", 256, 64, {{0, 0, 1}}},
                                      {"ODD", 96, 72, {{0, 0, 1}}},
                                      {"SKY1", 256, 128, {{0, 0, 1}}}}));
    wad.lump("P1", patchLump(32, 32, patchTexel));
    wad.lump("P2", patchLump(256, 128, [](int x, int y) { return (x + y) % 250; }));
    wad.map("MAP01", map);
    wad.lump("F_START");
    std::vector<uint8_t> flat(4096);
    for (int r = 0; r < 64; ++r)
        for (int c = 0; c < 64; ++c) flat[static_cast<size_t>(r * 64 + c)] = floorTexel(r, c);
    wad.lump("FLOOR", flat);
    wad.lump("F_SKY1", std::vector<uint8_t>(4096, 9));
    wad.lump("F_END");
    return wad.bytes("IWAD");
}

TestMap skyRoom()
{
    TestMap map;
    addRoom(map, 0, 0, 256, 256, TestSector {0, 128, "FLOOR", "F_SKY1", 255, 0, 0}, "BRICK");
    map.sides[1].middle = "WIDE";
    map.sides[2].middle = "ODD";
    map.sides[3].middle = "MISSING";
    map.things.push_back({128, 64, 90, 1});
    return map;
}

uint8_t pixel(const std::vector<uint8_t>& bmp, int width, int x, int y)
{
    return bmp[kPixels + static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)];
}

TEST(TextureExport, WritesThePaletteTexturesFlatsAndSkyInTheEngineLayouts)
{
    const wad::WadFile file(texturedWad(skyRoom()), "test.wad");
    const wad::ImportedMap imported = wad::importMap(wad::readDoomMap(file, "MAP01"), {}, {});
    EXPECT_EQ(imported.converted.walls[0].wallFlags, mapfile::kWallSkyCeiling);
    qztest::TempDir dir;
    const wad::TextureExport out = wad::exportTextures(file, "MAP01", imported, dir.path());

    EXPECT_EQ(out.header.palette, "palette.bmp");
    EXPECT_EQ(out.header.walls, (std::vector<std::string> {"w_brick.bmp", "w_wide.bmp", "w_odd.bmp", "w_missing.bmp"}));
    EXPECT_EQ(out.header.floors, (std::vector<std::string> {"f_floor.bmp", "f_f_sky1.bmp"}));
    EXPECT_EQ(out.header.ceilings, (std::vector<std::string> {"f_floor.bmp"}));
    EXPECT_EQ(out.header.overlays, (std::vector<std::string> {"overlay.bmp", "overlay.bmp"}));
    EXPECT_EQ(out.header.sky, "sky.bmp");
    EXPECT_EQ(out.missingTextures, (std::vector<std::string> {"MISSING"}));
    EXPECT_TRUE(out.missingFlats.empty());
    EXPECT_EQ(out.cutTextures, 1);
    EXPECT_EQ(out.unevenTextures, 1);

    const std::vector<uint8_t> palette = qztest::readBytes(dir.file("palette.bmp"));
    ASSERT_EQ(palette.size(), kPixels + 256);
    EXPECT_EQ(std::vector<uint8_t>(palette.begin() + 54 + 4 * 7, palette.begin() + 54 + 4 * 8),
              (std::vector<uint8_t> {0, 248, 7, 0})) << "blue, green, red, 0";
    EXPECT_EQ(pixel(palette, 16, 5, 2), 37);

    // BRICK: P1 at (0, 0) and (32, 32), the rest holes (255); repeated to 128 x 128.
    const std::vector<uint8_t> brick = qztest::readBytes(dir.file("w_brick.bmp"));
    ASSERT_EQ(brick.size(), kPixels + 128 * 128);
    EXPECT_EQ(pixel(brick, 128, 1, 0), patchTexel(1, 0));
    EXPECT_EQ(pixel(brick, 128, 5, 5), 255) << "a hole of the patch";
    EXPECT_EQ(pixel(brick, 128, 3, 4), 200) << "colour 255 of a patch takes the nearest other index";
    EXPECT_EQ(pixel(brick, 128, 40, 10), 255) << "no patch covers it";
    EXPECT_EQ(pixel(brick, 128, 100, 101), patchTexel(4, 5)) << "texture (36, 37), patch (4, 5)";
    const std::vector<uint8_t> wide = qztest::readBytes(dir.file("w_wide.bmp"));
    EXPECT_EQ(pixel(wide, 128, 127, 70), (127 + 6) % 250) << "cut at 128 across, repeated every 64 rows down";
    const std::vector<uint8_t> odd = qztest::readBytes(dir.file("w_odd.bmp"));
    EXPECT_EQ(pixel(odd, 128, 100, 80), (4 + 8) % 250) << "96 x 72 repeats from its corner";
    const std::vector<uint8_t> missing = qztest::readBytes(dir.file("w_missing.bmp"));
    EXPECT_EQ(std::vector<uint8_t>(missing.begin() + kPixels, missing.end()), std::vector<uint8_t>(128 * 128, 0));

    // A flat's rows run the other way in the engine.
    const std::vector<uint8_t> floor = qztest::readBytes(dir.file("f_floor.bmp"));
    ASSERT_EQ(floor.size(), kPixels + 64 * 64);
    EXPECT_EQ(pixel(floor, 64, 5, 0), floorTexel(63, 5));
    EXPECT_EQ(pixel(floor, 64, 17, 40), floorTexel(23, 17));

    // The sky: 1024 Doom columns per turn over 1280, 128 rows stretched to 200.
    const std::vector<uint8_t> sky = qztest::readBytes(dir.file("sky.bmp"));
    ASSERT_EQ(sky.size(), kPixels + 1280 * 200);
    EXPECT_EQ(pixel(sky, 1280, 100, 100), (80 + 64) % 250);
    EXPECT_EQ(pixel(sky, 1280, 1279, 199), (1023 % 256 + 127) % 250);
    const std::vector<uint8_t> overlay = qztest::readBytes(dir.file("overlay.bmp"));
    EXPECT_EQ(std::vector<uint8_t>(overlay.begin() + kPixels, overlay.end()), std::vector<uint8_t>(64 * 114, 0));
}

TEST(TextureExport, SkyTexturesFollowTheEpisodeOrMapNumber)
{
    EXPECT_EQ(wad::skyTextureName("E1M1"), "SKY1");
    EXPECT_EQ(wad::skyTextureName("E3M9"), "SKY3");
    EXPECT_EQ(wad::skyTextureName("E5M1"), "SKY4");
    EXPECT_EQ(wad::skyTextureName("MAP11"), "SKY1");
    EXPECT_EQ(wad::skyTextureName("MAP12"), "SKY2");
    EXPECT_EQ(wad::skyTextureName("MAP20"), "SKY2");
    EXPECT_EQ(wad::skyTextureName("MAP21"), "SKY3");
}

TEST(TextureExport, DamagedPicturesAreRefused)
{
    const uint8_t hole = 0;
    auto message = [&](std::vector<uint8_t> bytes) {
        try {
            wad::decodePatch(bytes, "P1", hole);
        } catch (const wad::WadError& e) {
            return std::string(e.what());
        }
        return std::string();
    };
    const std::vector<uint8_t> patch = patchLump(2, 3, [](int x, int y) { return x + y; });
    EXPECT_EQ(message(patch), "");
    EXPECT_EQ(message({1, 0, 1}), "patch P1 holds 3 bytes, too few for its header");
    std::vector<uint8_t> wide = patch;
    wide[0] = 200;
    EXPECT_EQ(message(wide), "patch P1 is 200 x 3 texels, which its " + std::to_string(patch.size()) + " bytes do not hold");
    std::vector<uint8_t> huge = patch;
    huge[3] = 0x20;
    EXPECT_EQ(message(huge), "patch P1 is 2 x 8195 texels, outside 1 .. 4096");
    std::vector<uint8_t> farColumn = patch;
    farColumn[12] = 0x7F;
    EXPECT_EQ(message(farColumn), "patch P1 column 1: a post starts outside the lump");
    std::vector<uint8_t> longPost = patch;
    longPost[16 + 1] = 90;
    EXPECT_EQ(message(longPost), "patch P1 column 0: a post of 90 texels runs past the lump");

    WadBuilder noPalette;
    try {
        wad::readPalette(wad::WadFile(noPalette.bytes(), "test.wad"));
        FAIL();
    } catch (const wad::WadError& e) {
        EXPECT_STREQ(e.what(), "test.wad has no palette (PLAYPAL)");
    }
    WadBuilder shortFlat;
    shortFlat.lump("F_START");
    shortFlat.lump("FLOOR", std::vector<uint8_t>(100));
    shortFlat.lump("F_END");
    try {
        wad::readFlat(wad::WadFile(shortFlat.bytes(), "test.wad"), "FLOOR");
        FAIL();
    } catch (const wad::WadError& e) {
        EXPECT_STREQ(e.what(), "flat FLOOR holds 100 bytes, fewer than 64 x 64");
    }
}

}  // namespace
}  // namespace importtest
