#pragma once
#include <QMainWindow>

#include "platform/window_services.h"

namespace qz {

class QtClientArea;

// A top-level window of a registered class: title, icon, the menu bar of its menu resource and a
// client area. Every message goes to the class's window procedure; the client area is painted
// again afterwards. Closing the window asks the procedure with WM_CLOSE, whose default processing
// destroys it.
class QtHostWindow final : public QMainWindow {
public:
    QtHostWindow(Handle handle, const WindowCreation& creation, int scale);

    LRESULT send(uint32_t message, WPARAM wParam, LPARAM lParam);
    Handle handle() const { return handle_; }
    QtClientArea* client() const { return client_; }

    // The width and height the window was created with, as Windows counts them (menu bar and
    // client area) at scale 1.
    void resizeForCreation(int32_t width, int32_t height);
    // After WM_DESTROY: closing no longer asks the procedure.
    void markDestroyed() { destroyed_ = true; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    Handle handle_;
    WindowProcedure procedure_;
    QtClientArea* client_;
    bool destroyed_ = false;
};

}  // namespace qz
