#include "engine/lifecycle.h"

#include <vector>

#include "engine/engine_state.h"
#include "engine/initialisation.h"
#include "engine/renderer.h"
#include "platform/gdi.h"
#include "platform/message_box.h"

namespace engine {

int32_t initVaskell(uint32_t dc, const std::string& headerName, int32_t width, int32_t height)
{
    if (headerName.empty()) return -1;
    if (auto fault = frameSizeFault(width, height)) {
        qz::messageBox(*fault, "Init Error", qz::kMsgCritical);
        return -1;
    }
    EngineState& s = state();
    s.frameOutput = nullptr;
    s.screenWidth = width;
    s.screenHeight = height;
    if (!commonInitialise(headerName, dc)) return -1;
    s.engineReady = true;
    s.paletteHandle = CreatePalette(&s.logicalPalette);
    SelectPalette(dc, s.paletteHandle, 1);
    RealizePalette(dc);
    return drawQZ(dc);
}

int32_t drawQZ(uint32_t dc)
{
    EngineState& s = state();
    if (s.engineReady) {
        s.hostDC = dc;
        RenderFrame();
        if (s.frameOutput) s.frameOutput->present(dc);
    }
    return static_cast<int32_t>(s.bitmapHandle);
}

int32_t flushVaskell()
{
    EngineState& s = state();
    if (!s.screenBufferHeld) {
        qz::beep();
        return 0;
    }
    std::vector<uint8_t>().swap(s.screenBuffer);
    s.screenBufferHeld = false;
    return 0;
}

int32_t setWallTexture(int32_t node, int32_t texture)
{
    EngineState& s = state();
    if (node >= 0 && node < kMaxNodes) s.nodes[static_cast<size_t>(node)].txrWall = texture;
    return 0;
}

}  // namespace engine
