#pragma once
#include <QObject>
#include <QPointer>
#include <chrono>
#include <functional>
#include <map>
#include <vector>

#include "platform/window_services.h"

class QTimer;

namespace qz {

class QtControl;
class QtHostWindow;

// The window services on Qt Widgets. Windows and controls get handles of their own kind; timers
// are precise Qt timers whose ticks are dispatched and painted at once; the message loop is the
// application's event loop, which only the quit message ends.
class QtWindowSystem final : public WindowSystem {
public:
    using Clock = std::chrono::steady_clock;
    // Told after every tick of every timer, with the moment it arrived.
    using TickObserver = std::function<void(Handle window, Clock::time_point arrival)>;

    explicit QtWindowSystem(int scale);
    ~QtWindowSystem() override;
    QtWindowSystem(const QtWindowSystem&) = delete;
    QtWindowSystem& operator=(const QtWindowSystem&) = delete;

    Handle createWindow(const WindowCreation& creation) override;
    bool showWindow(Handle window, int32_t showState) override;
    bool updateWindow(Handle window) override;
    bool destroyWindow(Handle window) override;
    LRESULT sendMessage(Handle window, uint32_t message, WPARAM wParam, LPARAM lParam) override;
    LRESULT defaultProcessing(Handle window, uint32_t message, WPARAM wParam, LPARAM lParam) override;
    Handle createToolbar(const ToolbarCreation& creation) override;
    Handle createStatusBar(Handle parent, uint32_t id, uint32_t style, const std::string& text) override;
    bool setTimer(Handle window, uintptr_t id, uint32_t milliseconds) override;
    bool killTimer(Handle window, uintptr_t id) override;
    Handle getDC(Handle window) override;
    bool releaseDC(Handle window, Handle dc) override;
    void postQuitMessage(int32_t exitCode) override;
    int32_t runMessageLoop() override;

    void setTickObserver(TickObserver observer) { tickObserver_ = std::move(observer); }
    QtHostWindow* window(Handle handle) const;
    // The first window still open, for hosts that drive a program's only window.
    QtHostWindow* mainWindow() const;

private:
    struct Control {
        Handle parent;
        QtControl* control;
    };

    Handle nextHandle();
    void tick(Handle window, uintptr_t id);
    // Stops a timer; it is deleted once the event loop is back, as it may be the one ticking.
    void retire(QTimer* timer);
    void keepUntilDeleted(QObject* object);

    int scale_;
    uint32_t lastHandle_ = 0;
    std::map<Handle, QPointer<QtHostWindow>> windows_;
    std::map<Handle, Control> controls_;
    std::map<std::pair<Handle, uintptr_t>, QTimer*> timers_;
    // Destroyed windows and stopped timers waiting for the event loop to delete them; whatever it
    // has not deleted when the system ends is deleted then.
    std::vector<QPointer<QObject>> retired_;
    TickObserver tickObserver_;
    bool quitPosted_ = false;
    int32_t quitCode_ = 0;
};

}  // namespace qz
