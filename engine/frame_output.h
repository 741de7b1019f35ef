#pragma once
#include <cstdint>

namespace engine {

// Where a finished frame goes when the engine shows it in a window of its own. A host of the
// exports copies the returned bitmap itself and installs none; the standalone viewer installs its
// window's output before it starts the engine.
class FrameOutput {
public:
    virtual ~FrameOutput() = default;
    // After the frame bitmap is made at initialisation, before anything is drawn into it.
    virtual void attach(uint32_t dc) = 0;
    // After each frame is rendered.
    virtual void present(uint32_t dc) = 0;
};

}  // namespace engine
