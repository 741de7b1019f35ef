#pragma once
#include <QWidget>
#include <functional>

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
    // Where a key pressed in the view sends the focus: the property grid's value box.
    std::function<void()> focusValueBoxHandler;

    // Lays the controls out for a view window of w x h twips.
    void applyLayout(int w, int h);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;

private:
    double horizontalFraction() const override;
    double verticalFraction() const override;
    void setScrollRanges(const ScrollRanges& ranges) override;
    void clearPicture() override;
    void pictureChanged() override;
    bool flashTimerEnabled() const override;
    void setFlashTimerEnabled(bool enabled) override;
    void focusValueBox() override;
    void relayout();

    PictureBox* picture_;
    QScrollBar* hScroll_;
    QScrollBar* vScroll_;
    QTimer* tmrFlash_;
    MapViewController controller_;
};

}  // namespace qzedit
