#pragma once
#include <QObject>
#include <QStatusBar>
#include <QToolBar>
#include <functional>

#include "platform/window_services.h"

class QLabel;
class QToolButton;

namespace qz {

// What a control sends to the window it belongs to (WM_COMMAND, WM_NOTIFY).
using ParentMessage = std::function<LRESULT(uint32_t message, WPARAM wParam, LPARAM lParam)>;

// A child control of a window's client area, answering the messages sent to its handle.
class QtControl {
public:
    virtual ~QtControl() = default;
    virtual LRESULT message(uint32_t message, WPARAM wParam, LPARAM lParam) = 0;
    virtual QWidget* widget() = 0;
};

// The toolbar: one button per TBBUTTON (objectName "button_" + the command in hex) with its image
// from the bitmap, across the top of the client area. A click sends WM_COMMAND; a tooltip asks the
// window for its text with WM_NOTIFY.
class QtToolbarControl final : public QToolBar, public QtControl {
public:
    QtToolbarControl(QWidget* clientArea, Handle handle, const ToolbarCreation& creation, ParentMessage toParent);
    LRESULT message(uint32_t message, WPARAM wParam, LPARAM lParam) override;
    QWidget* widget() override { return this; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void layOut();

    Handle handle_;
    bool tooltips_;
    ParentMessage toParent_;
};

// The status bar along the bottom of the client area; SB_SETTEXTA sets its text.
class QtStatusBarControl final : public QStatusBar, public QtControl {
public:
    QtStatusBarControl(QWidget* clientArea, const std::string& text);
    LRESULT message(uint32_t message, WPARAM wParam, LPARAM lParam) override;
    QWidget* widget() override { return this; }

private:
    void layOut();

    QLabel* text_;
};

}  // namespace qz
