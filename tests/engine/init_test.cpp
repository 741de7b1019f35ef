#include <algorithm>
#include <cstring>
#include <filesystem>

#include "engine/bitmap_layout.h"
#include "engine/initialisation.h"
#include "engine/lifecycle.h"
#include "engine/map_reload.h"
#include "engine/movement.h"
#include "platform/files.h"
#include "platform/gdi.h"
#include "tests/support/engine_files.h"

namespace enginetest {
namespace {

// A small world in the folder "world" below the test's current directory.
class InitTest : public EngineTest {
protected:
    InitTest()
    {
        std::filesystem::create_directory(world());
        Colours colours {};
        for (size_t i = 0; i < 256; ++i) colours[i] = {static_cast<uint8_t>(i), static_cast<uint8_t>(255 - i), 7};
        put("palette.bmp", bitmapFile(16, 16, std::vector<uint8_t>(256, 0), colours));  // 1334 bytes
        put("gun1.bmp", plainBitmap(64, 114, 3));                                       // 8374
        put("gun2.bmp", plainBitmap(64, 114, 4));
        put("floor1.bmp", plainBitmap(64, 64, 5));                                      // 5174
        put("sky.bmp", plainBitmap(1280, 200, 6));                                      // 257078
        put("beams.bmp", plainBitmap(8, 8, 7));                                         // 1142
        put("wall1.bmp", wallBitmap([](int r, int c) { return static_cast<uint8_t>(r + c); }));  // 17462
        put("wall2.bmp", wallBitmap([](int, int) { return 20; }));
        put("anim1.bmp", wallBitmap([](int r, int) { return static_cast<uint8_t>(r); }));
        TestMap testMap;
        addRoom(testMap, 0, 0, 512, 512, "Hall");
        testMap.nodes[0].front = 1;
        testMap.nodes[1].front = 2;
        testMap.nodes[2].front = 3;
        testMap.nodes[1].txrWall = 2;
        testMap.vx = 256;
        testMap.vy = 100;
        testMap.vz = 56;
        testMap.vd = 0;
        map = testMap;
        put("map.mpb", mapFile(map));
    }

    std::string world() const { return file("world"); }
    void put(const std::string& name, const std::vector<uint8_t>& bytes) const { write("world/" + name, bytes); }
    void header(const std::string& extra, const std::string& walls = "1=wall1.bmp\n2=wall2.bmp\n", int wallCount = 2)
    {
        writeText("world/demo.hdr", "[Quarzite3D]\nmap=map.mpb\nskyName=sky.bmp\nnumOverlays=2\nnumFloors=1\n"
                                    "numCeilings=1\nnumAnim=1\nnumWalls=" + std::to_string(wallCount) + "\n" + extra +
                                    "\n[Overlays]\n1=gun1.bmp\n2=gun2.bmp\n[Floors]\n1=floor1.bmp\n"
                                    "[Ceilings]\n1=beams.bmp\n[Anim]\n1=anim1.bmp\n[Walls]\n" + walls);
    }
    int32_t init(int32_t width = 320, int32_t height = 200, uint32_t dc = 0)
    {
        return engine::initVaskell(dc, world() + "/demo.hdr", width, height);
    }

    TestMap map;
};

TEST_F(InitTest, MemUseLogListsEveryLoadInOrder)
{
    header("");
    ASSERT_GT(init(), 0);
    EXPECT_TRUE(messages.messages.empty()) << (messages.messages.empty() ? "" : messages.messages[0].text);
    int64_t total = 16512 + 1444 + 8484 + 5284 + 257188 + 1252 + 3 * 17572;
    std::string expected = "Checkboard -  16512 bytes\n"
                           "Palette - palette.bmp -  1444 bytes\n"
                           "Overlay - gun1.bmp -  8484 bytes\n"
                           "Floor - floor1.bmp -  5284 bytes\n"
                           "Ceiling - sky.bmp -  257188 bytes\n"
                           "Ceiling - beams.bmp -  1252 bytes\n"
                           "Wall - wall1.bmp -  17572 bytes\n"
                           "Wall - wall2.bmp -  17572 bytes\n"
                           "Wall - anim1.bmp -  17572 bytes\n"
                           "---------------------\n"
                           "Total =  " + std::to_string(total) + " bytes -  " + std::to_string(total / 1024) + "K\n";
    EXPECT_EQ(qztest::readText(file("memUse.log")), expected) << "written where the initialisation started";
    EXPECT_EQ(s().memoryTotal, total);
}

TEST_F(InitTest, CallerHeaderFolderBecomesTheCurrentDirectory)
{
    header("");
    ASSERT_GT(init(), 0);
    EXPECT_EQ(std::filesystem::canonical(qz::currentDirectory()), std::filesystem::canonical(world()));
    EXPECT_EQ(s().headerPath, world() + "/demo.hdr");
    EXPECT_EQ(s().paletteName, "palette.bmp") << "no pal key: palette.bmp from the header's folder";
    EXPECT_EQ(s().paletteTable[3], (std::array<uint8_t, 3> {3, 252, 7}));
    EXPECT_EQ(s().settingsPath, dir.path() + "/qz3d.ini");
}

TEST_F(InitTest, EngineIsReadyWithTablesWorldAndTextures)
{
    header("");
    int32_t bitmap = init(320, 200, CreateCompatibleDC(0));
    ASSERT_GT(bitmap, 0);
    EXPECT_TRUE(s().engineReady);
    EXPECT_EQ(s().frameOutput, nullptr) << "the host shows the frames";
    EXPECT_EQ(s().frameCount, 1) << "the first frame is drawn";
    EXPECT_EQ(s().halfWidth, 160);
    EXPECT_EQ(s().halfHeight, 100);
    EXPECT_EQ(s().focalLength, 160);
    EXPECT_EQ(s().pixelCount, 64000);
    EXPECT_EQ(s().lastRowOffset, 199 * 320);
    EXPECT_EQ(s().rowOffset[199], 199 * 320);
    EXPECT_EQ(s().clipTop.size(), 321u);
    EXPECT_EQ(s().deferred.size(), 321u);
    EXPECT_NEAR(s().sinTable[32], 1.0, 1e-15);
    EXPECT_NEAR(s().cosTable[64], -1.0, 1e-15);
    EXPECT_EQ(s().nodeCount, 4);
    EXPECT_EQ(s().viewX, 256.0);
    ASSERT_EQ(s().wallTextures.size(), 2u);
    EXPECT_EQ(s().wallTextures[0][5 * 128 + 9], 14) << "transposed: column 5 byte 9 = row 9 column 5";
    EXPECT_EQ(s().wallTextures[1][0], 20);
    EXPECT_EQ(s().flatTextures.at(0)[0], 5);
    EXPECT_EQ(s().skyImage[255999], 6);
    EXPECT_EQ(s().ceilingImage[0], 7);
    ASSERT_EQ(s().animTextures.size(), 1u);
    EXPECT_EQ(s().animTextures[0][7 * 128 + 3], 3);
    EXPECT_EQ(s().animFrameCount, 1);
    EXPECT_EQ(s().animationSets[0][0], s().wallTextures[0]);
    EXPECT_EQ(s().animationSets[0][1], s().wallTextures[1]);
    EXPECT_EQ(s().animationSets[0][2], s().checkerboard);
    EXPECT_EQ(s().animationSets[0][3], s().checkerboard);
    EXPECT_EQ(s().overlayImages[1][0], 4);
    EXPECT_EQ(s().creatures[0].values[2], 256);
    EXPECT_EQ(s().creatures[0].values[3], 300);
    EXPECT_EQ(s().creatures[0].values[4], 56);
    EXPECT_EQ(s().creatures[0].values[5], 72);
    EXPECT_EQ(s().numCreatures, 1);

    std::vector<uint8_t> pixels(320 * 200 + 10);
    EXPECT_EQ(GetBitmapBits(static_cast<qz::Handle>(bitmap), static_cast<int32_t>(pixels.size()), pixels.data()),
              64000);
    EXPECT_EQ(std::memcmp(pixels.data(), s().frameBuffer, 64000), 0);
}

TEST_F(InitTest, FrameBitmapCarriesThePaletteAndThePaletteIsRealised)
{
    header("");
    std::vector<uint32_t> surface(4 * 2, 0);
    qz::Handle window = RegisterWindowSurface(surface.data(), 4, 2, 16);
    int32_t bitmap = init(320, 200, window);
    ASSERT_GT(bitmap, 0);
    EXPECT_EQ(RealizePalette(window), 255u);
    s().frameBuffer[0] = 3;
    s().frameBuffer[320 + 1] = 200;
    qz::Handle memory = CreateCompatibleDC(window);
    SelectObject(memory, static_cast<qz::Handle>(bitmap));
    ASSERT_TRUE(BitBlt(window, 0, 0, 4, 2, memory, 0, 0, qz::kSrcCopy));
    EXPECT_EQ(surface[0], 0xFF07FC03u) << "palette entry 3: red 7, green 252, blue 3";
    EXPECT_EQ(surface[4 + 1], 0xFF0737C8u);
    DeleteDC(memory);
    UnregisterWindowSurface(window);
}

TEST_F(InitTest, EmptyHeaderNameChangesNothing)
{
    EXPECT_EQ(engine::initVaskell(0, "", 320, 200), -1);
    EXPECT_FALSE(s().engineReady);
    EXPECT_EQ(s().screenWidth, 0);
    EXPECT_FALSE(std::filesystem::exists(file("memUse.log")));
    EXPECT_EQ(engine::drawQZ(0), 0);
    EXPECT_EQ(s().frameCount, 0);
}

TEST_F(InitTest, WidthZeroGives640By320)
{
    header("");
    ASSERT_GT(init(0, 999), 0);
    EXPECT_EQ(s().screenWidth, 640);
    EXPECT_EQ(s().screenHeight, 320);
    EXPECT_EQ(s().rowOffset[319], 319 * 640);
}

TEST_F(InitTest, FrameHeightAbove321RowsIsRefused)
{
    header("");
    EXPECT_EQ(init(320, 322), -1);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "Cannot draw a frame of 320 x 322 pixels: the engine draws 1 to 8192 columns "
                                         "and 1 to 321 rows.");
    EXPECT_EQ(messages.messages[0].title, "Init Error");
    EXPECT_EQ(messages.messages[0].style, 16);
    EXPECT_FALSE(s().engineReady);
    EXPECT_EQ(s().frameCount, 0);
    EXPECT_EQ(init(-320, 200), -1);
    EXPECT_EQ(init(320, 0), -1);
    EXPECT_EQ(init(8193, 200), -1);
    EXPECT_EQ(messages.messages.size(), 4u);

    ASSERT_GT(init(320, 321), 0);
    EXPECT_TRUE(s().engineReady);
    EXPECT_EQ(init(320, 400), -1);
    EXPECT_TRUE(s().engineReady) << "a refused size changes nothing";
    EXPECT_EQ(s().screenHeight, 321);
}

TEST_F(InitTest, MapTexturesBeyondTheHeaderShowTheCheckerboard)
{
    map.nodes[2].txrWall = 5;
    put("map.mpb", mapFile(map));
    header("");
    ASSERT_GT(init(), 0);
    EXPECT_EQ(messageTexts(), (std::vector<std::string> {"Missing wall: ", "Missing wall: ", "Missing wall: "}));
    EXPECT_EQ(s().numWalls, 5);
    ASSERT_EQ(s().wallTextures.size(), 5u);
    EXPECT_NE(s().wallTextures[1], s().checkerboard);
    for (size_t k = 2; k < 5; ++k) EXPECT_EQ(s().wallTextures[k], s().checkerboard);
}

TEST_F(InitTest, MissingFilesFallBackAndInitialisationGoesOn)
{
    std::filesystem::remove(world() + "/sky.bmp");
    std::filesystem::remove(world() + "/gun1.bmp");
    std::filesystem::remove(world() + "/map.mpb");
    header("pal=colours.bmp\n", "1=nowall.bmp\n", 1);
    ASSERT_GT(init(), 0);
    EXPECT_EQ(messageTexts(), (std::vector<std::string> {"Missing Pallete: colours.bmp", "No map",
                                                         "Missing Gun: gun1.bmp", "Missing ceiling: sky.bmp",
                                                         "Missing wall: nowall.bmp"}));
    EXPECT_TRUE(s().engineReady);
    EXPECT_EQ(s().nodeCount, 0);
    EXPECT_EQ(s().wallTextures[0], s().checkerboard);
    ASSERT_NE(s().skyImage, nullptr);
    EXPECT_NE(s().skyImage, s().checkerboard) << "the sky needs a block of the sky's size";
    EXPECT_EQ(s().skyFallback.size, 256000u);
    EXPECT_EQ(s().skyImage[0], 4);
    EXPECT_EQ(s().skyImage[1 * 1280 + 130], 0) << "row 1 in the second band, column 130 = 2 + 128";
    EXPECT_EQ(s().skyImage[199 * 1280 + 1279], s().checkerboard[(199 % 128) * 128 + 1279 % 128]);
    EXPECT_TRUE(s().overlayImages[0].empty());
}

TEST_F(InitTest, SettingsGiveTheDefaultHeaderAndTheDisplayFlags)
{
    header("");
    std::filesystem::copy(world() + "/demo.hdr", file("demo.hdr"));
    for (const char* name : {"palette.bmp", "map.mpb"}) std::filesystem::copy(world() + "/" + name, file(name));
    writeText("qz3d.ini", "[init]\ndefault = demo.hdr\nshowSnow=1\nshowCompass=2\n");
    s().screenWidth = 64;
    s().screenHeight = 48;
    ASSERT_TRUE(engine::commonInitialise("", 0));
    EXPECT_EQ(s().headerPath, dir.path() + "/demo.hdr");
    EXPECT_EQ(s().nodeCount, 4);
    EXPECT_EQ(s().showSnow, 1);
    EXPECT_EQ(s().showCompass, 2);
    EXPECT_EQ(s().showObject, 0);
    bool seeded = std::any_of(s().snow.begin(), s().snow.end(), [](int32_t flake) { return flake != 0; });
    EXPECT_TRUE(seeded);

    writeText("qz3d.ini", "[init]\ndefault=" + world() + "/demo.hdr\nshowSnow=\n");
    ASSERT_TRUE(engine::commonInitialise("", 0));
    EXPECT_EQ(s().headerPath, world() + "/demo.hdr") << "an absolute default is used as it stands";
    EXPECT_EQ(s().showSnow, 1) << "an empty value leaves the flag";
    EXPECT_EQ(std::filesystem::canonical(qz::currentDirectory()), std::filesystem::canonical(dir.path()));
}

TEST_F(InitTest, FlushFreesTheScreenBufferOnce)
{
    header("");
    ASSERT_GT(init(), 0);
    EXPECT_EQ(s().screenBuffer.size(), 320u * 200 + 110);
    EXPECT_EQ(engine::flushVaskell(), 0);
    EXPECT_EQ(messages.beeps, 0);
    EXPECT_TRUE(s().screenBuffer.empty());
    EXPECT_EQ(engine::flushVaskell(), 0);
    EXPECT_EQ(messages.beeps, 1) << "nothing left to free";
    EXPECT_EQ(engine::drawQZ(0), static_cast<int32_t>(s().bitmapHandle)) << "the frame bitmap is not the flushed block";
    EXPECT_EQ(s().frameCount, 2);
}

TEST_F(InitTest, SetWallTextureChangesOneNode)
{
    header("");
    ASSERT_GT(init(), 0);
    EXPECT_EQ(engine::setWallTexture(3, 9), 0);
    EXPECT_EQ(s().nodes[3].txrWall, 9);
    EXPECT_EQ(engine::setWallTexture(2001, 9), 0);
    EXPECT_EQ(engine::setWallTexture(-1, 9), 0);
}

TEST_F(InitTest, ReinitialisationReplacesTheWorld)
{
    header("");
    int32_t first = init();
    ASSERT_GT(first, 0);
    TestMap other;
    addRoom(other, 0, 0, 64, 64, "Small");
    addRoom(other, 100, 0, 164, 64, "Other");
    put("map.mpb", mapFile(other));
    int32_t second = init(160, 100);
    ASSERT_GT(second, 0);
    EXPECT_EQ(s().nodeCount, 8);
    EXPECT_EQ(s().areaCount, 2);
    EXPECT_EQ(s().screenWidth, 160);
    EXPECT_EQ(s().frameCount, 2);
}

TEST_F(InitTest, ReinitialisationFreesThePreviousWorldsBlocksBitmapAndPalette)
{
    header("");
    const qz::Handle window = CreateCompatibleDC(0);
    const qz::Handle memory = CreateCompatibleDC(window);
    std::vector<int32_t> bitmaps;
    size_t blocksAfterFirst = 0;
    // A host that selects each new frame into its memory context, as the editor's windows do.
    for (int k = 0; k < 12; ++k) {
        bitmaps.push_back(init());
        ASSERT_GT(bitmaps.back(), 0);
        SelectObject(memory, static_cast<qz::Handle>(bitmaps.back()));
        if (k == 0) blocksAfterFirst = s().blocks.size();
        EXPECT_EQ(s().blocks.size(), blocksAfterFirst) << "initialisation " << k;
        EXPECT_LE(s().retiredHandles.size(), 2u) << "initialisation " << k;
    }
    // Freed bitmaps give their handles to the next ones: without freeing, twelve would live.
    std::sort(bitmaps.begin(), bitmaps.end());
    EXPECT_LE(std::unique(bitmaps.begin(), bitmaps.end()) - bitmaps.begin(), 3);
    EXPECT_EQ(s().wallTextures.size(), 2u);
    EXPECT_EQ(s().wallTextures[0][0], 0) << "textures of the new world, transposed";
    DeleteDC(memory);
    DeleteDC(window);
}

TEST_F(InitTest, ReloadingAMapKeepsTexturesAndViewerAndRefusesWhatItCannotLoad)
{
    EXPECT_EQ(engine::reloadMap(world() + "/map.mpb"), -1) << "not before initialisation";
    header("");
    ASSERT_GT(init(), 0);
    engine::jumpViewer(300, 200, 60, 17);
    const std::vector<const uint8_t*> walls = s().wallTextures;
    const size_t blocks = s().blocks.size();

    TestMap other;
    addRoom(other, 0, 0, 64, 64, "Small");
    addRoom(other, 100, 0, 700, 600, "Other");
    other.nodes[5].txrWall = 9;
    other.vx = 1;
    other.vy = 1;
    put("other.mpb", mapFile(other));
    EXPECT_EQ(engine::reloadMap(world() + "/other.mpb"), 0);
    EXPECT_EQ(s().nodeCount, 8);
    EXPECT_EQ(s().areaCount, 2);
    EXPECT_EQ(s().viewX, 300.0);
    EXPECT_EQ(s().viewY, 200.0);
    EXPECT_EQ(s().eyeZ, 60);
    EXPECT_EQ(s().viewAngle, 17);
    EXPECT_EQ(s().currentArea, 1) << "the viewer now stands in Other";
    EXPECT_EQ(s().blocks.size(), blocks) << "nothing loaded again";
    ASSERT_EQ(s().wallTextures.size(), 9u) << "texture 9 beyond the header shows the checkerboard";
    EXPECT_EQ(std::vector<const uint8_t*>(s().wallTextures.begin(), s().wallTextures.begin() + 2), walls);
    EXPECT_EQ(s().wallTextures[8], s().checkerboard);
    EXPECT_EQ((engine::viewerPosition()), (engine::ViewerPosition {300, 200, 60, 17}));

    write("world/damaged.mpb", std::vector<uint8_t>(100, 1));
    EXPECT_EQ(engine::reloadMap(world() + "/damaged.mpb"), -1);
    EXPECT_EQ(engine::reloadMap(world() + "/missing.mpb"), -1);
    EXPECT_EQ(s().nodeCount, 8) << "the world stays as it was";
    EXPECT_EQ(engine::reloadMap(""), 0) << "the header's own map";
    EXPECT_EQ(s().nodeCount, 4);
}

TEST_F(InitTest, ViewerPositionRoundsToWholeUnitsHalvesToEven)
{
    s().viewX = 2.5;
    s().viewY = -3.5;
    s().eyeZ = 70;
    s().viewAngle = 127;
    EXPECT_EQ((engine::viewerPosition()), (engine::ViewerPosition {2, -4, 70, 127}));
}

}  // namespace
}  // namespace enginetest
