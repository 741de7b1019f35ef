#pragma once
#include <cstdint>

namespace qz {

// A picture box as the map drawing uses it: draw mode, draw width and fore colour as state,
// lines, filled boxes and points in surface units (pixels of the map view).
class PictureSurface {
public:
    static constexpr int kCopyPen = 13;
    static constexpr int kXorPen = 7;

    virtual ~PictureSurface() = default;

    virtual void setDrawMode(int mode) = 0;
    virtual void setDrawWidth(int width) = 0;
    virtual void setForeColor(int32_t rgb) = 0;
    virtual int drawMode() const = 0;
    virtual int drawWidth() const = 0;
    virtual int32_t foreColor() const = 0;

    // Line (x1, y1)-(x2, y2) in the given colour (the fore colour when color < 0); filledBox draws
    // the filled rectangle with those corners instead.
    virtual void line(double x1, double y1, double x2, double y2, int32_t color = -1, bool filledBox = false) = 0;
    virtual void pset(double x, double y, int32_t color = -1) = 0;

    virtual double scaleWidth() const = 0;
    virtual double scaleHeight() const = 0;
};

// RGB packed as red + 256 * green + 65536 * blue.
constexpr int32_t rgb(int red, int green, int blue) { return red + 256 * green + 65536 * blue; }

}  // namespace qz
