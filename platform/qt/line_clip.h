#pragma once

namespace qz {

struct ClipLine {
    double x1, y1, x2, y2;
};

// Cuts the segment to the rectangle (Liang-Barsky); false when nothing of it lies inside. Keeps
// far-away end points (a wall at the edge of the map at magnification 1) from reaching the painter.
bool clipLine(ClipLine& line, double left, double top, double right, double bottom);

}  // namespace qz
