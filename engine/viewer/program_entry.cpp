#include "engine/viewer/program_entry.h"

#include "engine/viewer/viewer_resources.h"
#include "engine/viewer/viewer_window.h"
#include "engine/viewer/window_procedure.h"
#include "platform/files.h"
#include "platform/gdi_drawing.h"
#include "platform/window_services.h"

namespace engine::viewer {

std::string headerNameFromCommandLine(const std::string& commandLine)
{
    const size_t first = commandLine.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    return commandLine.substr(first, commandLine.find_last_not_of(' ') - first + 1);
}

int32_t ViewerMain(qz::Handle instance, qz::Handle, const std::string& commandLine, int32_t showState)
{
    ViewerWindow& v = viewerWindow();
    v.instance = instance;
    v.startDirectory = qz::currentDirectory();
    if (std::string name = headerNameFromCommandLine(commandLine); !name.empty()) v.headerName = name;

    const qz::WNDCLASSA windowClass {qz::CS_HREDRAW | qz::CS_VREDRAW, WNDPROC, instance, LoadIconA(instance, kIconName),
        GetStockObject(qz::WHITE_BRUSH), nullptr, kClassName};
    RegisterClassA(&windowClass);
    const qz::Handle window = CreateWindowExA(0, kClassName, kWindowTitle, qz::WS_OVERLAPPEDWINDOW, qz::CW_USEDEFAULT,
        qz::CW_USEDEFAULT, kWindowWidth, kWindowHeight, 0, LoadMenuA(instance, kMenuName), instance, nullptr);
    if (window == 0) return 1;
    ShowWindow(window, showState);
    UpdateWindow(window);
    return qz::runMessageLoop();
}

}  // namespace engine::viewer
