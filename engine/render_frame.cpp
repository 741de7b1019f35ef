#include <algorithm>
#include <optional>

#include "engine/ceilbug_log.h"
#include "engine/frame_overlays.h"
#include "engine/render_context.h"
#include "engine/render_math.h"
#include "engine/render_walk.h"
#include "engine/renderer.h"
#include "engine/wall_columns.h"

namespace engine {

namespace render {

namespace {

// The viewer's position in map units with 10 fractional bits, modulo 64 units.
uint32_t flatPosition(double mapUnits) { return roundWrapped(1024.0 * mapUnits) & 65535u; }

// The tables must fit the frame before anything is drawn into it.
bool frameIsDrawable(const EngineState& s)
{
    const size_t columns = static_cast<size_t>(std::max(s.screenWidth, 0));
    return s.frameBuffer && s.screenWidth > 0 && s.screenHeight > 0 && s.screenHeight <= kMaxScreenHeight &&
           s.clipTop.size() >= columns && s.clipBottom.size() >= columns;
}

void advanceAnimation(EngineState& s)
{
    s.animPhase = s.animPhase + s.animInc;
    if (s.animPhase > static_cast<float>(s.animFrameCount - 1)) s.animPhase = 0.0f;
}

}  // namespace

FrameContext makeFrameContext(EngineState& s, CeilbugLog* ceilbugLog)
{
    FrameContext frame {s};
    frame.nodeCount = std::clamp(s.nodeCount, 0, static_cast<int32_t>(s.nodes.size()));
    frame.angle = s.viewAngle & 127;
    frame.sinA = s.sinTable[static_cast<size_t>(frame.angle)];
    frame.cosA = s.cosTable[static_cast<size_t>(frame.angle)];
    frame.horizon = static_cast<double>(s.halfHeight) + s.lookOffset;
    frame.flatViewX = flatPosition(s.viewX);
    frame.flatViewY = flatPosition(s.viewY);
    frame.ceilbugLog = ceilbugLog;
    return frame;
}

}  // namespace render

void RenderFrame()
{
    EngineState& s = state();
    if (!render::frameIsDrawable(s)) return;

    std::optional<render::CeilbugLog> ceilbugLog;
    if (s.logFlag) ceilbugLog.emplace();
    const render::FrameContext frame = render::makeFrameContext(s, ceilbugLog ? &*ceilbugLog : nullptr);

    std::fill_n(s.clipTop.begin(), s.screenWidth, 0);
    std::fill_n(s.clipBottom.begin(), s.screenWidth, s.screenHeight);
    s.deferredCount = 0;
    s.openColumns = s.screenWidth;
    s.nodeVisited.fill(0);
    if (frame.nodeCount > 0) {
        s.nodeVisited[0] = 1;
        render::RenderNode(frame, 0);
    }
    render::drawDeferredColumns(s);
    render::drawOverlay(s);
    if (s.showSnow != 0) render::drawSnow(s);

    render::advanceAnimation(s);
    s.frameCount = static_cast<int32_t>(static_cast<uint32_t>(s.frameCount) + 1u);
    s.logFlag = false;
}

}  // namespace engine
