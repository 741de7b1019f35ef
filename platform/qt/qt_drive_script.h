#pragma once
#include <QObject>
#include <QString>
#include <QStringList>
#include <optional>

namespace qz {

class QtWindowSystem;

// Steps played into a program's main window, for tests and measurements that need the real
// window without a person at the keyboard. Steps, separated by spaces:
//   command:ID   choose the menu item ID (hex with 0x, or decimal)
//   click:ID     click the toolbar button of command ID
//   press:KEY    release:KEY   a key (Up, Down, Left, Right, Shift, Space, PageUp, PageDown, Tab,
//                Return or a letter) goes down or up, as the keyboard would send it
//   repeat:KEY   a held key's auto-repeat: a release and a press, both marked as repeats
//   ticks:N      wait for N timer ticks
//   grab:FILE    save a picture of the window
//   close        close the window
class QtDriveScript final : public QObject {
public:
    QtDriveScript(QtWindowSystem& system, QStringList steps);

    // Why the steps cannot be played, or nothing when they can.
    static std::optional<QString> fault(const QStringList& steps);

    // Plays the steps once the event loop runs.
    void start();
    void tickArrived();

private:
    void next();
    void play(const QString& step);

    QtWindowSystem& system_;
    QStringList steps_;
    qsizetype position_ = 0;
    int ticksToWait_ = 0;
};

}  // namespace qz
