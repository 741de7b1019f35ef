#include "editor/preview/logic/live_preview.h"

#include <chrono>

#include "editor/model/clsMap.h"
#include "platform/gdi.h"

namespace qzedit {

namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

}  // namespace

LivePreview::LivePreview(EngineBinding& engine, const clsMap& map, LivePreviewPort& port, std::string headerPath,
                         std::string mapPath)
    : engine_(engine), map_(map), port_(port), headerPath_(std::move(headerPath)), mapPath_(std::move(mapPath))
{
}

LivePreview::~LivePreview()
{
    if (memoryDC_ != 0) DeleteDC(memoryDC_);
}

bool LivePreview::engineIsOurs() const { return showing_ && engine_.initialisations() == ourInitialisation_; }

void LivePreview::fail(const std::string& text)
{
    // A stale picture would pass for the map as it is now.
    showing_ = false;
    fault_ = text;
    port_.showFault(text);
}

void LivePreview::refresh()
{
    stages_ = {};
    if (!engine_.available()) return fail(engine_.missingText());
    if (map_.numWalls < 1) return fail("Nothing to preview: the map has no walls.");
    auto start = Clock::now();
    // A copy is compiled, so the map in the editor keeps its own wall links and compiled list.
    clsMap compiled = map_;
    Outcome built = compiled.createBSP();
    stages_.compile = secondsSince(start);
    if (!built) return fail(built.text);
    start = Clock::now();
    Outcome written = compiled.WriteNewMPB(mapPath_, true);
    stages_.write = secondsSince(start);
    if (!written) return fail("The compiled map " + mapPath_ + " cannot be written: " + written.text);
    start = Clock::now();
    const bool loaded = load();
    stages_.load = secondsSince(start);
    if (!loaded) return;
    start = Clock::now();
    drawFrame();
    stages_.frame = secondsSince(start);
}

// The running engine loads the new map, keeping its textures and its viewer; an engine that is
// not ours (never started, or started by another window since) is started on our header.
bool LivePreview::load()
{
    if (engineIsOurs()) {
        if (engine_.reloadMap(mapPath_) == 0) return true;
        fail("The compiled map " + mapPath_ + " could not be loaded.");
        return false;
    }
    const int32_t dc = port_.pictureDC();
    if (memoryDC_ == 0) memoryDC_ = CreateCompatibleDC(static_cast<qz::Handle>(dc));
    if (engine_.initVaskell(dc, headerPath_, kFrameWidth, kFrameHeight) <= 0) {
        fail("The engine did not start on " + headerPath_ + ".");
        return false;
    }
    ourInitialisation_ = engine_.initialisations();
    if (placed_) engine_.jumpViewer(place_.x, place_.y, place_.z, place_.angle);
    showing_ = true;
    return true;
}

void LivePreview::drawFrame()
{
    const int32_t dc = port_.pictureDC();
    const int32_t bitmap = engine_.drawQZ(dc);
    SelectObject(memoryDC_, static_cast<qz::Handle>(bitmap));
    BitBlt(static_cast<qz::Handle>(dc), 0, 0, kFrameWidth, kFrameHeight, memoryDC_, 0, 0, qz::kSrcCopy);
    place_ = engine_.viewer();
    placed_ = true;
    if (!fault_.empty()) {
        fault_.clear();
        port_.showFault("");
    }
    port_.frameShown();
    port_.viewerMoved(place_);
}

void LivePreview::walk(const WalkKeys& keys)
{
    if (!keys.any()) return;
    if (!engineIsOurs()) refresh();
    if (!showing_) return;
    const int32_t step = keys.fast ? kWalkStepFast : kWalkStep;
    const int32_t turn = keys.fast ? kTurnStepFast : kTurnStep;
    engine_.moveViewer(0, (keys.forward ? step : 0) - (keys.back ? step : 0), 0);
    engine_.turnViewer((keys.left ? turn : 0) - (keys.right ? turn : 0));
    drawFrame();
}

void LivePreview::placeViewer(int32_t x, int32_t y)
{
    place_.x = x;
    place_.y = y;
    if (!placed_) place_ = {x, y, map_.vz, map_.vd & 127};
    placed_ = true;
    if (!engineIsOurs()) {
        refresh();
        if (!showing_) return;
    }
    engine_.jumpViewer(place_.x, place_.y, place_.z, place_.angle);
    drawFrame();
}

}  // namespace qzedit
