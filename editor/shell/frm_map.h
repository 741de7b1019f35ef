#pragma once
#include <QWidget>

#include "editor/shell/logic/map_view_controller.h"

class QScrollBar;
class QTimer;

namespace qzedit {

class PictureBox;

// The map view (caption "Map"): the picture, two scroll bars over 2000 pixels of view each way (more
// where the map reaches further, negative coordinates included), and the flash timer.
class frmMap : public QWidget, private MapViewPort {
    Q_OBJECT
public:
    explicit frmMap(QWidget* parent = nullptr);

    MapViewController& controller() { return controller_; }
    PictureBox& picture() { return *picture_; }
    QTimer& flashTimer() { return *tmrFlash_; }
    void setMap(clsMap* map) { controller_.setMap(map); }

    // Lays the controls out for a view window of w x h twips.
    void applyLayout(int w, int h);

protected:
    bool event(QEvent* event) override;

private:
    double horizontalFraction() const override;
    double verticalFraction() const override;
    void setScrollRanges(const ScrollRanges& ranges) override;
    void setScrollPositions(int horizontal, int vertical) override;
    void clearPicture() override;
    void drawGridUnder(const GridLines& lines) override;
    void pictureChanged() override;
    bool flashTimerEnabled() const override;
    void setFlashTimerEnabled(bool enabled) override;
    void relayout();

    PictureBox* picture_;
    QScrollBar* hScroll_;
    QScrollBar* vScroll_;
    QTimer* tmrFlash_;
    MapViewController controller_;
};

}  // namespace qzedit
