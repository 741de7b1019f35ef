#pragma once
#include <cmath>
#include <cstdint>

// Conversions of projected values to integers. A world may hold coordinates of ±32767 and heights
// of ±2^31 and the viewer may stand anywhere, so a projected value can be far outside any integer
// type, infinite or NaN; converting such a value directly is undefined behaviour. These helpers
// give the exact result wherever it is defined and a harmless one elsewhere.
namespace engine::render {

// The low 32 bits of round(value) (halves to even), which is exactly what 32-bit wrap-around
// arithmetic on the rounded value would keep; 0 for an infinite or NaN value.
inline uint32_t roundWrapped(double value)
{
    constexpr double kLongRange = 9.2e18;  // safely inside int64_t
    if (value > -kLongRange && value < kLongRange) return static_cast<uint32_t>(std::llrint(value));
    if (!std::isfinite(value)) return 0;
    // Doubles this large are integers; fmod is exact and keeps the residue modulo 2^32.
    return static_cast<uint32_t>(static_cast<int64_t>(std::fmod(value, 4294967296.0)));
}

// round(value) limited to low .. high; NaN gives low. The same as rounding first and clamping
// after, because low and high are integers.
inline int32_t roundClamped(double value, int32_t low, int32_t high)
{
    if (!(value > low)) return low;
    if (!(value < high)) return high;
    return static_cast<int32_t>(std::lrint(value));
}

}  // namespace engine::render
