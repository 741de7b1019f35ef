#include "platform/qt/qimage_surface.h"

#include <QColor>
#include <QPainter>
#include <QPen>
#include <QPoint>
#include <QRect>
#include <algorithm>
#include <cmath>

#include "platform/qt/line_clip.h"

namespace qz {

namespace {

// How far past the picture a line may reach before it is cut: wider than any pen.
constexpr double kClipMargin = 64.0;

QColor toQColor(int32_t packed)
{
    return QColor(packed & 0xFF, (packed >> 8) & 0xFF, (packed >> 16) & 0xFF);
}

// Nearest pixel, halves to even; the clip has already brought the value into a small range.
int pixel(double v) { return static_cast<int>(std::nearbyint(std::clamp(v, -1.0e6, 1.0e6))); }

}  // namespace

QImageSurface::QImageSurface(QSize size) { resize(size); }

QImageSurface::~QImageSurface() { finish(); }

void QImageSurface::resize(QSize size)
{
    finish();
    image_ = QImage(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    image_.fill(Qt::white);
}

void QImageSurface::clear()
{
    finish();
    image_.fill(Qt::white);
}

const QImage& QImageSurface::image()
{
    finish();
    return image_;
}

QPainter& QImageSurface::painter()
{
    if (!painter_) {
        painter_ = std::make_unique<QPainter>(&image_);
        painter_->setRenderHint(QPainter::Antialiasing, false);
    }
    painter_->setCompositionMode(mode_ == kXorPen ? QPainter::RasterOp_SourceXorDestination
                                                  : QPainter::CompositionMode_SourceOver);
    return *painter_;
}

void QImageSurface::finish() { painter_.reset(); }

void QImageSurface::line(double x1, double y1, double x2, double y2, int32_t color, bool filledBox)
{
    QColor c = toQColor(color < 0 ? fore_ : color);
    QPainter& p = painter();
    if (filledBox) {
        QRect box(QPoint(pixel(std::min(x1, x2)), pixel(std::min(y1, y2))),
                  QPoint(pixel(std::max(x1, x2)), pixel(std::max(y1, y2))));
        p.fillRect(box.intersected(image_.rect()), c);
        return;
    }
    ClipLine segment {x1, y1, x2, y2};
    double left = -kClipMargin;
    double top = -kClipMargin;
    double right = image_.width() + kClipMargin;
    double bottom = image_.height() + kClipMargin;
    auto inside = [&](double x, double y) { return x >= left && x <= right && y >= top && y <= bottom; };
    if (!(inside(x1, y1) && inside(x2, y2)) && !clipLine(segment, left, top, right, bottom)) return;
    QPen pen(c, std::max(width_, 1), Qt::SolidLine, width_ > 1 ? Qt::RoundCap : Qt::SquareCap, Qt::RoundJoin);
    p.setPen(pen);
    p.drawLine(QPoint(pixel(segment.x1), pixel(segment.y1)), QPoint(pixel(segment.x2), pixel(segment.y2)));
}

void QImageSurface::pset(double x, double y, int32_t color)
{
    QColor c = toQColor(color < 0 ? fore_ : color);
    QPainter& p = painter();
    QPoint centre(pixel(x), pixel(y));
    if (width_ <= 1) {
        p.setPen(QPen(c, 1));
        p.drawPoint(centre);
        return;
    }
    // A wide point is a round dot as wide as the pen.
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    double radius = width_ / 2.0;
    p.drawEllipse(QPointF(centre) + QPointF(0.5, 0.5), radius, radius);
    p.setBrush(Qt::NoBrush);
}

}  // namespace qz
