#pragma once
#include <optional>
#include <string>

#include "platform/gdi.h"

// File > Start: initialise the engine on the window, draw the first frame and start the tick.
namespace engine::viewer {

inline constexpr const char* kStartHint =
    "Use the arrow keys to move (add Shift for turbo). Also: PGUP,PGDOWN,A,Z,Space";

// The "File Missing" text for a header name that does not end in "HDR" (any case); nothing for
// an empty name (the settings name the header then) or a good one.
std::optional<std::string> headerNameFault(const std::string& headerName);

void startViewer(qz::Handle window);

}  // namespace engine::viewer
