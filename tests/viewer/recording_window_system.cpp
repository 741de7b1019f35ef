#include "tests/viewer/recording_window_system.h"

#include <utility>

namespace viewertest {

namespace {

constexpr qz::Handle kWindowHandle = 0x30000001;
constexpr qz::Handle kToolbarHandle = 0x30000002;
constexpr qz::Handle kStatusBarHandle = 0x30000003;

}  // namespace

RecordingWindowSystem::RecordingWindowSystem()
    : surface(static_cast<size_t>(kClientWidth) * kClientHeight, kBackground)
    , dc_(RegisterWindowSurface(surface.data(), kClientWidth, kClientHeight, kClientWidth * 4))
{
    qz::setWindowSystem(this);
}

RecordingWindowSystem::~RecordingWindowSystem()
{
    qz::setWindowSystem(nullptr);
    UnregisterWindowSurface(dc_);
}

qz::Handle RecordingWindowSystem::createWindow(const qz::WindowCreation& created)
{
    window = kWindowHandle;
    creation = created;
    send(qz::WM_CREATE);
    send(qz::WM_SIZE, qz::SIZE_RESTORED, qz::MAKELPARAM(kClientWidth, kClientHeight));
    return window;
}

bool RecordingWindowSystem::showWindow(qz::Handle handle, int32_t)
{
    shown += handle == window ? 1 : 0;
    return handle == window;
}

bool RecordingWindowSystem::updateWindow(qz::Handle handle) { return handle == window; }

bool RecordingWindowSystem::destroyWindow(qz::Handle handle)
{
    if (handle != window || window == 0) return false;
    send(qz::WM_DESTROY);
    window = 0;
    return true;
}

qz::LRESULT RecordingWindowSystem::sendMessage(
    qz::Handle target, uint32_t message, qz::WPARAM wParam, qz::LPARAM lParam)
{
    if (target != 0 && target == window) return creation.procedure(window, message, wParam, lParam);
    if (target == 0 || (target != toolbar && target != statusBar)) return 0;
    SentMessage sent {target, message, wParam, lParam, ""};
    if (target == statusBar && message == qz::SB_SETTEXTA) {
        sent.text = reinterpret_cast<const char*>(lParam);
        statusText = sent.text;
        statusTexts.push_back(sent.text);
    }
    controlMessages.push_back(std::move(sent));
    return 0;
}

qz::LRESULT RecordingWindowSystem::defaultProcessing(qz::Handle handle, uint32_t message, qz::WPARAM, qz::LPARAM)
{
    defaultProcessed.push_back(message);
    if (message == qz::WM_CLOSE) destroyWindow(handle);
    return 0;
}

qz::Handle RecordingWindowSystem::createToolbar(const qz::ToolbarCreation& created)
{
    toolbarCreation = created;
    toolbar = kToolbarHandle;
    return toolbar;
}

qz::Handle RecordingWindowSystem::createStatusBar(qz::Handle, uint32_t id, uint32_t, const std::string& text)
{
    statusBarId = id;
    statusText = text;
    statusBar = kStatusBarHandle;
    return statusBar;
}

bool RecordingWindowSystem::setTimer(qz::Handle handle, uintptr_t id, uint32_t milliseconds)
{
    if (handle != window) return false;
    timers[id] = milliseconds;
    return true;
}

bool RecordingWindowSystem::killTimer(qz::Handle handle, uintptr_t id)
{
    return handle == window && timers.erase(id) > 0;
}

qz::Handle RecordingWindowSystem::getDC(qz::Handle handle) { return handle == window ? dc_ : 0; }

bool RecordingWindowSystem::releaseDC(qz::Handle handle, qz::Handle dc) { return handle == window && dc == dc_; }

void RecordingWindowSystem::postQuitMessage(int32_t exitCode) { quitCode = exitCode; }

int32_t RecordingWindowSystem::runMessageLoop() { return quitCode.value_or(0); }

qz::LRESULT RecordingWindowSystem::send(uint32_t message, qz::WPARAM wParam, qz::LPARAM lParam)
{
    return sendMessage(window, message, wParam, lParam);
}

}  // namespace viewertest
