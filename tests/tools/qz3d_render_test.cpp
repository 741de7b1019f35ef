#include <cstring>
#include <filesystem>

#include "engine/lifecycle.h"
#include "engine/movement.h"
#include "platform/files.h"
#include "tests/support/engine_files.h"
#include "tests/support/run_program.h"

// qz3d-render run as a program on a world our own code writes; its frame is checked against the
// same world rendered in this process.
namespace enginetest {
namespace {

class RenderToolTest : public EngineTest {
protected:
    RenderToolTest()
    {
        Colours colours {};
        for (size_t i = 0; i < 256; ++i) colours[i] = {static_cast<uint8_t>(i), 9, static_cast<uint8_t>(255 - i)};
        write("palette.bmp", bitmapFile(16, 16, std::vector<uint8_t>(256, 0), colours));
        write("wall1.bmp", wallBitmap([](int r, int c) { return static_cast<uint8_t>(20 + (r / 16 + c / 16) % 2); }));
        write("wall2.bmp", wallBitmap([](int r, int) { return static_cast<uint8_t>(40 + r / 32); }));
        write("floor.bmp", plainBitmap(64, 64, 100));
        write("ceil.bmp", plainBitmap(64, 64, 120));
        TestMap testMap;
        // Facing inwards: the corners run (0,0) -> (0,512) -> (512,512) -> (512,0).
        const int32_t corners[5][2] = {{0, 0}, {0, 512}, {512, 512}, {512, 0}, {0, 0}};
        for (int k = 0; k < 4; ++k) {
            engine::Node n = node(corners[k][0], corners[k][1], corners[k + 1][0], corners[k + 1][1]);
            n.front = k < 3 ? k + 1 : 0;
            n.txrWall = k % 2 + 1;
            n.txrFCeil = n.txrBCeil = 2;
            n.areaNext = k < 3 ? k + 1 : -1;
            testMap.nodes.push_back(n);
        }
        testMap.areas.push_back(area(0, 0, 512, 512, 0, "Hall"));
        testMap.vx = 256;
        testMap.vy = 100;
        testMap.vz = 56;
        write("room.mpb", mapFile(testMap));
        writeText("room.hdr", "[Quarzite3D]\nmap=room.mpb\nnumWalls=2\nnumFloors=2\nnumCeilings=1\nnumOverlays=0\n"
                              "[Walls]\n1=wall1.bmp\n2=wall2.bmp\n[Floors]\n1=floor.bmp\n2=ceil.bmp\n[Ceilings]\n1=ceil.bmp\n");
    }

    qztest::ProgramResult run(std::vector<std::string> args) const
    {
        return qztest::runProgram(QZ3D_RENDER_TOOL, args);
    }

    // The frame of the same world drawn here, top row first.
    std::vector<uint8_t> renderHere(int32_t width, int32_t height, const std::string& keys)
    {
        ScopedRestore restore;
        engine::state() = engine::EngineState();
        EXPECT_GT(engine::initVaskell(0, file("room.hdr"), width, height), 0);
        for (char key : keys) {
            if (key == 'W') engine::moveViewer(0, 20, 0);
            if (key == 'A') engine::turnViewer(4);
        }
        engine::drawQZ(0);
        return {s().frameBuffer, s().frameBuffer + width * height};
    }

    struct ScopedRestore {
        qztest::ScopedCurrentDir cwd {qz::currentDirectory()};
    };
};

TEST_F(RenderToolTest, WritesTheFrameInTheScreenshotLayout)
{
    qztest::ProgramResult result = run({file("room.hdr"), "--out", file("shot.bmp"), "--keys", "wA", "--size", "160x100"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "x=256 y=120 eye=56 angle=124 area=0\n");

    std::vector<uint8_t> bmp = qztest::readBytes(file("shot.bmp"));
    ASSERT_EQ(bmp.size(), 1078u + 160 * 100);
    EXPECT_EQ(std::string(bmp.begin(), bmp.begin() + 2), "BM");
    EXPECT_EQ(readI32(bmp, 2), 1078 + 16000);
    EXPECT_EQ(readI32(bmp, 6), 0);
    EXPECT_EQ(readI32(bmp, 10), 1078);
    EXPECT_EQ(readI32(bmp, 14), 40);
    EXPECT_EQ(readI32(bmp, 18), 160);
    EXPECT_EQ(readI32(bmp, 22), 100);
    EXPECT_EQ(readI32(bmp, 26), 1 | (8 << 16));
    EXPECT_EQ(readI32(bmp, 30), 0);
    EXPECT_EQ(readI32(bmp, 34), 16000);
    for (size_t offset : {38, 42, 46, 50}) EXPECT_EQ(readI32(bmp, offset), 0) << offset;
    EXPECT_EQ(std::vector<uint8_t>(bmp.begin() + 54 + 4 * 7, bmp.begin() + 54 + 4 * 8),
              (std::vector<uint8_t> {7, 9, 248, 0}));

    std::vector<uint8_t> here = renderHere(160, 100, "WA");
    for (int32_t y = 0; y < 100; ++y)
        ASSERT_EQ(std::memcmp(bmp.data() + 1078 + (99 - y) * 160, here.data() + y * 160, 160), 0) << "row " << y;
}

TEST_F(RenderToolTest, PlacesTheViewerAndStopsAtWalls)
{
    qztest::ProgramResult result =
        run({file("room.hdr"), "--out", file("shot.bmp"), "--at", "256,480,60,0", "--keys", "WWWSDD"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "x=256 y=480 eye=60 angle=8 area=0\n") << "the second and third steps would cross y = 512";
    result = run({file("room.hdr"), "--out", file("shot.bmp"), "--at", "900,900,56,130"});
    EXPECT_EQ(result.out, "x=900 y=900 eye=56 angle=2 area=-1\n");
}

TEST_F(RenderToolTest, WritesAPalettePng)
{
    qztest::ProgramResult result = run({file("room.hdr"), "--out", file("shot.PNG"), "--size", "64x40"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    std::vector<uint8_t> png = qztest::readBytes(file("shot.PNG"));
    ASSERT_GT(png.size(), 33u + 12 + 768);
    EXPECT_EQ(std::vector<uint8_t>(png.begin(), png.begin() + 8),
              (std::vector<uint8_t> {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'}));
    EXPECT_EQ(std::string(png.begin() + 12, png.begin() + 16), "IHDR");
    EXPECT_EQ((std::vector<uint8_t>(png.begin() + 16, png.begin() + 26)),
              (std::vector<uint8_t> {0, 0, 0, 64, 0, 0, 0, 40, 8, 3})) << "64 x 40, 8 bits, palette";
    EXPECT_EQ(std::string(png.begin() + 37, png.begin() + 41), "PLTE");
    EXPECT_EQ(std::vector<uint8_t>(png.begin() + 41 + 3 * 7, png.begin() + 41 + 3 * 8),
              (std::vector<uint8_t> {248, 9, 7})) << "entry 7: red, green, blue";
}

TEST_F(RenderToolTest, BenchmarkReportsFramesPerSecond)
{
    qztest::ProgramResult result = run({file("room.hdr"), "--out", file("shot.bmp"), "--bench", "3"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(result.out.find("\n3 frames in "), std::string::npos) << result.out;
    EXPECT_NE(result.out.find(" frames per second\n"), std::string::npos);
}

TEST_F(RenderToolTest, BadArgumentsAndRefusedStartsFail)
{
    for (const std::vector<std::string>& args :
         {std::vector<std::string> {}, {file("room.hdr")}, {file("room.hdr"), "--out"},
          {file("room.hdr"), "--out", file("a.bmp"), "--size", "320"},
          {file("room.hdr"), "--out", file("a.bmp"), "--at", "1,2,3"},
          {file("room.hdr"), "--out", file("a.bmp"), "--keys", "WQ"},
          {file("room.hdr"), "--out", file("a.bmp"), "--frames", "-1"},
          {file("room.hdr"), "--out", file("a.bmp"), "--bench", "0"}}) {
        qztest::ProgramResult result = run(args);
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_NE(result.err.find("usage: qz3d-render"), std::string::npos) << result.err;
    }
    qztest::ProgramResult result = run({file("room.hdr"), "--out", file("a.bmp"), "--size", "320x400"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("the engine did not start"), std::string::npos) << result.err;
    result = run({file("none.hdr"), "--out", file("a.bmp")});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("no header"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(file("a.bmp")));
}

}  // namespace
}  // namespace enginetest
