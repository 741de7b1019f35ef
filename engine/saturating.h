#pragma once
#include <cmath>
#include <cstdint>
#include <limits>

// Numbers read from headers, settings and map files go into Longs, Integers, bytes and Singles.
// A value out of range is clamped instead of raising the overflow error: a damaged file must not
// stop the engine. Rounding is to nearest with halves to even; NaN gives 0.
namespace engine {

template <typename T>
T saturate(double value)
{
    if (std::isnan(value)) return 0;
    double rounded = std::nearbyint(value);
    if (rounded <= static_cast<double>(std::numeric_limits<T>::min())) return std::numeric_limits<T>::min();
    if (rounded >= static_cast<double>(std::numeric_limits<T>::max())) return std::numeric_limits<T>::max();
    return static_cast<T>(rounded);
}

inline int32_t saturatingLong(double value) { return saturate<int32_t>(value); }
inline int16_t saturatingInteger(double value) { return saturate<int16_t>(value); }
inline uint8_t saturatingByte(double value) { return saturate<uint8_t>(value); }

inline float saturatingSingle(double value)
{
    constexpr double kMax = std::numeric_limits<float>::max();
    if (std::isnan(value)) return 0.0f;
    return static_cast<float>(value < -kMax ? -kMax : value > kMax ? kMax : value);
}

// Long + Long clamped to the Long range (eye heights moved by host-given amounts).
inline int32_t saturatingSum(int64_t a, int64_t b)
{
    int64_t sum = a + b;
    if (sum < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
    if (sum > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(sum);
}

}  // namespace engine
