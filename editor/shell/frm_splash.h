#pragma once
#include <QWidget>

class QTimer;

namespace qzedit {

// The splash window: topmost, closed by its 3000 ms timer, a click or a key. The About command
// shows it with the timer off.
class frmSplash : public QWidget {
    Q_OBJECT
public:
    explicit frmSplash(bool closeByTimer, QWidget* parent = nullptr);

    // "Version 1.50.45", from the program's version numbers.
    static QString versionText();
    QTimer& timer() { return *timer_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTimer* timer_;
};

}  // namespace qzedit
