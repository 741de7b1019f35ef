#include "editor/preview/logic/control_window_logic.h"

#include <filesystem>

#include "editor/model/clsMap.h"
#include "editor/preview/logic/render_window_logic.h"
#include "editor/shell/logic/command_guard.h"
#include "platform/files.h"
#include "platform/numbers.h"

namespace qzedit {

namespace {

constexpr int32_t kStep = 20;
constexpr int32_t kTurn = 5;

}  // namespace

ControlWindowLogic::ControlWindowLogic(EngineControl& control, EngineBinding& engine, PreviewSource& source,
                                       PreviewPort& port)
    : control_(control), engine_(engine), source_(source), port_(port)
{
}

void ControlWindowLogic::setButtons(bool running)
{
    buttons_ = {!running, running, running};
    port_.buttonsChanged();
}

void ControlWindowLogic::init()
{
    if (!mapHasWalls(source_)) return;
    if (!report(source_.compileScratch())) return;
    std::optional<std::string> header = previewHeaderOrReport(engine_, source_);
    if (!header) return;
    std::string folder = qz::currentDirectory();
    // The bare name when the header is the current directory's own, as the control expects.
    std::string name = std::filesystem::path(*header).parent_path() == folder ? std::string(kScratchHeader) : *header;
    control_.qz3DInit(folder, name, kFrameWidth, kFrameHeight, 0, 0, 0, 0);
    if (control_.frameBitmap() <= 0) return;
    setButtons(true);
}

void ControlWindowLogic::jump()
{
    if (!buttons_.jump) return;
    const clsMap& map = source_.map();
    control_.qzJumpViewer(qz::toLong(map.vx), qz::toLong(map.vy), map.vz, map.vd);
    control_.qzRedraw();
}

void ControlWindowLogic::flush()
{
    if (!buttons_.flush) return;
    control_.qzFlush();
    setButtons(false);
}

void ControlWindowLogic::keyDown(int keyCode)
{
    if (!buttons_.flush) return;
    switch (keyCode) {
    case kKeyA: control_.qzTurnViewer(kTurn); control_.qzRedraw(); break;
    case kKeyD: control_.qzTurnViewer(-kTurn); control_.qzRedraw(); break;
    case kKeyW: control_.qzMoveViewer(0, kStep, 0); control_.qzRedraw(); break;
    case kKeyS: control_.qzMoveViewer(0, -kStep, 0); control_.qzRedraw(); break;
    default: break;
    }
    const int32_t area = control_.qzGetViewerAreaNum();
    // A viewer in no area has no name to ask for.
    port_.setCaption("Area: " + (area < 0 ? std::string("none") : control_.qzGetViewerAreaName(area)));
}

void ControlWindowLogic::unload()
{
    if (buttons_.flush) flush();
}

}  // namespace qzedit
