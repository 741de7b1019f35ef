#include "editor/shell/logic/view_navigation.h"

#include <algorithm>
#include <cmath>

#include "editor/model/clsMap.h"
#include "editor/shell/logic/zoom.h"

namespace qzedit {

namespace {

constexpr double kFitMargin = 16;
// The view's offsets are 16-bit.
constexpr double kOffsetLimit = 32767;

int32_t offsetFor(double mapValue, double viewValue, int16_t magnification)
{
    return static_cast<int32_t>(std::clamp(std::nearbyint(viewValue - mapValue / magnification), -kOffsetLimit, kOffsetLimit));
}

}  // namespace

ViewPlacement zoomedAbout(double mapX, double mapY, int16_t magnification, double x, double y)
{
    return {magnification, offsetFor(mapX, x, magnification), offsetFor(mapY, y, magnification)};
}

std::optional<ViewPlacement> fittedView(const clsMap& map, double width, double height)
{
    const double usableWidth = width - 2 * kFitMargin, usableHeight = height - 2 * kFitMargin;
    if (usableWidth < 1 || usableHeight < 1) return std::nullopt;
    double left = map.vx, right = map.vx, top = map.vy, bottom = map.vy;
    for (int32_t i = 0; i < map.numWalls; ++i) {
        const Wall& w = map.wallRecord(i);
        left = std::min({left, double(w.x1), double(w.x2)});
        right = std::max({right, double(w.x1), double(w.x2)});
        top = std::min({top, double(w.y1), double(w.y2)});
        bottom = std::max({bottom, double(w.y1), double(w.y2)});
    }
    const double needed = std::max((right - left) / usableWidth, (bottom - top) / usableHeight);
    const auto magnification =
        static_cast<int16_t>(std::clamp(std::ceil(needed), double(kMinMagnification), double(kMaxMagnification)));
    return ViewPlacement {magnification, offsetFor((left + right) / 2, width / 2, magnification),
                          offsetFor((top + bottom) / 2, height / 2, magnification)};
}

}  // namespace qzedit
