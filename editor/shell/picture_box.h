#pragma once
#include <QWidget>

#include "platform/qt/qimage_surface.h"

namespace qzedit {

class MapViewController;

// Picture1: shows the map view's picture and passes mouse, keys and drops to the view's logic.
// The picture keeps its drawing between repaints, so painting only shows it.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    void setController(MapViewController* controller) { controller_ = controller; }
    qz::QImageSurface& surface() { return surface_; }

    static constexpr const char* kPaletteMimeType = "application/x-quarzite3d-palette-item";

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

signals:
    void resized();

private:
    qz::QImageSurface surface_;
    MapViewController* controller_ = nullptr;
};

}  // namespace qzedit
