#include "platform/qt/qt_client_area.h"

#include <QKeyEvent>
#include <QPainter>
#include <algorithm>

#include "platform/gdi.h"
#include "platform/qt/qt_virtual_keys.h"

namespace qz {

namespace {

// WM_KEYUP's lParam: repeat count 1, the key was down and is being released.
constexpr LPARAM kKeyUpFlags = (LPARAM(1) << 30) | (LPARAM(1) << 31) | 1;
constexpr LPARAM kKeyDownFlags = 1;
// A held key's repeated WM_KEYDOWN: repeat count 1, the key was already down.
constexpr LPARAM kKeyRepeatFlags = (LPARAM(1) << 30) | 1;

}  // namespace

QtClientArea::QtClientArea(QWidget* parent, int scale, QColor background, WindowMessage send)
    : QWidget(parent)
    , scale_(std::max(scale, 1))
    , background_(background)
    , send_(std::move(send))
{
    setObjectName("clientArea");
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QtClientArea::~QtClientArea()
{
    if (dc_ != 0) UnregisterWindowSurface(dc_);
}

void QtClientArea::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect shown(0, 0, surface_.width() * scale_, surface_.height() * scale_);
    painter.drawImage(shown, surface_);
    const QRegion uncovered = QRegion(rect()).subtracted(shown);
    for (const QRect& part : uncovered) painter.fillRect(part, background_);
}

void QtClientArea::resizeEvent(QResizeEvent*)
{
    const QSize logical(std::max(width() / scale_, 1), std::max(height() / scale_, 1));
    if (logical != surface_.size()) resizeSurface(logical);
    send_(WM_SIZE, SIZE_RESTORED,
        MAKELPARAM(static_cast<uint32_t>(logical.width()), static_cast<uint32_t>(logical.height())));
}

// A new surface keeps what the old one showed; the engine fetches the context again for every
// tick, so the new handle reaches it with the next frame.
void QtClientArea::resizeSurface(QSize size)
{
    QImage resized(size, QImage::Format_RGB32);
    resized.fill(background_);
    if (!surface_.isNull()) {
        QPainter painter(&resized);
        painter.drawImage(0, 0, surface_);
    }
    if (dc_ != 0) UnregisterWindowSurface(dc_);
    surface_ = std::move(resized);
    dc_ = RegisterWindowSurface(reinterpret_cast<uint32_t*>(surface_.bits()), surface_.width(), surface_.height(),
        static_cast<int32_t>(surface_.bytesPerLine()));
}

void QtClientArea::keyPressEvent(QKeyEvent* event) { keyMessage(event, WM_KEYDOWN); }

void QtClientArea::keyReleaseEvent(QKeyEvent* event) { keyMessage(event, WM_KEYUP); }

// A held key repeats as the desktop the procedures were written for repeats it: more WM_KEYDOWNs
// marked as repeats, and one WM_KEYUP when it is let go. Qt's auto-repeat release comes between
// the repeats and is left out, so a key polled as held stays held.
void QtClientArea::keyMessage(QKeyEvent* event, uint32_t message)
{
    event->accept();
    if (event->isAutoRepeat() && message == WM_KEYUP) return;
    std::optional<uint32_t> key = virtualKeyOf(event->key());
    if (!key) return;
    if (message == WM_KEYUP)
        send_(message, *key, kKeyUpFlags);
    else
        send_(message, *key, event->isAutoRepeat() ? kKeyRepeatFlags : kKeyDownFlags);
}

bool QtClientArea::focusNextPrevChild(bool) { return false; }

}  // namespace qz
