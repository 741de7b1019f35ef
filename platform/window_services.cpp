#include "platform/window_services.h"

#include <map>
#include <mutex>
#include <utility>

namespace qz {

namespace {

struct RegisteredClass {
    uint32_t style = 0;
    WindowProcedure procedure = nullptr;
    Handle instance = 0, icon = 0, background = 0;
    uint16_t atom = 0;
};

struct Services {
    std::mutex lock;
    WindowSystem* backend = nullptr;
    std::map<std::string, RegisteredClass> classes;
    uint16_t lastAtom = 0xC000;
};

Services& services()
{
    static Services instance;
    return instance;
}

}  // namespace

WindowSystem* setWindowSystem(WindowSystem* backend)
{
    std::lock_guard guard(services().lock);
    return std::exchange(services().backend, backend);
}

WindowSystem* windowSystem()
{
    std::lock_guard guard(services().lock);
    return services().backend;
}

int32_t runMessageLoop()
{
    WindowSystem* backend = windowSystem();
    return backend ? backend->runMessageLoop() : 0;
}

}  // namespace qz

extern "C" {

uint16_t RegisterClassA(const qz::WNDCLASSA* windowClass)
{
    if (!windowClass || !windowClass->lpszClassName || !windowClass->lpfnWndProc) return 0;
    qz::Services& s = qz::services();
    std::lock_guard guard(s.lock);
    qz::RegisteredClass& entry = s.classes[windowClass->lpszClassName];
    uint16_t atom = entry.atom != 0 ? entry.atom : ++s.lastAtom;
    entry = {windowClass->style, windowClass->lpfnWndProc, windowClass->hInstance, windowClass->hIcon,
        windowClass->hbrBackground, atom};
    return atom;
}

qz::Handle CreateWindowExA(uint32_t, const char* className, const char* title, uint32_t style, int32_t x, int32_t y,
    int32_t width, int32_t height, qz::Handle, qz::Handle menu, qz::Handle instance, void*)
{
    qz::WindowCreation creation;
    {
        qz::Services& s = qz::services();
        std::lock_guard guard(s.lock);
        auto found = className ? s.classes.find(className) : s.classes.end();
        if (!s.backend || found == s.classes.end()) return 0;
        creation.procedure = found->second.procedure;
        creation.icon = found->second.icon;
        creation.background = found->second.background;
    }
    creation.instance = instance;
    creation.title = title ? title : "";
    creation.style = style;
    creation.x = x;
    creation.y = y;
    creation.width = width;
    creation.height = height;
    creation.menu = menu;
    return qz::windowSystem()->createWindow(creation);
}

int32_t ShowWindow(qz::Handle window, int32_t showState)
{
    qz::WindowSystem* backend = qz::windowSystem();
    return backend && backend->showWindow(window, showState) ? 1 : 0;
}

int32_t UpdateWindow(qz::Handle window)
{
    qz::WindowSystem* backend = qz::windowSystem();
    return backend && backend->updateWindow(window) ? 1 : 0;
}

int32_t DestroyWindow(qz::Handle window)
{
    qz::WindowSystem* backend = qz::windowSystem();
    return backend && backend->destroyWindow(window) ? 1 : 0;
}

qz::LRESULT DefWindowProcA(qz::Handle window, uint32_t message, qz::WPARAM wParam, qz::LPARAM lParam)
{
    qz::WindowSystem* backend = qz::windowSystem();
    return backend ? backend->defaultProcessing(window, message, wParam, lParam) : 0;
}

qz::LRESULT SendMessageA(qz::Handle window, uint32_t message, qz::WPARAM wParam, qz::LPARAM lParam)
{
    qz::WindowSystem* backend = qz::windowSystem();
    return backend ? backend->sendMessage(window, message, wParam, lParam) : 0;
}

void InitCommonControls() { }

qz::Handle CreateToolbarEx(qz::Handle parent, uint32_t style, uint32_t id, int32_t bitmapCount,
    qz::Handle bitmapInstance, uintptr_t bitmapId, const qz::TBBUTTON* buttons, int32_t buttonCount,
    int32_t buttonWidth, int32_t buttonHeight, int32_t bitmapWidth, int32_t bitmapHeight, uint32_t structSize)
{
    qz::WindowSystem* backend = qz::windowSystem();
    if (!backend || bitmapInstance != 0 || structSize != sizeof(qz::TBBUTTON) || buttonCount < 0 ||
        (buttonCount > 0 && !buttons))
        return 0;
    qz::ToolbarCreation creation;
    creation.parent = parent;
    creation.style = style;
    creation.id = id;
    creation.bitmapCount = bitmapCount;
    creation.bitmap = static_cast<qz::Handle>(bitmapId);
    creation.buttons.assign(buttons, buttons + buttonCount);
    creation.buttonWidth = buttonWidth;
    creation.buttonHeight = buttonHeight;
    creation.bitmapWidth = bitmapWidth;
    creation.bitmapHeight = bitmapHeight;
    return backend->createToolbar(creation);
}

qz::Handle CreateStatusWindowA(int32_t style, const char* text, qz::Handle parent, uint32_t id)
{
    qz::WindowSystem* backend = qz::windowSystem();
    return backend ? backend->createStatusBar(parent, id, static_cast<uint32_t>(style), text ? text : "") : 0;
}

uintptr_t SetTimer(qz::Handle window, uintptr_t id, uint32_t milliseconds, void* timerProcedure)
{
    qz::WindowSystem* backend = qz::windowSystem();
    if (!backend || timerProcedure || id == 0) return 0;
    return backend->setTimer(window, id, milliseconds) ? id : 0;
}

int32_t KillTimer(qz::Handle window, uintptr_t id)
{
    qz::WindowSystem* backend = qz::windowSystem();
    return backend && backend->killTimer(window, id) ? 1 : 0;
}

qz::Handle GetDC(qz::Handle window)
{
    qz::WindowSystem* backend = qz::windowSystem();
    return backend ? backend->getDC(window) : 0;
}

int32_t ReleaseDC(qz::Handle window, qz::Handle dc)
{
    qz::WindowSystem* backend = qz::windowSystem();
    return backend && backend->releaseDC(window, dc) ? 1 : 0;
}

void PostQuitMessage(int32_t exitCode)
{
    if (qz::WindowSystem* backend = qz::windowSystem()) backend->postQuitMessage(exitCode);
}

}  // extern "C"
