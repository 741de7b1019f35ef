#include "engine/viewer/own_window_output.h"

#include "engine/engine_state.h"
#include "platform/gdi.h"

namespace engine::viewer {

void OwnWindowOutput::attach(uint32_t windowDC)
{
    EngineState& s = state();
    if (s.memoryDC != 0) DeleteDC(s.memoryDC);
    s.memoryDC = CreateCompatibleDC(windowDC);
    SelectObject(s.memoryDC, s.bitmapHandle);
    BitBlt(windowDC, 0, kFrameTop, s.screenWidth, s.screenHeight, s.memoryDC, 0, 0, qz::kSrcCopy);
}

void OwnWindowOutput::present(uint32_t windowDC)
{
    EngineState& s = state();
    SelectPalette(windowDC, s.paletteHandle, 0);
    RealizePalette(windowDC);
    SelectObject(s.memoryDC, s.bitmapHandle);
    // The copy asks for 50 rows more than the frame has; the bitmap's edge clips them.
    BitBlt(windowDC, 0, kFrameTop, s.screenWidth, s.screenHeight + kFrameTop, s.memoryDC, 0, 0, qz::kSrcCopy);
}

FrameOutput& ownWindowOutput()
{
    static OwnWindowOutput output;
    return output;
}

}  // namespace engine::viewer
