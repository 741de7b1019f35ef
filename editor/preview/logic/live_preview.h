#pragma once
#include <cstdint>
#include <string>

#include "editor/preview/logic/engine_binding.h"

namespace qzedit {

class clsMap;

// What the live preview asks of its window.
class LivePreviewPort {
public:
    virtual ~LivePreviewPort() = default;
    // A surface of the preview's frame size that the frames are copied to.
    virtual int32_t pictureDC() = 0;
    virtual void frameShown() = 0;
    // Why there is no picture of the map as it is now; "" when there is one.
    virtual void showFault(const std::string& text) = 0;
    virtual void viewerMoved(const ViewerPlace& place) = 0;
};

// The keys held down at one walking tick.
struct WalkKeys {
    bool forward = false, back = false, left = false, right = false, fast = false;
    bool any() const { return forward || back || left || right; }
};

// A preview that follows the map: after every change it compiles the map, writes it, has the
// running engine load it (textures stay loaded) and draws a frame from where the viewer stood.
// Its files (a header and a compiled map) are its own, in the editor's scratch folder; the map in
// the editor is never touched. The engine is one per process: when another window has started it
// on another world since, the preview starts it again on its own and puts the viewer back.
class LivePreview {
public:
    // The engine draws at most 321 rows; the window scales the frame to its size.
    static constexpr int32_t kFrameWidth = 512;
    static constexpr int32_t kFrameHeight = 320;
    static constexpr int32_t kWalkStep = 20, kWalkStepFast = 40;
    static constexpr int32_t kTurnStep = 4, kTurnStepFast = 8;

    // Seconds each stage of the last refresh took.
    struct Stages {
        double compile = 0, write = 0, load = 0, frame = 0;
        double total() const { return compile + write + load + frame; }
    };

    // headerPath and mapPath: the preview's own files (the header names the map).
    LivePreview(EngineBinding& engine, const clsMap& map, LivePreviewPort& port, std::string headerPath,
                std::string mapPath);
    ~LivePreview();
    LivePreview(const LivePreview&) = delete;
    LivePreview& operator=(const LivePreview&) = delete;

    // The map changed (or the window was shown): a new frame of the map as it is now, or the
    // reason there is none.
    void refresh();
    // One tick of the held keys: move, turn, draw. Nothing happens when no key is held.
    void walk(const WalkKeys& keys);
    // The viewer to (x, y), looking where it looked ("Preview from here").
    void placeViewer(int32_t x, int32_t y);

    bool showing() const { return showing_; }
    const ViewerPlace& viewer() const { return place_; }
    const Stages& lastStages() const { return stages_; }
    const std::string& fault() const { return fault_; }

private:
    bool load();
    void drawFrame();
    void fail(const std::string& text);
    bool engineIsOurs() const;

    EngineBinding& engine_;
    const clsMap& map_;
    LivePreviewPort& port_;
    std::string headerPath_;
    std::string mapPath_;
    uint32_t memoryDC_ = 0;
    int32_t ourInitialisation_ = -1;
    bool showing_ = false;
    bool placed_ = false;
    ViewerPlace place_;
    Stages stages_;
    std::string fault_;
};

}  // namespace qzedit
