#include "editor/shell/picture_box.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <cmath>

#include "editor/shell/logic/command_guard.h"
#include "editor/shell/logic/map_view_controller.h"

namespace qzedit {

namespace {

// The middle button pans the view; every other button but the left sets the insertion point.
int buttonOf(Qt::MouseButton button)
{
    if (button == Qt::LeftButton) return MapViewController::kLeftButton;
    return button == Qt::MiddleButton ? MapViewController::kMiddleButton : MapViewController::kRightButton;
}

int buttonsHeld(Qt::MouseButtons buttons)
{
    int held = 0;
    if (buttons & Qt::LeftButton) held |= MapViewController::kLeftButton;
    if (buttons & Qt::MiddleButton) held |= MapViewController::kMiddleButton;
    if (buttons & ~(Qt::LeftButton | Qt::MiddleButton)) held |= MapViewController::kRightButton;
    return held;
}

// One step of a mouse wheel is 120 eighths of a degree.
constexpr int kWheelStep = 120;

const QRgb kGridColor = qRgb(230, 230, 230);
const QRgb kBackground = qRgb(255, 255, 255);

}  // namespace

PictureBox::PictureBox(QWidget* parent) : QWidget(parent), surface_(QSize(1, 1))
{
    setObjectName("Picture1");
    setAcceptDrops(true);
    setFocusPolicy(Qt::ClickFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::CrossCursor);
    // The map coordinates under the pointer follow it without a button held.
    setMouseTracking(true);
}

void PictureBox::drawGridUnder(const GridLines& lines)
{
    QImage& image = surface_.imageForChange();
    const int width = image.width(), height = image.height();
    auto paint = [&](int x, int y) {
        QRgb* pixel = reinterpret_cast<QRgb*>(image.scanLine(y)) + x;
        if ((*pixel | 0xff000000u) == kBackground) *pixel = kGridColor;
    };
    for (double column : lines.columns) {
        const int x = static_cast<int>(std::lround(column));
        if (x < 0 || x >= width) continue;
        for (int y = 0; y < height; ++y) paint(x, y);
    }
    for (double row : lines.rows) {
        const int y = static_cast<int>(std::lround(row));
        if (y < 0 || y >= height) continue;
        for (int x = 0; x < width; ++x) paint(x, y);
    }
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

// A double-click ends the Draw tool's line; for every other tool its second click is a press.
void PictureBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (!controller_) return;
    QPointF at = event->position();
    bool used = false;
    runGuarded([&] {
        used = controller_->mouseDoubleClick(buttonOf(event->button()), static_cast<float>(at.x()),
                                             static_cast<float>(at.y()));
    });
    if (!used) QWidget::mouseDoubleClickEvent(event);
}

// Return, Escape and Backspace work on the Draw tool's outline; other keys go on to the menus.
void PictureBox::keyPressEvent(QKeyEvent* event)
{
    int key = 0;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: key = MapViewController::kKeyReturn; break;
    case Qt::Key_Escape: key = MapViewController::kKeyEscape; break;
    case Qt::Key_Backspace: key = MapViewController::kKeyBackspace; break;
    default: break;
    }
    bool used = false;
    if (controller_ && key != 0) runGuarded([&] { used = controller_->keyPress(key); });
    if (!used) QWidget::keyPressEvent(event);
}

void PictureBox::wheelEvent(QWheelEvent* event)
{
    if (!controller_) return;
    const int steps = event->angleDelta().y() / kWheelStep;
    if (steps == 0) return;
    QPointF at = event->position();
    runGuarded([&] { controller_->wheel(steps, static_cast<float>(at.x()), static_cast<float>(at.y())); });
    event->accept();
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
