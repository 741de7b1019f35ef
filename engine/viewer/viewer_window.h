#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "platform/gdi.h"

// The state of the viewer's own window, next to the engine's state: handles, the held keys and
// the text buffer for tooltips and status texts.
namespace engine::viewer {

inline constexpr int32_t kKeyHeld = 13;
inline constexpr int32_t kKeyReleased = 0;
inline constexpr size_t kTextBufferSize = 255;

struct ViewerWindow {
    qz::Handle window = 0;
    qz::Handle instance = 0;
    qz::Handle toolbar = 0;
    qz::Handle statusBar = 0;
    qz::Handle toolbarBitmap = 0;

    int32_t upKey = kKeyReleased, downKey = kKeyReleased, leftKey = kKeyReleased, rightKey = kKeyReleased;
    int32_t shiftKey = kKeyReleased, aKey = kKeyReleased, zKey = kKeyReleased;

    std::array<char, kTextBufferSize + 1> text {};

    // The header named on the command line, and the folder the program started in: the engine
    // moves the current directory to the header's folder, so a relative name is found from here.
    std::string headerName;
    std::string startDirectory;
};

ViewerWindow& viewerWindow();

inline bool isHeld(int32_t keyFlag) { return keyFlag != kKeyReleased; }

}  // namespace engine::viewer
