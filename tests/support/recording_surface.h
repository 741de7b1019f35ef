#pragma once
#include <cstdint>
#include <vector>

#include "platform/picture_surface.h"

namespace qztest {

// A picture surface that keeps every drawing call with the pen state it was made in.
class RecordingSurface : public qz::PictureSurface {
public:
    enum class Kind { Line, Box, Point };
    struct Op {
        Kind kind;
        double x1, y1, x2, y2;
        int32_t color;  // the colour actually used: the argument, or the fore colour
        int mode;
        int width;
    };

    RecordingSurface(double width = 800, double height = 600) : width_(width), height_(height) {}

    void setDrawMode(int mode) override { mode_ = mode; }
    void setDrawWidth(int width) override { width_px_ = width; }
    void setForeColor(int32_t color) override { fore_ = color; }
    int drawMode() const override { return mode_; }
    int drawWidth() const override { return width_px_; }
    int32_t foreColor() const override { return fore_; }

    void line(double x1, double y1, double x2, double y2, int32_t color = -1, bool filledBox = false) override
    {
        ops.push_back({filledBox ? Kind::Box : Kind::Line, x1, y1, x2, y2, color < 0 ? fore_ : color, mode_, width_px_});
    }
    void pset(double x, double y, int32_t color = -1) override
    {
        ops.push_back({Kind::Point, x, y, x, y, color < 0 ? fore_ : color, mode_, width_px_});
    }
    double scaleWidth() const override { return width_; }
    double scaleHeight() const override { return height_; }

    std::vector<Op> ops;

private:
    double width_;
    double height_;
    int mode_ = kCopyPen;
    int width_px_ = 1;
    int32_t fore_ = 0;
};

}  // namespace qztest
