#include "editor/wizards/generators/polygon_extent.h"

#include <algorithm>
#include <cmath>

namespace qzedit {

Extent polygonExtent(PolygonKind kind, int32_t numSides, int32_t ox, int32_t oy, int32_t sideLen)
{
    const float pi = static_cast<float>(4.0 * std::atan(1.0));
    const float step = 2.0f * pi / static_cast<float>(numSides);
    float angle = pi / 2.0f;
    double x = ox;
    double y = oy;
    Extent e {x, y, x, y};
    for (int32_t i = 0; i < numSides; ++i) {
        const double a = angle;
        x += std::cos(a) * sideLen;
        y += std::sin(a) * sideLen;
        if (kind == PolygonKind::Column) {
            x = std::nearbyint(x);
            y = std::nearbyint(y);
            angle = angle + step;
        } else {
            angle = angle - step;
        }
        e.minX = std::min(e.minX, std::nearbyint(x));
        e.minY = std::min(e.minY, std::nearbyint(y));
        e.maxX = std::max(e.maxX, std::nearbyint(x));
        e.maxY = std::max(e.maxY, std::nearbyint(y));
    }
    return e;
}

}  // namespace qzedit
