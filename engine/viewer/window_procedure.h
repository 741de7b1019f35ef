#pragma once
#include <cstdint>

#include "engine/export_macro.h"
#include "platform/window_messages.h"

// The window procedure of the viewer's own window, exported under its name so that a host can
// register it for a window class.
QZ_EXPORT qz::LRESULT WNDPROC(qz::Handle window, uint32_t message, qz::WPARAM wParam, qz::LPARAM lParam);

namespace engine::viewer {

// Commands of the menu and toolbar; false for those the viewer leaves to default processing.
bool runCommand(qz::Handle window, uint32_t command);

}  // namespace engine::viewer
