#include "editor/shell/picture_box.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>

#include "editor/shell/logic/command_guard.h"
#include "editor/shell/logic/map_view_controller.h"

namespace qzedit {

namespace {

int buttonOf(Qt::MouseButton button)
{
    return button == Qt::LeftButton ? MapViewController::kLeftButton : MapViewController::kRightButton;
}

int buttonsHeld(Qt::MouseButtons buttons)
{
    int held = 0;
    if (buttons & Qt::LeftButton) held |= MapViewController::kLeftButton;
    if (buttons & (Qt::RightButton | Qt::MiddleButton)) held |= MapViewController::kRightButton;
    return held;
}

}  // namespace

PictureBox::PictureBox(QWidget* parent) : QWidget(parent), surface_(QSize(1, 1))
{
    setObjectName("Picture1");
    setAcceptDrops(true);
    setFocusPolicy(Qt::ClickFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::CrossCursor);
}

void PictureBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, surface_.image());
}

void PictureBox::resizeEvent(QResizeEvent*)
{
    surface_.resize(size());
    emit resized();
}

void PictureBox::mousePressEvent(QMouseEvent* event)
{
    if (!controller_) return;
    QPointF at = event->position();
    bool shift = event->modifiers() & Qt::ShiftModifier;
    runGuarded([&] { controller_->mouseDown(buttonOf(event->button()), shift, static_cast<float>(at.x()), static_cast<float>(at.y())); });
}

void PictureBox::mouseMoveEvent(QMouseEvent* event)
{
    if (!controller_) return;
    QPointF at = event->position();
    runGuarded([&] { controller_->mouseMove(buttonsHeld(event->buttons()), static_cast<float>(at.x()), static_cast<float>(at.y())); });
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event)
{
    if (!controller_) return;
    QPointF at = event->position();
    runGuarded([&] { controller_->mouseUp(buttonOf(event->button()), static_cast<float>(at.x()), static_cast<float>(at.y())); });
}

void PictureBox::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasFormat(kPaletteMimeType)) event->acceptProposedAction();
}

void PictureBox::dragMoveEvent(QDragMoveEvent* event)
{
    if (event->mimeData()->hasFormat(kPaletteMimeType)) event->acceptProposedAction();
}

void PictureBox::dropEvent(QDropEvent* event)
{
    if (!controller_ || !event->mimeData()->hasFormat(kPaletteMimeType)) return;
    QPointF at = event->position();
    runGuarded([&] { controller_->drop(static_cast<float>(at.x()), static_cast<float>(at.y())); });
    event->acceptProposedAction();
}

}  // namespace qzedit
