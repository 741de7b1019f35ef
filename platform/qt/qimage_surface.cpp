#include "platform/qt/qimage_surface.h"

#include <QColor>
#include <QPainter>
#include <QPen>
#include <QPoint>
#include <QRect>
#include <algorithm>
#include <cmath>

#include "platform/qt/line_clip.h"
#include "platform/qt/pixel_plot.h"

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

QImage& QImageSurface::imageForChange()
{
    finish();
    return image_;
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
        painterMode_ = -1;
        painterPen_ = {};
    }
    // Changing the painter's state costs more than a short line, so only real changes are made.
    if (painterMode_ != mode_) {
        painterMode_ = mode_;
        painter_->setCompositionMode(mode_ == kXorPen ? QPainter::RasterOp_SourceXorDestination
                                                      : QPainter::CompositionMode_SourceOver);
    }
    return *painter_;
}

void QImageSurface::usePen(const PenKey& pen)
{
    if (painterPen_ == pen) return;
    painterPen_ = pen;
    QColor color = toQColor(pen.color);
    if (pen.width == 0) {
        painter_->setPen(Qt::NoPen);
        painter_->setBrush(color);
    } else {
        painter_->setPen(QPen(color, pen.width, Qt::SolidLine, pen.width > 1 ? Qt::RoundCap : Qt::SquareCap,
                              Qt::RoundJoin));
        painter_->setBrush(Qt::NoBrush);
    }
}

void QImageSurface::finish() { painter_.reset(); }

void QImageSurface::line(double x1, double y1, double x2, double y2, int32_t color, bool filledBox)
{
    int32_t packed = color < 0 ? fore_ : color;
    if (filledBox) {
        finish();
        fillBox(image_, QRect(QPoint(pixel(x1), pixel(y1)), QPoint(pixel(x2), pixel(y2))), toQColor(packed).rgb(),
                mode_ == kXorPen);
        return;
    }
    ClipLine segment {x1, y1, x2, y2};
    double left = -kClipMargin;
    double top = -kClipMargin;
    double right = image_.width() + kClipMargin;
    double bottom = image_.height() + kClipMargin;
    auto inside = [&](double x, double y) { return x >= left && x <= right && y >= top && y <= bottom; };
    if (!(inside(x1, y1) && inside(x2, y2)) && !clipLine(segment, left, top, right, bottom)) return;
    QPoint from(pixel(segment.x1), pixel(segment.y1));
    QPoint to(pixel(segment.x2), pixel(segment.y2));
    if (width_ <= 1) {
        finish();
        plotLine(image_, from, to, toQColor(packed).rgb(), mode_ == kXorPen);
        return;
    }
    QPainter& p = painter();
    usePen({packed, width_});
    p.drawLine(from, to);
}

void QImageSurface::pset(double x, double y, int32_t color)
{
    int32_t packed = color < 0 ? fore_ : color;
    QPoint centre(pixel(x), pixel(y));
    if (width_ <= 1) {
        finish();
        fillBox(image_, QRect(centre, centre), toQColor(packed).rgb(), mode_ == kXorPen);
        return;
    }
    QPainter& p = painter();
    // A wide point is a round dot as wide as the pen: a brush without an outline.
    usePen({packed, 0});
    double radius = width_ / 2.0;
    p.drawEllipse(QPointF(centre) + QPointF(0.5, 0.5), radius, radius);
}

}  // namespace qz
