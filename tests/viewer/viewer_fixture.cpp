#include "tests/viewer/viewer_fixture.h"

#include <algorithm>
#include <filesystem>

#include "engine/viewer/program_entry.h"
#include "engine/viewer/viewer_resources.h"
#include "engine/viewer/window_procedure.h"
#include "platform/files.h"

namespace viewertest {

ViewerTest::ViewerTest()
{
    engine::viewer::viewerWindow() = engine::viewer::ViewerWindow();
    std::filesystem::create_directory(world());
    enginetest::Colours colours {};
    for (size_t i = 0; i < 256; ++i)
        colours[i] = {static_cast<uint8_t>(i), static_cast<uint8_t>(i), static_cast<uint8_t>(i)};
    colours[kRedIndex] = {0, 0, 255};
    write("world/palette.bmp", enginetest::bitmapFile(16, 16, std::vector<uint8_t>(256, 0), colours));
    write("world/gun1.bmp", enginetest::plainBitmap(64, 114, 3));
    write("world/gun2.bmp", enginetest::plainBitmap(64, 114, 4));
    write("world/floor1.bmp", enginetest::plainBitmap(64, 64, kFlatIndex));
    write("world/beams.bmp", enginetest::plainBitmap(8, 8, kFlatIndex));
    write("world/wall1.bmp", enginetest::wallBitmap([](int, int) { return kWallIndex; }));
    writeWorld(hall());
}

enginetest::TestMap ViewerTest::hall()
{
    enginetest::TestMap testMap;
    // Corners in the order that puts the inside of the hall in front of every wall.
    const int32_t corners[5][2] = {{0, 0}, {0, 2048}, {1024, 2048}, {1024, 0}, {0, 0}};
    for (int k = 0; k < 4; ++k) {
        engine::Node wall = enginetest::node(corners[k][0], corners[k][1], corners[k + 1][0], corners[k + 1][1]);
        wall.areaNext = k < 3 ? k + 1 : -1;
        wall.front = k < 3 ? k + 1 : 0;
        testMap.nodes.push_back(wall);
    }
    testMap.areas.push_back(enginetest::area(0, 0, 1024, 2048, 0, "Hall"));
    testMap.vx = 512;
    testMap.vy = 200;
    testMap.vz = 56;
    testMap.vd = 0;
    return testMap;
}

void ViewerTest::writeWorld(const enginetest::TestMap& testMap, const std::string& headerExtra)
{
    write("world/hall.mpb", enginetest::mapFile(testMap));
    writeText("world/hall.hdr",
        "[Quarzite3D]\nmap=hall.mpb\nnumOverlays=2\nnumFloors=1\nnumCeilings=1\nnumWalls=1\n" + headerExtra +
            "\n[Overlays]\n1=gun1.bmp\n2=gun2.bmp\n[Floors]\n1=floor1.bmp\n"
            "[Ceilings]\n1=beams.bmp\n[Walls]\n1=wall1.bmp\n");
}

void ViewerTest::openWindow(const std::string& commandLine)
{
    engine::viewer::ViewerMain(engine::viewer::viewerInstance(), 0, commandLine, qz::SW_SHOWNORMAL);
    ASSERT_NE(windows.window, 0u) << "the window was made";
}

void ViewerTest::openAndStart()
{
    openWindow(header());
    command(engine::viewer::kCmdStart);
    ASSERT_TRUE(s().engineReady);
}

qz::LRESULT ViewerTest::send(uint32_t message, qz::WPARAM wParam, qz::LPARAM lParam)
{
    return WNDPROC(windows.window, message, wParam, lParam);
}

void ViewerTest::command(uint32_t id) { send(qz::WM_COMMAND, qz::MAKEWPARAM(id, 0), 0); }

void ViewerTest::press(uint32_t virtualKey) { send(qz::WM_KEYDOWN, virtualKey, 1); }

void ViewerTest::release(uint32_t virtualKey) { send(qz::WM_KEYUP, virtualKey, 1); }

void ViewerTest::tap(uint32_t virtualKey)
{
    press(virtualKey);
    release(virtualKey);
}

void ViewerTest::ticks(int count)
{
    for (int k = 0; k < count; ++k) send(qz::WM_TIMER, 1, 0);
}

std::vector<std::string> ViewerTest::filesMatching(const std::string& prefix, const std::string& suffix) const
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(qz::currentDirectory())) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with(prefix) && name.ends_with(suffix)) names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

uint8_t ViewerTest::framePixel(int32_t x, int32_t y) const
{
    return s().frameBuffer[static_cast<size_t>(y) * static_cast<size_t>(s().screenWidth) + static_cast<size_t>(x)];
}

uint32_t ViewerTest::shownColour(uint8_t index) const
{
    const auto& bgr = s().paletteTable[index];
    return 0xFF000000u | (uint32_t(bgr[2]) << 16) | (uint32_t(bgr[1]) << 8) | bgr[0];
}

}  // namespace viewertest
