#include "editor/preview/engine_picture.h"

#include <QKeyEvent>
#include <QPainter>

#include "platform/gdi.h"
#include "platform/qt/qt_virtual_keys.h"

namespace qzedit {

EnginePicture::EnginePicture(int width, int height, Fit fit, QWidget* parent) : QFrame(parent), fit_(fit)
{
    setObjectName("Picture1");
    setFocusPolicy(Qt::StrongFocus);
    setSurfaceSize(width, height);
}

EnginePicture::~EnginePicture()
{
    if (dc_ != 0) UnregisterWindowSurface(dc_);
}

void EnginePicture::setSurfaceSize(int width, int height)
{
    QImage resized(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32);
    resized.fill(Qt::black);
    if (!surface_.isNull()) QPainter(&resized).drawImage(0, 0, surface_);
    if (dc_ != 0) UnregisterWindowSurface(dc_);
    surface_ = std::move(resized);
    dc_ = RegisterWindowSurface(reinterpret_cast<uint32_t*>(surface_.bits()), surface_.width(), surface_.height(),
                                static_cast<int32_t>(surface_.bytesPerLine()));
    if (fit_ == Fit::Actual) setFixedSize(surface_.size() + QSize(2 * frameWidth(), 2 * frameWidth()));
    update();
}

void EnginePicture::setBorderStyle(int style)
{
    setFrameStyle(style == 1 ? (QFrame::Box | QFrame::Plain) : QFrame::NoFrame);
    if (fit_ == Fit::Actual) setFixedSize(surface_.size() + QSize(2 * frameWidth(), 2 * frameWidth()));
}

void EnginePicture::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect inside = contentsRect();
    painter.fillRect(inside, Qt::black);
    if (fit_ == Fit::Actual) {
        painter.drawImage(inside.topLeft(), surface_);
        return;
    }
    QSize shown = surface_.size().scaled(inside.size(), Qt::KeepAspectRatio);
    QRect target(QPoint(0, 0), shown);
    target.moveCenter(inside.center());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, surface_);
}

void EnginePicture::keyPressEvent(QKeyEvent* event) { key(event, true); }

void EnginePicture::keyReleaseEvent(QKeyEvent* event) { key(event, false); }

// Arrows and Tab belong to the picture, not to moving between controls.
bool EnginePicture::focusNextPrevChild(bool) { return false; }

void EnginePicture::key(QKeyEvent* event, bool down)
{
    std::optional<uint32_t> code = qz::virtualKeyOf(event->key());
    if (!code || !keyHandler) {
        event->ignore();
        return;
    }
    event->accept();
    keyHandler(static_cast<int>(*code), down, event->isAutoRepeat());
}

}  // namespace qzedit
