#include "engine/viewer/viewer_keys.h"

#include "engine/engine_state.h"
#include "engine/saturating.h"
#include "engine/viewer/screenshot_file.h"
#include "engine/viewer/tree_walk_dump.h"
#include "engine/viewer/viewer_logs.h"
#include "engine/viewer/viewer_window.h"
#include "platform/window_messages.h"

namespace engine::viewer {

namespace {

// The flag a held key sets, or null for other keys.
int32_t* heldFlag(uint32_t virtualKey)
{
    ViewerWindow& v = viewerWindow();
    switch (virtualKey) {
    case qz::VK_UP: return &v.upKey;
    case qz::VK_DOWN: return &v.downKey;
    case qz::VK_LEFT: return &v.leftKey;
    case qz::VK_RIGHT: return &v.rightKey;
    case qz::VK_SHIFT: return &v.shiftKey;
    case kKeyA: return &v.aKey;
    case kKeyZ: return &v.zKey;
    default: return nullptr;
    }
}

void tab()
{
    EngineState& s = state();
    if (!isHeld(viewerWindow().shiftKey)) {
        appendPositionLog();
        return;
    }
    s.viewX = kPlacementX;
    s.viewY = kPlacementY;
    s.viewAngle = kPlacementAngle;
}

}  // namespace

void keyDown(uint32_t virtualKey)
{
    if (int32_t* flag = heldFlag(virtualKey)) {
        *flag = kKeyHeld;
        return;
    }
    EngineState& s = state();
    // Until Start there is no view to change and nothing to log.
    if (!s.engineReady) return;
    switch (virtualKey) {
    case qz::VK_SPACE: s.overlayToggle = s.overlayToggle == 0 ? 1 : 0; break;
    case qz::VK_PRIOR: s.lookOffset = saturatingSum(s.lookOffset, kLookStep); break;
    case qz::VK_NEXT: s.lookOffset = saturatingSum(s.lookOffset, -kLookStep); break;
    case qz::VK_TAB: tab(); break;
    case qz::VK_RETURN: writeTreeWalkDump(); break;
    default: break;
    }
}

void keyUp(uint32_t virtualKey)
{
    if (int32_t* flag = heldFlag(virtualKey)) {
        *flag = kKeyReleased;
        return;
    }
    EngineState& s = state();
    if (!s.engineReady) return;
    if (virtualKey == kKeyN) saveScreenshot();
    if (virtualKey == kKeyC) s.logFlag = true;
}

}  // namespace engine::viewer
