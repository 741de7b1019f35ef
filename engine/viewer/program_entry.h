#pragma once
#include <cstdint>
#include <string>

#include "platform/gdi.h"

// The viewer program's entry: registers the window class, opens the window and runs the message
// loop of the installed window system until the quit message.
namespace engine::viewer {

// The command line, with leading and trailing spaces removed; "" when it holds nothing else.
std::string headerNameFromCommandLine(const std::string& commandLine);

int32_t ViewerMain(qz::Handle instance, qz::Handle previousInstance, const std::string& commandLine, int32_t showState);

}  // namespace engine::viewer
