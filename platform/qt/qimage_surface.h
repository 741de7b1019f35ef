#pragma once
#include <QImage>
#include <QSize>
#include <memory>

#include "platform/picture_surface.h"

class QPainter;

namespace qz {

// A picture box's drawing on a QImage: copy pen (13) and exclusive-or pen (7) with draw widths.
// Exclusive-or works on the RGB values, so drawing the same thing twice restores every pixel.
// Painting is batched: image() finishes the pending drawing before the picture is shown.
class QImageSurface : public PictureSurface {
public:
    explicit QImageSurface(QSize size = QSize(1, 1));
    ~QImageSurface() override;
    QImageSurface(const QImageSurface&) = delete;
    QImageSurface& operator=(const QImageSurface&) = delete;

    // A new white picture of that size (the old drawing is dropped).
    void resize(QSize size);
    // Fills the picture with its white background.
    void clear();
    const QImage& image();
    // The picture to change pixel by pixel, the pending drawing finished first.
    QImage& imageForChange();

    void setDrawMode(int mode) override { mode_ = mode; }
    void setDrawWidth(int width) override { width_ = width; }
    void setForeColor(int32_t color) override { fore_ = color; }
    int drawMode() const override { return mode_; }
    int drawWidth() const override { return width_; }
    int32_t foreColor() const override { return fore_; }

    void line(double x1, double y1, double x2, double y2, int32_t color = -1, bool filledBox = false) override;
    void pset(double x, double y, int32_t color = -1) override;
    double scaleWidth() const override { return image_.width(); }
    double scaleHeight() const override { return image_.height(); }

private:
    // The painter's pen: colour and width, width 0 meaning a filled shape without an outline.
    struct PenKey {
        int32_t color = -1;
        int width = -1;
        bool operator==(const PenKey&) const = default;
    };

    QPainter& painter();
    void usePen(const PenKey& pen);
    void finish();

    QImage image_;
    std::unique_ptr<QPainter> painter_;
    int painterMode_ = -1;
    PenKey painterPen_;
    int mode_ = kCopyPen;
    int width_ = 1;
    int32_t fore_ = 0;
};

}  // namespace qz
