#include "editor/shell/logic/map_view_controller.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "editor/check/area_chains.h"
#include "editor/document/map_document.h"
#include "editor/shell/logic/command_guard.h"
#include "editor/shell/logic/zoom.h"
#include "platform/message_box.h"
#include "platform/numbers.h"

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
    ScrollRanges ranges {low(left, map_->magX), high(right, map_->magX, picture_.scaleWidth()), low(top, map_->magY),
                         high(bottom, map_->magY, picture_.scaleHeight())};
    // Wherever the view was taken (a pan, a zoom about the pointer) stays within reach.
    const int h = static_cast<int>(std::lround(port_.horizontalFraction() * kScrollSpan));
    const int v = static_cast<int>(std::lround(port_.verticalFraction() * kScrollSpan));
    ranges.hMin = std::min(ranges.hMin, h);
    ranges.hMax = std::max(ranges.hMax, h);
    ranges.vMin = std::min(ranges.vMin, v);
    ranges.vMax = std::max(ranges.vMax, v);
    return ranges;
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
    if (grid_.shown) port_.drawGridUnder(gridLines(*map_, grid_.spacing, picture_.scaleWidth(), picture_.scaleHeight()));
    toggleOutline();
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
    if (button == kMiddleButton) {
        panning_ = true;
        panX_ = x;
        panY_ = y;
        panOffsetX_ = map_->offsetX;
        panOffsetY_ = map_->offsetY;
        return;
    }
    if (map_->clickMode == kDrawTool && drawMouseDown(button, x, y)) return;
    if (button != kLeftButton) {
        if (grid_.snap) {
            // The press moves to the view position of the nearest grid point.
            x = map_->scaleDrawX(static_cast<float>(snapToGrid(qz::toLong((x - map_->offsetX) * map_->magX), grid_.spacing)));
            y = map_->scaleDrawY(static_cast<float>(snapToGrid(qz::toLong((y - map_->offsetY) * map_->magY), grid_.spacing)));
        }
        map_->clickInsert(picture_, x, y);
        // The cross lies over the grid: the picture is drawn again with the grid under it.
        if (grid_.shown)
            redraw();
        else
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
    if (!map_) return;
    showPointer(x, y);
    if (panning_) {
        if (button & kMiddleButton)
            place({map_->magX, panOffsetX_ + static_cast<int32_t>(std::lround(x - panX_)),
                   panOffsetY_ + static_cast<int32_t>(std::lround(y - panY_))});
        return;
    }
    drawMouseMove(x, y);
    if (drag_ == Drag::None || !(button & kLeftButton)) return;
    drawBand();
    if (drag_ == Drag::Scale) {
        fx_ = factor(x, dx0_, px_);
        fy_ = factor(y, dy0_, py_);
    } else {
        moveX_ = x - dx0_;
        moveY_ = y - dy0_;
        if (grid_.snap) {
            // The band shows where the snapped move puts the area.
            moveX_ = moveDeltaX() / map_->magX;
            moveY_ = moveDeltaY() / map_->magY;
        }
    }
    drawBand();
    port_.pictureChanged();
}

void MapViewController::mouseUp(int button, float, float)
{
    if (button == kMiddleButton) panning_ = false;
    if (!map_ || drag_ == Drag::None || button != kLeftButton) return;
    drawBand();
    Drag finished = drag_;
    drag_ = Drag::None;
    if (finished == Drag::Scale) {
        applyChange(document_, "Scale Area", [&] { map_->scaleArea(map_->selAreaNum, fx_, fy_); });
    } else {
        // The area goes as far as the mouse went: one pixel of the view is the magnification in
        // map units, so it lands where the rubber band was let go.
        float dx = moveDeltaX();
        float dy = moveDeltaY();
        applyChange(document_, "Move Area", [&] { map_->moveArea(map_->selAreaNum, dx, dy); });
    }
    redraw();
}

float MapViewController::moveDeltaX() const
{
    const float delta = moveX_ * map_->magX;
    if (!grid_.snap) return delta;
    const int32_t left = map_->areaRecord(map_->selAreaNum).areaBbLeft;
    return static_cast<float>(snapToGrid(qz::toLong(double(left) + delta), grid_.spacing) - left);
}

float MapViewController::moveDeltaY() const
{
    const float delta = moveY_ * map_->magY;
    if (!grid_.snap) return delta;
    const int32_t top = map_->areaRecord(map_->selAreaNum).areaBbTop;
    return static_cast<float>(snapToGrid(qz::toLong(double(top) + delta), grid_.spacing) - top);
}

void MapViewController::showPointer(float x, float y) const
{
    map_->shell().setStatusPanelText(2, "Cursor XY = (" + qz::decimal(qz::toLong((x - map_->offsetX) * map_->magX)) +
                                            "," + qz::decimal(qz::toLong((y - map_->offsetY) * map_->magY)) + ")");
}

void MapViewController::setGrid(const GridSettings& grid)
{
    grid_ = grid;
    redraw();
}

void MapViewController::place(const ViewPlacement& placement)
{
    if (!map_) return;
    map_->magX = placement.magnification;
    map_->magY = placement.magnification;
    ScrollRanges ranges = scrollRanges();
    const int h = -placement.offsetX, v = -placement.offsetY;
    ranges = {std::min(ranges.hMin, h), std::max(ranges.hMax, h), std::min(ranges.vMin, v), std::max(ranges.vMax, v)};
    port_.setScrollRanges(ranges);
    port_.setScrollPositions(h, v);
    redraw();
}

void MapViewController::wheel(int steps, float x, float y)
{
    if (!map_ || steps == 0) return;
    int16_t magnification = map_->magX;
    for (int i = 0; i < std::abs(steps); ++i) magnification = steps > 0 ? zoomedIn(magnification) : zoomedOut(magnification);
    const ViewPlacement now {map_->magX, map_->offsetX, map_->offsetY};
    WheelAnchor anchor {x, y, (x - map_->offsetX) * double(map_->magX), (y - map_->offsetY) * double(map_->magY), now};
    if (wheelAnchor_ && wheelAnchor_->x == x && wheelAnchor_->y == y && wheelAnchor_->view == now) anchor = *wheelAnchor_;
    place(zoomedAbout(anchor.mapX, anchor.mapY, magnification, x, y));
    anchor.view = {map_->magX, map_->offsetX, map_->offsetY};
    wheelAnchor_ = anchor;
}

void MapViewController::zoomToFit()
{
    if (!map_) return;
    if (std::optional<ViewPlacement> fitted = fittedView(*map_, picture_.scaleWidth(), picture_.scaleHeight()))
        place(*fitted);
}

void MapViewController::flashTick()
{
    flashOn_ = !flashOn_;
    if (toggleAreaFlash()) return;
    if (!map_ || map_->selWallNum == -1) {
        port_.setFlashTimerEnabled(false);
        flashOn_ = false;
        return;
    }
    map_->flashWall(picture_, map_->selWallNum);
    port_.pictureChanged();
}

bool MapViewController::toggleAreaFlash()
{
    if (!map_ || flashArea_ < 0 || flashArea_ >= map_->numAreas) return false;
    for (int32_t w : check::walkAreaChain(*map_, flashArea_).walls) map_->flashWall(picture_, w);
    port_.pictureChanged();
    return true;
}

void MapViewController::flashArea(int32_t area)
{
    deselectSideDef();
    flashArea_ = area;
    port_.setFlashTimerEnabled(true);
}

void MapViewController::deselectSideDef()
{
    const bool wasOn = flashOn_;
    flashOn_ = false;
    if (wasOn && toggleAreaFlash()) {
        flashArea_ = -1;
        return;
    }
    flashArea_ = -1;
    if (wasOn && map_ && map_->selWallNum >= 0) {
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
