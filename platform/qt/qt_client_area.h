#pragma once
#include <QColor>
#include <QImage>
#include <QWidget>
#include <functional>

#include "platform/window_messages.h"

namespace qz {

using WindowMessage = std::function<LRESULT(uint32_t message, WPARAM wParam, LPARAM lParam)>;

// The client area of a window: a 32-bit surface registered with the graphics stand-ins, which
// GetDC hands out, shown `scale` times as large. Sizes, keys and key releases become WM_SIZE,
// WM_KEYDOWN and WM_KEYUP; a held key repeats its WM_KEYDOWN (marked as a repeat) and goes up once.
class QtClientArea final : public QWidget {
public:
    QtClientArea(QWidget* parent, int scale, QColor background, WindowMessage send);
    ~QtClientArea() override;

    Handle dc() const { return dc_; }
    int scale() const { return scale_; }
    const QImage& surface() const { return surface_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    // Tab is a key of the window, not a move to the next control.
    bool focusNextPrevChild(bool next) override;

private:
    void keyMessage(QKeyEvent* event, uint32_t message);
    void resizeSurface(QSize size);

    int scale_;
    QColor background_;
    WindowMessage send_;
    QImage surface_;
    Handle dc_ = 0;
};

}  // namespace qz
