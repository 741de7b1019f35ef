#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/viewer/viewer_window.h"
#include "tests/support/engine_files.h"
#include "tests/viewer/recording_window_system.h"

namespace viewertest {

// The viewer window opened through its program entry on the recording window system, with a
// small world in "world/" below the test's folder: a hall from (0, 0) to (1024, 2048) whose four
// solid walls face inwards (wall texture 1 plain index 20, flats plain index 5), overlays of
// plain index 3 and 4, and a grey palette whose index 77 is pure red. The viewer starts at
// (512, 200), eye 56, looking along +y towards the far wall.
class ViewerTest : public enginetest::EngineTest {
protected:
    static constexpr uint8_t kWallIndex = 20;
    static constexpr uint8_t kFlatIndex = 5;
    static constexpr uint8_t kRedIndex = 77;

    ViewerTest();

    std::string world() const { return file("world"); }
    std::string header() const { return world() + "/hall.hdr"; }
    void writeWorld(const enginetest::TestMap& testMap, const std::string& headerExtra = "");
    static enginetest::TestMap hall();

    // Runs the program entry with the command line; the recording loop returns at once.
    void openWindow(const std::string& commandLine);
    // Opens the window on the hall's header and chooses File > Start.
    void openAndStart();

    qz::LRESULT send(uint32_t message, qz::WPARAM wParam = 0, qz::LPARAM lParam = 0);
    void command(uint32_t id);
    void press(uint32_t virtualKey);
    void release(uint32_t virtualKey);
    void tap(uint32_t virtualKey);
    void ticks(int count);

    // Names in the current directory (the header's folder after Start).
    std::vector<std::string> filesMatching(const std::string& prefix, const std::string& suffix) const;
    // The frame buffer's pixel.
    uint8_t framePixel(int32_t x, int32_t y) const;
    // The 0xAARRGGBB colour a palette index shows as.
    uint32_t shownColour(uint8_t index) const;

    RecordingWindowSystem windows;
    engine::viewer::ViewerWindow& viewer = engine::viewer::viewerWindow();
};

}  // namespace viewertest
