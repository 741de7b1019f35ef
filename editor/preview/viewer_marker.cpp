#include "editor/preview/viewer_marker.h"

#include <QEvent>
#include <QPainter>
#include <cmath>
#include <numbers>

#include "editor/model/clsMap.h"

namespace qzedit {

namespace {

constexpr double kRadius = 6;
constexpr double kLineLength = 18;

}  // namespace

ViewerMarker::ViewerMarker(const clsMap& map, QWidget* picture) : QWidget(picture), map_(map)
{
    setObjectName("viewerMarker");
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(picture->rect());
    picture->installEventFilter(this);
    hide();
}

void ViewerMarker::setPlace(const std::optional<ViewerPlace>& place)
{
    place_ = place;
    setVisible(place.has_value());
    raise();
    update();
}

QPointF ViewerMarker::centre() const
{
    if (!place_) return {};
    return {map_.scaleDrawX(static_cast<float>(place_->x)), map_.scaleDrawY(static_cast<float>(place_->y))};
}

bool ViewerMarker::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parent() && event->type() == QEvent::Resize) setGeometry(parentWidget()->rect());
    return false;
}

// The engine looks along (sin, cos) of its angle, 128 units a turn; the view shows map y downwards.
void ViewerMarker::paintEvent(QPaintEvent*)
{
    if (!place_) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF at = centre();
    const double turn = place_->angle * 2.0 * std::numbers::pi / 128.0;
    const QPointF ahead = at + QPointF(std::sin(turn), std::cos(turn)) * kLineLength;
    painter.setPen(QPen(QColor(255, 96, 0), 2));
    painter.setBrush(QColor(255, 160, 0, 160));
    painter.drawEllipse(at, kRadius, kRadius);
    painter.drawLine(at, ahead);
}

}  // namespace qzedit
