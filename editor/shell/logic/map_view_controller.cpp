#include "editor/shell/logic/map_view_controller.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "editor/document/map_document.h"
#include "editor/shell/logic/command_guard.h"
#include "platform/message_box.h"

namespace qzedit {

namespace {

enum ClickMode { kSelect = 0, kScale = 1, kMove = 2, kRotate = 3, kShear = 4 };

// Room left round a widened map, in pixels; the view's offsets are 16-bit.
constexpr int kScrollMargin = 16;
constexpr int kOffsetLimit = 32767;

// A press on the pivot's own column or row would divide by zero; the distance counts as 1.
float factor(float now, float pressed, float pivot)
{
    float divisor = pressed - pivot;
    if (divisor == 0) divisor = 1;
    return (now - pivot) / divisor;
}

}  // namespace

MapViewController::MapViewController(PictureSurface& picture, MapViewPort& port) : picture_(picture), port_(port) {}

void MapViewController::setMap(clsMap* map)
{
    map_ = map;
    // A new map object skips its first toggle of the insertion cross, as if the cross had never
    // been drawn. This view repaints the whole picture, cross included, on every redraw, so that
    // skip would leave the first repaint without a cross and make the first right-click draw a
    // second one. It is spent here, before anything is drawn, so every repaint shows exactly one.
    if (map_) map_->drawInsertion(picture_);
}

ScrollRanges MapViewController::scrollRanges() const
{
    if (!map_) return {0, kScrollSpan, 0, kScrollSpan};
    double left = map_->vx, right = map_->vx, top = map_->vy, bottom = map_->vy;
    auto take = [&](double x, double y) {
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
    };
    for (int32_t i = 0; i < map_->numWalls; ++i) {
        const Wall& w = map_->wallRecord(i);
        take(w.x1, w.y1);
        take(w.x2, w.y2);
    }
    // Position p puts view pixel p of the map at the picture's left (top) edge. A map within the
    // usual range keeps it; one reaching further gets a margin beyond its end.
    auto low = [](double mapLow, int mag) {
        double p = std::floor(mapLow / mag);
        return p < 0 ? static_cast<int>(std::max<double>(p - kScrollMargin, -kOffsetLimit)) : 0;
    };
    auto high = [](double mapHigh, int mag, double picture) {
        double p = std::ceil(mapHigh / mag - picture);
        return p > kScrollSpan ? static_cast<int>(std::min<double>(p + kScrollMargin, kOffsetLimit)) : kScrollSpan;
    };
    return {low(left, map_->magX), high(right, map_->magX, picture_.scaleWidth()), low(top, map_->magY),
            high(bottom, map_->magY, picture_.scaleHeight())};
}

void MapViewController::redraw()
{
    if (!map_) return;
    port_.setScrollRanges(scrollRanges());
    map_->calcOffset(port_.horizontalFraction(), port_.verticalFraction());
    port_.clearPicture();
    // A fresh picture carries no highlight, so the next flash step draws it again.
    flashOn_ = false;
    map_->drawMap(picture_);
    port_.pictureChanged();
}

void MapViewController::redrawSuspendingFlash()
{
    bool wasFlashing = port_.flashTimerEnabled();
    port_.setFlashTimerEnabled(false);
    flashOn_ = false;
    redraw();
    port_.setFlashTimerEnabled(wasFlashing);
}

void MapViewController::drawRect(float left, float top, float right, float bottom)
{
    picture_.line(left, top, right, top);
    picture_.line(right, top, right, bottom);
    picture_.line(right, bottom, left, bottom);
    picture_.line(left, bottom, left, top);
}

void MapViewController::drawBand()
{
    if (drag_ == Drag::Scale)
        drawRect(fx_ * left_, fy_ * top_, fx_ * right_, fy_ * bottom_);
    else
        drawRect(left_ + moveX_, top_ + moveY_, right_ + moveX_, bottom_ + moveY_);
}

void MapViewController::mouseDown(int button, bool shift, float x, float y)
{
    if (!map_) return;
    if (button != kLeftButton) {
        map_->clickInsert(picture_, x, y);
        port_.pictureChanged();
        return;
    }
    int mode = map_->clickMode;
    if (mode == kSelect) {
        map_->clickWall(picture_, x, y, shift);
        return;
    }
    if (map_->selAreaNum == -1) {
        qz::messageBox("No area is selected.", "No selected area", qz::kMsgCritical);
        return;
    }
    if (mode != kScale && mode != kMove) {
        nya();
        return;
    }
    const Area& area = map_->areaRecord(map_->selAreaNum);
    left_ = map_->scaleDrawX(static_cast<float>(area.areaBbLeft));
    right_ = map_->scaleDrawX(static_cast<float>(area.areaBbRight));
    top_ = map_->scaleDrawY(static_cast<float>(area.areaBbTop));
    bottom_ = map_->scaleDrawY(static_cast<float>(area.areaBbBottom));
    px_ = map_->scaleDrawX(static_cast<float>(map_->insertX));
    py_ = map_->scaleDrawY(static_cast<float>(map_->insertY));
    dx0_ = x;
    dy0_ = y;
    // Both drags start from the area as it is; a move click without motion moves nothing.
    fx_ = 1;
    fy_ = 1;
    moveX_ = 0;
    moveY_ = 0;
    drag_ = mode == kScale ? Drag::Scale : Drag::Move;
    drawBand();
    port_.pictureChanged();
}

void MapViewController::mouseMove(int button, float x, float y)
{
    if (!map_ || drag_ == Drag::None || !(button & kLeftButton)) return;
    drawBand();
    if (drag_ == Drag::Scale) {
        fx_ = factor(x, dx0_, px_);
        fy_ = factor(y, dy0_, py_);
    } else {
        moveX_ = x - dx0_;
        moveY_ = y - dy0_;
    }
    drawBand();
    port_.pictureChanged();
}

void MapViewController::mouseUp(int button, float, float)
{
    if (!map_ || drag_ == Drag::None || button != kLeftButton) return;
    drawBand();
    Drag finished = drag_;
    drag_ = Drag::None;
    if (finished == Drag::Scale) {
        applyChange(document_, "Scale Area", [&] { map_->scaleArea(map_->selAreaNum, fx_, fy_); });
    } else {
        // The area goes as far as the mouse went: one pixel of the view is the magnification in
        // map units, so it lands where the rubber band was let go.
        float dx = moveX_ * map_->magX;
        float dy = moveY_ * map_->magY;
        applyChange(document_, "Move Area", [&] { map_->moveArea(map_->selAreaNum, dx, dy); });
    }
    redraw();
}

void MapViewController::flashTick()
{
    flashOn_ = !flashOn_;
    if (!map_ || map_->selWallNum == -1) {
        port_.setFlashTimerEnabled(false);
        flashOn_ = false;
        return;
    }
    map_->flashWall(picture_, map_->selWallNum);
    port_.pictureChanged();
}

void MapViewController::deselectSideDef()
{
    if (!flashOn_) return;
    flashOn_ = false;
    if (map_ && map_->selWallNum >= 0) {
        map_->flashWall(picture_, map_->selWallNum);
        port_.pictureChanged();
    }
}

void MapViewController::drop(float x, float y)
{
    picture_.line(x, y, x + 10, y + 10);
    port_.pictureChanged();
}

}  // namespace qzedit
