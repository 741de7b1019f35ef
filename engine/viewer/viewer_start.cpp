#include "engine/viewer/viewer_start.h"

#include <algorithm>
#include <cctype>

#include "engine/engine_state.h"
#include "engine/initialisation.h"
#include "engine/lifecycle.h"
#include "engine/viewer/movement_tick.h"
#include "engine/viewer/own_window_output.h"
#include "engine/viewer/viewer_window.h"
#include "engine/viewer/window_controls.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "platform/window_services.h"

namespace engine::viewer {

namespace {

bool isAbsolute(const std::string& name) { return name.starts_with("/") || name.find(":\\") != std::string::npos; }

// The command line's name as seen from the folder the program started in, so that a second Start
// finds the same header after the first moved the current directory to the header's folder.
std::string headerPathFromStart(const ViewerWindow& v)
{
    if (v.headerName.empty() || isAbsolute(v.headerName) || v.startDirectory.empty()) return v.headerName;
    return v.startDirectory + "/" + v.headerName;
}

}  // namespace

std::optional<std::string> headerNameFault(const std::string& headerName)
{
    if (headerName.empty()) return std::nullopt;
    std::string ending = headerName.substr(headerName.size() - std::min<size_t>(3, headerName.size()));
    std::transform(ending.begin(), ending.end(), ending.begin(), [](unsigned char c) { return std::toupper(c); });
    if (ending == "HDR") return std::nullopt;
    return "The file: " + headerName + " is either missing or not a QZ3D header (.HDR) file.";
}

void startViewer(qz::Handle window)
{
    const ViewerWindow& v = viewerWindow();
    if (auto fault = headerNameFault(v.headerName)) {
        qz::messageBox(*fault, "File Missing", qz::kMsgCritical);
        return;
    }
    // No tick may move or draw while the engine is loaded again.
    KillTimer(window, kTimerId);
    EngineState& s = state();
    const qz::Handle dc = GetDC(window);
    s.frameOutput = &ownWindowOutput();
    // frame.log reports the frames since this Start against the time since this Start.
    s.frameCount = 0;
    if (!commonInitialise(headerPathFromStart(v), dc)) {
        ReleaseDC(window, dc);
        return;
    }
    s.engineReady = true;
    s.paletteHandle = CreatePalette(&s.logicalPalette);
    SelectPalette(dc, s.paletteHandle, 0);
    RealizePalette(dc);
    drawQZ(dc);
    ReleaseDC(window, dc);

    s.startTime = static_cast<float>(qz::secondsSinceMidnight());
    SetTimer(window, kTimerId, kTickMilliseconds, nullptr);
    setStatusText(kStartHint);
}

}  // namespace engine::viewer
