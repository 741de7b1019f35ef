#pragma once
#include <type_traits>

#include "editor/model/records.h"

namespace qzedit {

namespace bsp {

// The line of a splitter record through its whole-wall end points, and how other wall lines meet
// it. Coordinates are whole numbers, so every difference here is exact in a double and equals the
// difference formed in 32-bit integers; products, sums and the quotient keep the builder's order of
// operations, on which its choices depend to the last bit.
struct SplitterLine {
    double x1;
    double y1;
    double dx;  // x2 - x1
    double dy;  // y1 - y2: the reversed order puts positive side values behind the line

    SplitterLine(double lineX1, double lineY1, double lineDx, double lineDy)
        : x1(lineX1), y1(lineY1), dx(lineDx), dy(lineDy)
    {
    }
    explicit SplitterLine(const Wall& r)
        : SplitterLine(r.x1, r.y1, static_cast<double>(r.x2) - r.x1, static_cast<double>(r.y1) - r.y2)
    {
    }

    // Side value of a point: below zero in front of the line, zero or above behind it. Works on
    // single values and, lane by lane with the same rounding, on vectors of them.
    template <typename Value>
        requires(!std::is_integral_v<Value>)
    Value side(Value px, Value py) const
    {
        return (px - x1) * dy + (py - y1) * dx;
    }

    // Denominator of the crossing with a wall line whose differences are (x2 - x1, y2 - y1);
    // zero when the lines are parallel. The crossing lies at t = side(first point) / den.
    template <typename Value>
        requires(!std::is_integral_v<Value>)
    Value crossingDen(Value wallDx, Value wallDy) const
    {
        return -dx * wallDy - dy * wallDx;
    }
};

}  // namespace bsp

}  // namespace qzedit
