#include "platform/qt/qt_drive_script.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QPixmap>
#include <QTimer>
#include <QToolButton>

#include "platform/qt/qt_client_area.h"
#include "platform/qt/qt_host_window.h"
#include "platform/qt/qt_window_system.h"

namespace qz {

namespace {

std::optional<int> keyNamed(const QString& name)
{
    static const QHash<QString, int> keys = {
        {"Up", Qt::Key_Up},
        {"Down", Qt::Key_Down},
        {"Left", Qt::Key_Left},
        {"Right", Qt::Key_Right},
        {"Shift", Qt::Key_Shift},
        {"Space", Qt::Key_Space},
        {"PageUp", Qt::Key_PageUp},
        {"PageDown", Qt::Key_PageDown},
        {"Tab", Qt::Key_Tab},
        {"Return", Qt::Key_Return},
    };
    if (name.size() == 1 && name[0] >= 'A' && name[0] <= 'Z') return Qt::Key_A + (name[0].unicode() - 'A');
    auto found = keys.find(name);
    return found == keys.end() ? std::nullopt : std::optional<int>(*found);
}

std::optional<uint32_t> commandNamed(const QString& text)
{
    bool ok = false;
    const uint32_t id = text.startsWith("0x", Qt::CaseInsensitive) ? text.mid(2).toUInt(&ok, 16) : text.toUInt(&ok);
    return ok ? std::optional<uint32_t>(id) : std::nullopt;
}

QString verbOf(const QString& step) { return step.section(':', 0, 0); }
QString argumentOf(const QString& step) { return step.section(':', 1); }

}  // namespace

QtDriveScript::QtDriveScript(QtWindowSystem& system, QStringList steps) : system_(system), steps_(std::move(steps)) { }

std::optional<QString> QtDriveScript::fault(const QStringList& steps)
{
    for (const QString& step : steps) {
        const QString verb = verbOf(step), argument = argumentOf(step);
        bool ok = true;
        if (verb == "command" || verb == "click")
            ok = commandNamed(argument).has_value();
        else if (verb == "press" || verb == "release" || verb == "repeat")
            ok = keyNamed(argument).has_value();
        else if (verb == "ticks")
            argument.toInt(&ok);
        else if (verb == "grab")
            ok = !argument.isEmpty();
        else
            ok = step == "close";
        if (!ok) return "cannot play the step \"" + step + "\"";
    }
    return std::nullopt;
}

void QtDriveScript::start()
{
    QTimer::singleShot(0, this, [this] { next(); });
}

void QtDriveScript::tickArrived()
{
    if (ticksToWait_ == 0) return;
    if (--ticksToWait_ == 0) QTimer::singleShot(0, this, [this] { next(); });
}

void QtDriveScript::next()
{
    while (position_ < steps_.size() && ticksToWait_ == 0) play(steps_[position_++]);
}

void QtDriveScript::play(const QString& step)
{
    QtHostWindow* window = system_.mainWindow();
    if (!window) return;
    const QString verb = verbOf(step), argument = argumentOf(step);
    if (verb == "ticks") {
        ticksToWait_ = std::max(argument.toInt(), 0);
    } else if (verb == "command") {
        const uint32_t id = *commandNamed(argument);
        auto* action = window->findChild<QAction*>("0x" + QString::number(id, 16).toUpper());
        if (action && action->isEnabled())
            action->trigger();
        else
            window->send(WM_COMMAND, MAKEWPARAM(id, 0), 0);
    } else if (verb == "click") {
        const uint32_t id = *commandNamed(argument);
        if (auto* button = window->findChild<QToolButton*>("button_" + QString::number(id, 16).toUpper()))
            button->click();
    } else if (verb == "press" || verb == "release") {
        QKeyEvent key(verb == "press" ? QEvent::KeyPress : QEvent::KeyRelease, *keyNamed(argument), Qt::NoModifier);
        QApplication::sendEvent(window->client(), &key);
    } else if (verb == "repeat") {
        for (QEvent::Type type : {QEvent::KeyRelease, QEvent::KeyPress}) {
            QKeyEvent key(type, *keyNamed(argument), Qt::NoModifier, QString(), true);
            QApplication::sendEvent(window->client(), &key);
        }
    } else if (verb == "grab") {
        window->grab().save(argument);
    } else if (step == "close") {
        window->close();
    }
}

}  // namespace qz
