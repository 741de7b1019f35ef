#include <filesystem>

#include "engine/bitmap_layout.h"
#include "engine/header_file.h"
#include "engine/memory_log.h"
#include "engine/texture_loaders.h"
#include "tests/support/engine_files.h"

namespace enginetest {
namespace {

class LoaderTest : public EngineTest {
protected:
    LoaderTest()
    {
        engine::memoryLog().open(file("memUse.log"));
        engine::BuildCheckerboard();
    }
    std::string logText()
    {
        engine::memoryLog().close();
        return qztest::readText(file("memUse.log"));
    }
    std::vector<uint8_t> block(const engine::TextureRef& ref) const { return {ref.data, ref.data + ref.size}; }
};

TEST_F(LoaderTest, CheckerboardRows)
{
    const uint8_t* board = s().checkerboard;
    ASSERT_NE(board, nullptr);
    auto rowStart = [board](int row) { return std::vector<uint8_t>(board + row * 128, board + row * 128 + 16); };
    std::vector<uint8_t> fours(8, 4), zeros(8, 0);
    auto join = [](std::vector<uint8_t> a, const std::vector<uint8_t>& b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    };
    EXPECT_EQ(rowStart(0), join(fours, zeros));
    for (int r = 1; r <= 8; ++r) EXPECT_EQ(rowStart(r), join(zeros, fours)) << r;
    for (int r = 9; r <= 16; ++r) EXPECT_EQ(rowStart(r), join(fours, zeros)) << r;
    EXPECT_EQ(board[127 * 128 + 112], 4) << "row 127 is in band 16, column 112 in square 14";
    EXPECT_EQ(board[127 * 128 + 127], 0);
    EXPECT_EQ(std::vector<uint8_t>(board + 16384, board + 16512), std::vector<uint8_t>(128, 0));
    EXPECT_EQ(logText(), "Checkboard -  16512 bytes\n");
    EXPECT_EQ(s().memoryTotal, 16512);
}

TEST_F(LoaderTest, WallTexturesAreTransposedAndAccounted)
{
    auto texel = [](int row, int column) { return static_cast<uint8_t>(row * 3 + column * 7 + row * column); };
    std::vector<uint8_t> bitmap = wallBitmap(texel);
    ASSERT_EQ(bitmap.size(), 17462u);
    write("brick.bmp", bitmap);
    ASSERT_TRUE(engine::LoadWallTexture("brick.bmp"));
    const engine::TextureRef& wall = s().lastWall;
    ASSERT_EQ(wall.size, 17572u);
    for (int x = 0; x < 128; ++x)
        for (int k = 0; k < 128; ++k) ASSERT_EQ(wall.data[x * 128 + k], texel(k, x)) << "column " << x << " byte " << k;
    EXPECT_EQ(logText(), "Checkboard -  16512 bytes\nWall - brick.bmp -  17572 bytes\n");
    EXPECT_EQ(s().memoryTotal, 16512 + 17572);
}

TEST_F(LoaderTest, ShortFilesArePaddedWithIndexZero)
{
    std::vector<uint8_t> bitmap = wallBitmap([](int, int) { return 9; });
    bitmap.resize(1078 + 200);
    write("short.bmp", bitmap);
    write("tiny.bmp", {'B', 'M', 1, 2, 3});
    ASSERT_TRUE(engine::LoadWallTexture("short.bmp"));
    std::vector<uint8_t> wall = block(s().lastWall);
    ASSERT_GE(wall.size(), 16384u);
    // The 200 file bytes are row 0 and columns 0..71 of row 1: after the transpose, byte 0 of
    // every column and byte 1 of columns 0..71.
    EXPECT_EQ(wall[0], 9);
    EXPECT_EQ(wall[127 * 128], 9);
    EXPECT_EQ(wall[71 * 128 + 1], 9);
    EXPECT_EQ(wall[72 * 128 + 1], 0);
    EXPECT_EQ(wall[5 * 128 + 2], 0);
    EXPECT_EQ(wall[16383], 0);

    ASSERT_TRUE(engine::LoadWallTexture("tiny.bmp"));
    EXPECT_EQ(block(s().lastWall), std::vector<uint8_t>(16384, 0));
    ASSERT_TRUE(engine::LoadFlatImage(engine::ImageKind::Ceiling, "tiny.bmp", engine::kSkyBytes));
    EXPECT_EQ(s().lastCeiling.size, static_cast<size_t>(engine::kSkyBytes));
    EXPECT_EQ(logText(), "Checkboard -  16512 bytes\nWall - short.bmp -  1388 bytes\nWall - tiny.bmp -  115 bytes\n"
                         "Ceiling - tiny.bmp -  115 bytes\n");
}

TEST_F(LoaderTest, MissingTexturesFallBackAndSaySo)
{
    EXPECT_FALSE(engine::LoadWallTexture("gone.bmp"));
    EXPECT_EQ(s().lastWall.data, s().checkerboard);
    EXPECT_FALSE(engine::LoadFlatImage(engine::ImageKind::Floor, "floor.bmp", engine::kFlatBytes));
    EXPECT_EQ(s().lastFloor.data, s().checkerboard);
    EXPECT_FALSE(engine::LoadFlatImage(engine::ImageKind::Ceiling, "", 0));
    EXPECT_EQ(s().lastCeiling.data, s().checkerboard);

    write("obj.bmp", plainBitmap(8, 8, 3));
    ASSERT_TRUE(engine::LoadFlatImage(engine::ImageKind::Object, "obj.bmp", 0));
    const uint8_t* object = s().lastObject.data;
    EXPECT_FALSE(engine::LoadFlatImage(engine::ImageKind::Object, "lamp.bmp", 0));
    EXPECT_EQ(s().lastObject.data, object) << "a missing object keeps the previous reference";

    ASSERT_EQ(messages.messages.size(), 4u);
    EXPECT_EQ(messageTexts(), (std::vector<std::string> {"Missing wall: gone.bmp", "Missing floor: floor.bmp",
                                                         "Missing ceiling: ", "Missing object: lamp.bmp"}));
    for (const auto& m : messages.messages) {
        EXPECT_EQ(m.title, "Load Error");
        EXPECT_EQ(m.style, 16);
    }
    EXPECT_EQ(logText(), "Checkboard -  16512 bytes\nObject - obj.bmp -  1252 bytes\n");
}

TEST_F(LoaderTest, WindowsNamesFindFilesInAnyCase)
{
    std::filesystem::create_directory(file("tex"));
    write("tex/Brick.BMP", wallBitmap([](int, int) { return 1; }));
    EXPECT_TRUE(engine::LoadWallTexture("tex\\brick.bmp"));
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(logText(), "Checkboard -  16512 bytes\nWall - tex\\brick.bmp -  17572 bytes\n");
}

TEST_F(LoaderTest, PaletteEntriesInBothOrders)
{
    Colours colours {};
    colours[0] = {10, 20, 30};
    colours[254] = {1, 2, 3};
    colours[255] = {7, 8, 9};
    write("pal.bmp", bitmapFile(1, 1, {0}, colours));
    ASSERT_TRUE(engine::LoadPalette("pal.bmp"));
    const qz::LOGPALETTE& logical = s().logicalPalette;
    EXPECT_EQ(logical.palVersion, 0x300);
    EXPECT_EQ(logical.palNumEntries, 255);
    EXPECT_EQ(logical.palPalEntry[0].peRed, 30);
    EXPECT_EQ(logical.palPalEntry[0].peGreen, 20);
    EXPECT_EQ(logical.palPalEntry[0].peBlue, 10);
    EXPECT_EQ(logical.palPalEntry[0].peFlags, 0);
    EXPECT_EQ(logical.palPalEntry[255].peRed, 9);
    EXPECT_EQ(s().paletteTable[0], (std::array<uint8_t, 3> {10, 20, 30}));
    EXPECT_EQ(s().paletteTable[254], (std::array<uint8_t, 3> {1, 2, 3}));

    EXPECT_FALSE(engine::LoadPalette("other.bmp"));
    EXPECT_EQ(messageTexts(), std::vector<std::string> {"Missing Pallete: other.bmp"});
    EXPECT_EQ(s().paletteTable[0], (std::array<uint8_t, 3> {10, 20, 30})) << "the previous palette stays";

    write("cut.bmp", std::vector<uint8_t>(58, 5));  // only entry 0 is in the file
    ASSERT_TRUE(engine::LoadPalette("cut.bmp"));
    EXPECT_EQ(s().paletteTable[0], (std::array<uint8_t, 3> {5, 5, 5}));
    EXPECT_EQ(s().paletteTable[1], (std::array<uint8_t, 3> {0, 0, 0}));
    EXPECT_EQ(logText(), "Checkboard -  16512 bytes\nPalette - pal.bmp -  1189 bytes\nPalette - cut.bmp -  168 bytes\n");
}

TEST_F(LoaderTest, OverlaysLoadBothEntriesAndAccountTheFirst)
{
    s().overlayNames = {"gun1.bmp", "gun2.bmp"};
    std::vector<uint8_t> runs(114 * 64);
    for (size_t i = 0; i < runs.size(); ++i) runs[i] = static_cast<uint8_t>(i % 251);
    write("gun1.bmp", bitmapFile(64, 114, runs));
    write("gun2.bmp", bitmapFile(8, 8, std::vector<uint8_t>(64, 6)));
    engine::LoadOverlays();
    EXPECT_EQ(s().overlayImages[0], runs);
    ASSERT_EQ(s().overlayImages[1].size(), 114u * 64) << "padded to the overlay layout";
    EXPECT_EQ(s().overlayImages[1][63], 6);
    EXPECT_EQ(s().overlayImages[1][64], 0);

    std::filesystem::remove(file("gun2.bmp"));
    engine::LoadOverlays();
    EXPECT_TRUE(s().overlayImages[1].empty());

    std::filesystem::remove(file("gun1.bmp"));
    engine::LoadOverlays();
    EXPECT_TRUE(s().overlayImages[0].empty());
    EXPECT_EQ(messageTexts(), std::vector<std::string> {"Missing Gun: gun1.bmp"});
    EXPECT_EQ(logText(), "Checkboard -  16512 bytes\nOverlay - gun1.bmp -  8484 bytes\nOverlay - gun1.bmp -  8484 bytes\n");
}

TEST_F(LoaderTest, MemorySummaryLine)
{
    s().memoryTotal = 204800 - 16512;
    engine::memoryLog().account("Wall - w.bmp - ", 16512);
    engine::memoryLog().writeSummaryAndClose();
    EXPECT_EQ(qztest::readText(file("memUse.log")), "Checkboard -  16512 bytes\nWall - w.bmp -  16512 bytes\n"
                                                    "---------------------\nTotal =  204800 bytes -  200K\n");
}

TEST_F(EngineTest, ProfileValuesAreTrimmedAndCut)
{
    std::string text = "[a]\nk =   spaced value   \nlong=" + std::string(2000, 'x') + "\nzero=ab" + std::string(1, '\0') +
                       "cd\n";
    EXPECT_EQ(engine::readProfileValue(text, "A", " K "), "spaced value");
    EXPECT_EQ(engine::readProfileValue(text, "a", "long").size(), 1274u);
    EXPECT_EQ(engine::readProfileValue(text, "a", "zero"), "ab");
    EXPECT_EQ(engine::readProfileValue(text, "a", "absent"), "");
    EXPECT_EQ(engine::readProfileValue(text, "b", "k"), "");
}

TEST_F(EngineTest, HeaderKeysAndLists)
{
    engine::readHeader("[Quarzite3D]\nmap = level.mpb\nskyName=sky.bmp\nanimInc=0.5\nanimObjectInc=2abc\n"
                       "animWallNum=7\ntransparentIndex=300\nnumOverlays=2\nnumWalls=3\nnumAnim=1\nnumFloors=2\n"
                       "numCeilings=1\nnumObjects=0\nnumCreatures=4\n"
                       "[Overlays]\n1=gun1.bmp\n2=gun2.bmp\n[Walls]\n 1 = brick.bmp\n3=metal.bmp\n[Anim]\n1=a1.bmp\n"
                       "[Floors]\n1=floor.bmp\n2=grass.bmp\n[Ceilings]\n1=beams.bmp\n[Objects]\n1=lamp.bmp\n");
    EXPECT_EQ(s().mapName, "level.mpb");
    EXPECT_EQ(s().paletteName, "palette.bmp") << "no pal key: the default stays";
    EXPECT_EQ(s().skyName, "sky.bmp");
    EXPECT_EQ(s().animInc, 0.5f);
    EXPECT_EQ(s().animObjectInc, 2.0f);
    EXPECT_EQ(s().animWallNum, 7);
    EXPECT_EQ(s().transparentIndex, 255) << "clamped to a byte";
    EXPECT_EQ(s().numWalls, 3);
    EXPECT_EQ(s().numCreatures, 4);
    EXPECT_EQ(s().overlayNames, (std::vector<std::string> {"gun1.bmp", "gun2.bmp"}));
    EXPECT_EQ(s().wallNames, (std::vector<std::string> {"brick.bmp", "", "metal.bmp"}));
    EXPECT_EQ(s().animNames, std::vector<std::string> {"a1.bmp"});
    EXPECT_EQ(s().floorNames, (std::vector<std::string> {"floor.bmp", "grass.bmp"}));
    EXPECT_EQ(s().ceilingNames, std::vector<std::string> {"beams.bmp"});
    EXPECT_TRUE(s().objectNames.empty()) << "a count of 0 does not rebuild the list";

    engine::readHeader("[Quarzite3D]\nmap=\npal=colours.bmp\nnumWalls=0\nnumFloors=-4\n[Walls]\n1=other.bmp\n");
    EXPECT_EQ(s().mapName, "level.mpb") << "an empty value leaves the variable";
    EXPECT_EQ(s().paletteName, "colours.bmp");
    EXPECT_EQ(s().numWalls, 0);
    EXPECT_EQ(s().numFloors, -4);
    EXPECT_EQ(s().wallNames.size(), 3u);
    EXPECT_EQ(s().floorNames.size(), 2u);
}

TEST_F(EngineTest, CountsAreClampedToAnIntegerAndEveryEntryIsRead)
{
    engine::readHeader("[Quarzite3D]\nnumFloors=99999999\n[Floors]\n32767=last.bmp\n1=first.bmp\n");
    EXPECT_EQ(s().numFloors, 32767);
    ASSERT_EQ(s().floorNames.size(), 32767u);
    EXPECT_EQ(s().floorNames.front(), "first.bmp");
    EXPECT_EQ(s().floorNames.back(), "last.bmp");
}

TEST_F(EngineTest, MissingHeaderReadsAsEmpty)
{
    s().mapName = "kept.mpb";
    engine::readHeaderFile(file("absent.hdr"));
    EXPECT_EQ(s().mapName, "kept.mpb");
    EXPECT_TRUE(messages.messages.empty());
}

}  // namespace
}  // namespace enginetest
