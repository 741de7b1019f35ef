#include "editor/preview/logic/render_window_logic.h"

#include "editor/shell/logic/command_guard.h"
#include "platform/gdi.h"
#include "platform/message_box.h"
#include "platform/numbers.h"

namespace qzedit {

namespace {

constexpr const char* kMissingTitle = "File Missing";
constexpr int32_t kStep = 10;
constexpr int32_t kTurn = 4;

}  // namespace

std::optional<std::string> previewHeaderOrReport(EngineBinding& engine, const PreviewSource& source)
{
    if (!engine.available()) {
        qz::messageBox(engine.missingText(), kMissingTitle, qz::kMsgCritical);
        return std::nullopt;
    }
    HeaderChoice header = source.scratchHeader();
    if (!header.found()) {
        qz::messageBox(header.fault, kMissingTitle, qz::kMsgCritical);
        return std::nullopt;
    }
    return header.path;
}

RenderWindowLogic::RenderWindowLogic(EngineBinding& engine, PreviewSource& source, PreviewPort& port)
    : engine_(engine), source_(source), port_(port)
{
}

RenderWindowLogic::~RenderWindowLogic()
{
    if (memoryDC_ != 0) DeleteDC(memoryDC_);
}

void RenderWindowLogic::setButtons(bool running)
{
    buttons_ = {!running, running, running, running};
    port_.buttonsChanged();
}

// A map that was not compiled and written must not be previewed: the engine would show whatever
// scratch.mpb held before as if it were this map.
void RenderWindowLogic::init()
{
    if (!mapHasWalls(source_)) return;
    if (!report(source_.compileScratch())) return;
    std::optional<std::string> header = previewHeaderOrReport(engine_, source_);
    if (!header) return;
    const int32_t dc = port_.pictureDC();
    if (memoryDC_ == 0) memoryDC_ = CreateCompatibleDC(static_cast<qz::Handle>(dc));
    bitmap_ = engine_.initVaskell(dc, *header, kFrameWidth, kFrameHeight);
    if (bitmap_ <= 0) return;
    SelectObject(memoryDC_, static_cast<qz::Handle>(bitmap_));
    BitBlt(static_cast<qz::Handle>(dc), 0, 0, kFrameWidth, kFrameHeight, memoryDC_, 0, 0, qz::kSrcCopy);
    port_.pictureChanged();
    setButtons(true);
}

void RenderWindowLogic::showFrame()
{
    const int32_t dc = port_.pictureDC();
    bitmap_ = engine_.drawQZ(dc);
    SelectObject(memoryDC_, static_cast<qz::Handle>(bitmap_));
    BitBlt(static_cast<qz::Handle>(dc), 0, 0, kFrameWidth, kFrameHeight, memoryDC_, 0, 0, qz::kSrcCopy);
    port_.pictureChanged();
}

void RenderWindowLogic::render()
{
    if (running()) showFrame();
}

void RenderWindowLogic::forward()
{
    if (!running()) return;
    engine_.forward();
    showFrame();
}

// Releasing the engine here too leaves no engine running behind an idle window.
void RenderWindowLogic::flush()
{
    if (!running()) return;
    setButtons(false);
    engine_.flushVaskell();
}

void RenderWindowLogic::keyDown(int keyCode)
{
    if (!running()) return;
    const int32_t step = (keyCode == kKeyUp || keyCode == kKeyW) ? kStep : (keyCode == kKeyDown || keyCode == kKeyS) ? -kStep : 0;
    const int32_t turn = (keyCode == kKeyLeft || keyCode == kKeyA) ? kTurn : (keyCode == kKeyRight || keyCode == kKeyD) ? -kTurn : 0;
    engine_.moveViewer(0, step, 0);
    engine_.turnViewer(turn);
    showFrame();
    port_.setCaption("Area #" + qz::decimal(engine_.findArea()));
}

}  // namespace qzedit
