#pragma once
#include <algorithm>

#include "editor/shell/logic/map_view_controller.h"

// The map view's window as the logic sees it, with scroll bars and a timer that are plain values.
struct FakeMapViewPort : qzedit::MapViewPort {
    double horizontalFraction() const override { return h; }
    double verticalFraction() const override { return v; }
    void setScrollRanges(const qzedit::ScrollRanges& r) override { ranges = r; }
    // As a scroll bar does: the position stays within the range.
    void setScrollPositions(int horizontal, int vertical) override
    {
        h = std::clamp(horizontal, ranges.hMin, ranges.hMax) / double(qzedit::MapViewController::kScrollSpan);
        v = std::clamp(vertical, ranges.vMin, ranges.vMax) / double(qzedit::MapViewController::kScrollSpan);
    }
    void clearPicture() override { ++clears; }
    void drawGridUnder(const qzedit::GridLines& lines) override { grid = lines; }
    void pictureChanged() override { ++repaints; }
    bool flashTimerEnabled() const override { return timer; }
    void setFlashTimerEnabled(bool enabled) override { timer = enabled; }

    double h = 0, v = 0;
    qzedit::ScrollRanges ranges {};
    qzedit::GridLines grid;
    bool timer = false;
    int clears = 0, repaints = 0;
};
