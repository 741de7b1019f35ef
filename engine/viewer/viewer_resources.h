#pragma once
#include <cstdint>

#include "platform/window_resources.h"

// The resources of the engine image that the viewer window uses: menu "MAINMENU", the string
// table of its commands, the "TOOLBAR" bitmap and the "PROGRAM" icon.
namespace engine::viewer {

inline constexpr uint32_t kCmdStart = 0xC00;
inline constexpr uint32_t kCmdOpen = 0xC01;
inline constexpr uint32_t kCmdClose = 0xC02;
inline constexpr uint32_t kCmdSave = 0xC03;
inline constexpr uint32_t kCmdExit = 0xC04;
inline constexpr uint32_t kCmdCut = 0xC05;
inline constexpr uint32_t kCmdCopy = 0xC06;
inline constexpr uint32_t kCmdPaste = 0xC07;
inline constexpr uint32_t kCmdHelp = 0xC08;
inline constexpr uint32_t kCmdAbout = 0xC09;

inline constexpr uint32_t kToolbarId = 0x800;
inline constexpr uint32_t kStatusBarId = 200;
inline constexpr int32_t kToolbarImages = 21;
inline constexpr int32_t kToolbarImageSize = 24;

inline constexpr const char* kClassName = "MYPROGRAM32";
inline constexpr const char* kWindowTitle = "Quarzite3D 1.5 engine";
inline constexpr const char* kMenuName = "MAINMENU";
inline constexpr const char* kToolbarBitmapName = "TOOLBAR";
inline constexpr const char* kIconName = "PROGRAM";
inline constexpr int32_t kWindowWidth = 650;
inline constexpr int32_t kWindowHeight = 500;

qz::ImageResources viewerResources();

// The instance handle of the engine image: its resources, registered on first use.
qz::Handle viewerInstance();

}  // namespace engine::viewer
