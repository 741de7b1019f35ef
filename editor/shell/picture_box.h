#pragma once
#include <QWidget>

#include "editor/shell/logic/map_grid.h"
#include "platform/qt/qimage_surface.h"

namespace qzedit {

class MapViewController;

// Picture1: shows the map view's picture and passes mouse, wheel and drops to the view's logic.
// The picture keeps its drawing between repaints, so painting only shows it.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    void setController(MapViewController* controller) { controller_ = controller; }
    qz::QImageSurface& surface() { return surface_; }
    // The grid's lines on the picture's white background only: the map's drawing stays on top.
    void drawGridUnder(const GridLines& lines);

    static constexpr const char* kPaletteMimeType = "application/x-quarzite3d-palette-item";

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
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
