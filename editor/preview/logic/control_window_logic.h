#pragma once
#include "editor/preview/logic/engine_binding.h"
#include "editor/preview/logic/engine_control.h"
#include "editor/preview/logic/preview_port.h"
#include "editor/preview/logic/preview_source.h"

namespace qzedit {

// The control window's behaviour, all through the engine control: Init compiles the map and
// starts the engine at 320 x 200; Jump to Insert puts the viewer at the map's viewer start; W, A,
// S and D move and turn; Flush and closing release the engine.
class ControlWindowLogic {
public:
    static constexpr int32_t kFrameWidth = 320;
    static constexpr int32_t kFrameHeight = 200;

    struct Buttons {
        bool init = true, jump = false, flush = false;
        bool operator==(const Buttons&) const = default;
    };

    // engine: the binding the control calls, asked here only whether its library is there.
    ControlWindowLogic(EngineControl& control, EngineBinding& engine, PreviewSource& source, PreviewPort& port);

    const Buttons& buttons() const { return buttons_; }

    void init();
    void jump();
    void flush();
    void keyDown(int keyCode);
    // The window closes: an engine started by Init is released first.
    void unload();

private:
    void setButtons(bool running);

    EngineControl& control_;
    EngineBinding& engine_;
    PreviewSource& source_;
    PreviewPort& port_;
    Buttons buttons_;
};

}  // namespace qzedit
