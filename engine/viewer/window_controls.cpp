#include "engine/viewer/window_controls.h"

#include <algorithm>

#include "engine/viewer/viewer_resources.h"
#include "engine/viewer/viewer_window.h"
#include "platform/window_resources.h"
#include "platform/window_services.h"

namespace engine::viewer {

namespace {

// Loads a string of the image into the window's text buffer.
const char* loadText(uint32_t id)
{
    ViewerWindow& v = viewerWindow();
    LoadStringA(v.instance, id, v.text.data(), static_cast<int32_t>(v.text.size()));
    return v.text.data();
}

}  // namespace

void createControls(qz::Handle window)
{
    ViewerWindow& v = viewerWindow();
    InitCommonControls();
    v.toolbarBitmap = LoadBitmapA(v.instance, kToolbarBitmapName);
    const qz::TBBUTTON start {0, static_cast<int32_t>(kCmdStart), qz::TBSTATE_ENABLED, qz::TBSTYLE_BUTTON, 0, 0};
    v.toolbar = CreateToolbarEx(window, qz::WS_CHILD | qz::WS_VISIBLE | qz::TBSTYLE_TOOLTIPS, kToolbarId,
        kToolbarImages, 0, v.toolbarBitmap, &start, 1, kToolbarImageSize, kToolbarImageSize, kToolbarImageSize,
        kToolbarImageSize, sizeof(qz::TBBUTTON));
    SendMessageA(v.toolbar, qz::TB_AUTOSIZE, 0, 0);
    v.statusBar = CreateStatusWindowA(
        static_cast<int32_t>(qz::WS_CHILD | qz::WS_VISIBLE | qz::WS_BORDER), "", window, kStatusBarId);
}

void answerNotify(qz::LPARAM notifyHeader)
{
    const auto* header = reinterpret_cast<const qz::NMHDR*>(notifyHeader);
    if (!header || header->code != qz::TTN_GETDISPINFOA) return;
    // The header is the first member of the tooltip's request.
    auto* request = reinterpret_cast<qz::NMTTDISPINFOA*>(notifyHeader);
    request->lpszText = loadText(static_cast<uint32_t>(header->idFrom));
}

void showMenuItemString(qz::WPARAM menuSelectWParam)
{
    const char* text = loadText(qz::LOWORD(menuSelectWParam));
    SendMessageA(viewerWindow().statusBar, qz::SB_SETTEXTA, 0, reinterpret_cast<qz::LPARAM>(text));
}

void resizeControls(qz::WPARAM wParam, qz::LPARAM lParam)
{
    const ViewerWindow& v = viewerWindow();
    SendMessageA(v.statusBar, qz::WM_SIZE, wParam, lParam);
    SendMessageA(v.toolbar, qz::WM_SIZE, wParam, lParam);
}

void setStatusText(const std::string& text)
{
    ViewerWindow& v = viewerWindow();
    const size_t length = std::min(text.size(), kTextBufferSize);
    std::copy_n(text.begin(), length, v.text.begin());
    v.text[length] = 0;
    SendMessageA(v.statusBar, qz::SB_SETTEXTA, 0, reinterpret_cast<qz::LPARAM>(v.text.data()));
}

}  // namespace engine::viewer
