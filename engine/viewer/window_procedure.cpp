#include "engine/viewer/window_procedure.h"

#include <exception>

#include "engine/viewer/movement_tick.h"
#include "engine/viewer/test_commands.h"
#include "engine/viewer/viewer_keys.h"
#include "engine/viewer/viewer_logs.h"
#include "engine/viewer/viewer_resources.h"
#include "engine/viewer/viewer_start.h"
#include "engine/viewer/viewer_window.h"
#include "engine/viewer/window_controls.h"
#include "platform/message_box.h"
#include "platform/window_services.h"

namespace engine::viewer {

namespace {

void destroyed()
{
    ViewerWindow& v = viewerWindow();
    appendFrameLog();
    DeleteObject(v.toolbarBitmap);
    v.toolbarBitmap = 0;
    PostQuitMessage(0);
}

qz::LRESULT handleMessage(qz::Handle window, uint32_t message, qz::WPARAM wParam, qz::LPARAM lParam)
{
    switch (message) {
    case qz::WM_CREATE:
        viewerWindow().window = window;
        createControls(window);
        return 0;
    case qz::WM_NOTIFY: answerNotify(lParam); return 0;
    case qz::WM_MENUSELECT: showMenuItemString(wParam); return 0;
    case qz::WM_SIZE: resizeControls(wParam, lParam); return 0;
    case qz::WM_TIMER:
        if (wParam == kTimerId) movementTick(window);
        return 0;
    case qz::WM_COMMAND:
        if (runCommand(window, qz::LOWORD(wParam))) return 0;
        break;
    case qz::WM_KEYDOWN: keyDown(static_cast<uint32_t>(wParam)); return 0;
    case qz::WM_KEYUP: keyUp(static_cast<uint32_t>(wParam)); return 0;
    case qz::WM_DESTROY: destroyed(); return 0;
    default: break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

bool runCommand(qz::Handle window, uint32_t command)
{
    switch (command) {
    case kCmdStart: startViewer(window); return true;
    case kCmdExit: SendMessageA(window, qz::WM_DESTROY, 0, 0); return true;
    case kCmdCut: redOverlayTest(window); return true;
    case kCmdCopy: floorBitmapTest(window); return true;
    default: return false;
    }
}

}  // namespace engine::viewer

// Nothing may unwind into the host's event loop: a failure is reported and the message counts as
// handled.
QZ_EXPORT qz::LRESULT WNDPROC(qz::Handle window, uint32_t message, qz::WPARAM wParam, qz::LPARAM lParam)
{
    try {
        return engine::viewer::handleMessage(window, message, wParam, lParam);
    } catch (const std::exception& e) {
        qz::messageBox(e.what(), "QZ3D15", qz::kMsgCritical);
        return 0;
    }
}
