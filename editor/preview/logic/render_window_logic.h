#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "editor/preview/logic/engine_binding.h"
#include "editor/preview/logic/preview_port.h"
#include "editor/preview/logic/preview_source.h"

namespace qzedit {

// The render window's behaviour: Init compiles the map and starts the engine on its picture box
// at 320 x 200; Render, Forward and the keys draw frames; Flush releases the engine.
class RenderWindowLogic {
public:
    static constexpr int32_t kFrameWidth = 320;
    static constexpr int32_t kFrameHeight = 200;

    struct Buttons {
        bool init = true, render = false, forward = false, flush = false;
        bool operator==(const Buttons&) const = default;
    };

    RenderWindowLogic(EngineBinding& engine, PreviewSource& source, PreviewPort& port);
    ~RenderWindowLogic();
    RenderWindowLogic(const RenderWindowLogic&) = delete;
    RenderWindowLogic& operator=(const RenderWindowLogic&) = delete;

    const Buttons& buttons() const { return buttons_; }
    bool running() const { return buttons_.flush; }

    void init();
    void render();
    void forward();
    void flush();
    void keyDown(int keyCode);

private:
    void showFrame();
    void setButtons(bool running);

    EngineBinding& engine_;
    PreviewSource& source_;
    PreviewPort& port_;
    Buttons buttons_;
    uint32_t memoryDC_ = 0;
    int32_t bitmap_ = 0;
};

// Checks that a preview can start: the engine library and the header are there. Shows the
// message naming the missing file and returns nothing when one is not.
std::optional<std::string> previewHeaderOrReport(EngineBinding& engine, const PreviewSource& source);

}  // namespace qzedit
