#include "platform/qt/qt_window_system.h"

#include <QApplication>
#include <QTimer>

#include "platform/qt/qt_client_area.h"
#include "platform/qt/qt_host_window.h"
#include "platform/qt/qt_window_controls.h"

namespace qz {

namespace {

constexpr uint32_t kWindowKind = 0x30u << 24;
constexpr LRESULT kCreateFailed = -1;

}  // namespace

QtWindowSystem::QtWindowSystem(int scale) : scale_(scale) { QApplication::setQuitOnLastWindowClosed(false); }

QtWindowSystem::~QtWindowSystem()
{
    for (auto& [key, timer] : timers_) delete timer;
    for (auto& [handle, window] : windows_) delete window.data();
    for (QPointer<QObject>& object : retired_) delete object.data();
}

Handle QtWindowSystem::nextHandle() { return kWindowKind | ++lastHandle_; }

QtHostWindow* QtWindowSystem::window(Handle handle) const
{
    auto found = windows_.find(handle);
    return found == windows_.end() ? nullptr : found->second.data();
}

QtHostWindow* QtWindowSystem::mainWindow() const
{
    for (const auto& [handle, window] : windows_)
        if (window) return window.data();
    return nullptr;
}

Handle QtWindowSystem::createWindow(const WindowCreation& creation)
{
    const Handle handle = nextHandle();
    auto* created = new QtHostWindow(handle, creation, scale_);
    windows_[handle] = created;
    if (created->send(WM_CREATE, 0, 0) == kCreateFailed) {
        windows_.erase(handle);
        delete created;
        return 0;
    }
    created->resizeForCreation(creation.width, creation.height);
    return handle;
}

bool QtWindowSystem::showWindow(Handle handle, int32_t)
{
    QtHostWindow* shown = window(handle);
    if (!shown) return false;
    shown->show();
    shown->client()->setFocus();
    return true;
}

bool QtWindowSystem::updateWindow(Handle handle)
{
    QtHostWindow* updated = window(handle);
    if (!updated) return false;
    if (updated->isVisible()) updated->client()->repaint();
    return true;
}

bool QtWindowSystem::destroyWindow(Handle handle)
{
    QtHostWindow* destroyed = window(handle);
    if (!destroyed) return false;
    destroyed->send(WM_DESTROY, 0, 0);
    destroyed->markDestroyed();
    for (auto timer = timers_.begin(); timer != timers_.end();) {
        if (timer->first.first != handle) {
            ++timer;
            continue;
        }
        retire(timer->second);
        timer = timers_.erase(timer);
    }
    for (auto control = controls_.begin(); control != controls_.end();)
        control = control->second.parent == handle ? controls_.erase(control) : std::next(control);
    windows_.erase(handle);
    destroyed->hide();
    keepUntilDeleted(destroyed);
    return true;
}

LRESULT QtWindowSystem::sendMessage(Handle handle, uint32_t message, WPARAM wParam, LPARAM lParam)
{
    if (QtHostWindow* target = window(handle)) return target->send(message, wParam, lParam);
    auto control = controls_.find(handle);
    return control == controls_.end() ? 0 : control->second.control->message(message, wParam, lParam);
}

LRESULT QtWindowSystem::defaultProcessing(Handle handle, uint32_t message, WPARAM, LPARAM)
{
    if (message == WM_CLOSE) destroyWindow(handle);
    return 0;
}

Handle QtWindowSystem::createToolbar(const ToolbarCreation& creation)
{
    QtHostWindow* parent = window(creation.parent);
    if (!parent) return 0;
    const Handle handle = nextHandle();
    auto toParent = [this, parentHandle = creation.parent](uint32_t message, WPARAM wParam, LPARAM lParam) {
        return sendMessage(parentHandle, message, wParam, lParam);
    };
    controls_[handle] = {creation.parent, new QtToolbarControl(parent->client(), handle, creation, toParent)};
    return handle;
}

Handle QtWindowSystem::createStatusBar(Handle parentHandle, uint32_t, uint32_t, const std::string& text)
{
    QtHostWindow* parent = window(parentHandle);
    if (!parent) return 0;
    const Handle handle = nextHandle();
    controls_[handle] = {parentHandle, new QtStatusBarControl(parent->client(), text)};
    return handle;
}

bool QtWindowSystem::setTimer(Handle handle, uintptr_t id, uint32_t milliseconds)
{
    if (!window(handle)) return false;
    QTimer*& timer = timers_[{handle, id}];
    if (!timer) {
        timer = new QTimer();
        timer->setTimerType(Qt::PreciseTimer);
        QObject::connect(timer, &QTimer::timeout, timer, [this, handle, id] { tick(handle, id); });
    }
    timer->start(static_cast<int>(milliseconds));
    return true;
}

bool QtWindowSystem::killTimer(Handle handle, uintptr_t id)
{
    auto found = timers_.find({handle, id});
    if (found == timers_.end()) return false;
    retire(found->second);
    timers_.erase(found);
    return true;
}

void QtWindowSystem::retire(QTimer* timer)
{
    timer->stop();
    keepUntilDeleted(timer);
}

void QtWindowSystem::keepUntilDeleted(QObject* object)
{
    std::erase_if(retired_, [](const QPointer<QObject>& retired) { return retired.isNull(); });
    object->deleteLater();
    retired_.emplace_back(object);
}

// The frame a tick draws is on the screen before the next event is looked at.
void QtWindowSystem::tick(Handle handle, uintptr_t id)
{
    const Clock::time_point arrival = Clock::now();
    QtHostWindow* target = window(handle);
    if (!target) return;
    target->send(WM_TIMER, id, 0);
    if (QtHostWindow* stillOpen = window(handle)) stillOpen->client()->repaint();
    if (tickObserver_) tickObserver_(handle, arrival);
}

Handle QtWindowSystem::getDC(Handle handle)
{
    QtHostWindow* target = window(handle);
    return target ? target->client()->dc() : 0;
}

bool QtWindowSystem::releaseDC(Handle handle, Handle) { return window(handle) != nullptr; }

void QtWindowSystem::postQuitMessage(int32_t exitCode)
{
    quitPosted_ = true;
    quitCode_ = exitCode;
    QApplication::exit(exitCode);
}

int32_t QtWindowSystem::runMessageLoop()
{
    if (quitPosted_) return quitCode_;
    const int result = QApplication::exec();
    return quitPosted_ ? quitCode_ : result;
}

}  // namespace qz
