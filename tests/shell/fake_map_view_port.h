#pragma once
#include "editor/shell/logic/map_view_controller.h"

// The map view's window as the logic sees it, with scroll bars and a timer that are plain values.
struct FakeMapViewPort : qzedit::MapViewPort {
    double horizontalFraction() const override { return h; }
    double verticalFraction() const override { return v; }
    void setScrollRanges(const qzedit::ScrollRanges& r) override { ranges = r; }
    void clearPicture() override { ++clears; }
    void pictureChanged() override { ++repaints; }
    bool flashTimerEnabled() const override { return timer; }
    void setFlashTimerEnabled(bool enabled) override { timer = enabled; }
    void focusValueBox() override { ++focusRequests; }

    double h = 0, v = 0;
    qzedit::ScrollRanges ranges {};
    bool timer = false;
    int clears = 0, repaints = 0, focusRequests = 0;
};
