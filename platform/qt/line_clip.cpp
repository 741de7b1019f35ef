#include "platform/qt/line_clip.h"

namespace qz {

bool clipLine(ClipLine& line, double left, double top, double right, double bottom)
{
    double dx = line.x2 - line.x1;
    double dy = line.y2 - line.y1;
    double t0 = 0.0;
    double t1 = 1.0;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {line.x1 - left, right - line.x1, line.y1 - top, bottom - line.y1};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0) return false;
            continue;
        }
        double t = q[i] / p[i];
        if (p[i] < 0.0) {
            if (t > t1) return false;
            if (t > t0) t0 = t;
        } else {
            if (t < t0) return false;
            if (t < t1) t1 = t;
        }
    }
    double x1 = line.x1;
    double y1 = line.y1;
    line = {x1 + t0 * dx, y1 + t0 * dy, x1 + t1 * dx, y1 + t1 * dy};
    return true;
}

}  // namespace qz
