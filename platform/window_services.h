#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/window_messages.h"

// Window services under their Windows names: window classes and windows, the toolbar and status
// bar controls, timers, the window's device context, default processing and the message loop.
// The calls go to one replaceable backend: the Qt backend in programs, a recording backend in
// tests. Without a backend every call fails quietly (0, nothing shown).
namespace qz {

struct WNDCLASSA {
    uint32_t style;
    WindowProcedure lpfnWndProc;
    Handle hInstance;
    Handle hIcon;          // from LoadIconA
    Handle hbrBackground;  // a brush of the drawing stand-ins
    const char* lpszMenuName;
    const char* lpszClassName;
};

// What a backend needs to make a top-level window; it sends WM_CREATE before it returns.
struct WindowCreation {
    WindowProcedure procedure = nullptr;
    Handle instance = 0;
    Handle icon = 0;
    Handle background = 0;
    std::string title;
    uint32_t style = 0;
    int32_t x = 0, y = 0, width = 0, height = 0;
    Handle menu = 0;  // from LoadMenuA
};

struct ToolbarCreation {
    Handle parent = 0;
    uint32_t style = 0;
    uint32_t id = 0;
    int32_t bitmapCount = 0;
    Handle bitmap = 0;  // a 32-bit bitmap with the images side by side
    std::vector<TBBUTTON> buttons;
    int32_t buttonWidth = 0, buttonHeight = 0;
    int32_t bitmapWidth = 0, bitmapHeight = 0;
};

class WindowSystem {
public:
    virtual ~WindowSystem() = default;

    virtual Handle createWindow(const WindowCreation& creation) = 0;
    virtual bool showWindow(Handle window, int32_t showState) = 0;
    virtual bool updateWindow(Handle window) = 0;
    // Sends WM_DESTROY to the window's procedure and removes the window.
    virtual bool destroyWindow(Handle window) = 0;
    // To a top-level window: its procedure. To a control: the control's own handling.
    virtual LRESULT sendMessage(Handle window, uint32_t message, WPARAM wParam, LPARAM lParam) = 0;
    // What a window procedure passes on: closing destroys the window, the rest is ignored.
    virtual LRESULT defaultProcessing(Handle window, uint32_t message, WPARAM wParam, LPARAM lParam) = 0;

    virtual Handle createToolbar(const ToolbarCreation& creation) = 0;
    virtual Handle createStatusBar(Handle parent, uint32_t id, uint32_t style, const std::string& text) = 0;

    // WM_TIMER with wParam = id every period, to the window's procedure.
    virtual bool setTimer(Handle window, uintptr_t id, uint32_t milliseconds) = 0;
    virtual bool killTimer(Handle window, uintptr_t id) = 0;

    // The client area as a device context of the graphics stand-ins; (0, 0) is its top left.
    virtual Handle getDC(Handle window) = 0;
    virtual bool releaseDC(Handle window, Handle dc) = 0;

    virtual void postQuitMessage(int32_t exitCode) = 0;
    // Runs until the quit message and returns its exit code.
    virtual int32_t runMessageLoop() = 0;
};

// Installs a backend (not owned) and returns the one it replaces; null removes it.
WindowSystem* setWindowSystem(WindowSystem* backend);
WindowSystem* windowSystem();

// The stand-in of the get, translate and dispatch loop: runs until the quit message and returns
// its exit code (0 without a backend).
int32_t runMessageLoop();

}  // namespace qz

extern "C" {

// Returns a nonzero atom; classes are found again by name.
uint16_t RegisterClassA(const qz::WNDCLASSA* windowClass);
qz::Handle CreateWindowExA(uint32_t exStyle, const char* className, const char* title, uint32_t style, int32_t x,
    int32_t y, int32_t width, int32_t height, qz::Handle parent, qz::Handle menu, qz::Handle instance, void* parameter);
int32_t ShowWindow(qz::Handle window, int32_t showState);
int32_t UpdateWindow(qz::Handle window);
int32_t DestroyWindow(qz::Handle window);
qz::LRESULT DefWindowProcA(qz::Handle window, uint32_t message, qz::WPARAM wParam, qz::LPARAM lParam);
qz::LRESULT SendMessageA(qz::Handle window, uint32_t message, qz::WPARAM wParam, qz::LPARAM lParam);

void InitCommonControls();
// The images come from the bitmap handle in bitmapId when bitmapInstance is 0 (the only form
// supported here).
qz::Handle CreateToolbarEx(qz::Handle parent, uint32_t style, uint32_t id, int32_t bitmapCount,
    qz::Handle bitmapInstance, uintptr_t bitmapId, const qz::TBBUTTON* buttons, int32_t buttonCount,
    int32_t buttonWidth, int32_t buttonHeight, int32_t bitmapWidth, int32_t bitmapHeight, uint32_t structSize);
qz::Handle CreateStatusWindowA(int32_t style, const char* text, qz::Handle parent, uint32_t id);

// Returns the timer id, or 0 on failure. Timer procedures are not supported: messages only.
uintptr_t SetTimer(qz::Handle window, uintptr_t id, uint32_t milliseconds, void* timerProcedure);
int32_t KillTimer(qz::Handle window, uintptr_t id);

qz::Handle GetDC(qz::Handle window);
int32_t ReleaseDC(qz::Handle window, qz::Handle dc);

void PostQuitMessage(int32_t exitCode);

}  // extern "C"
