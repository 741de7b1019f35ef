#pragma once
#include <cstdint>

namespace qzedit {

// Magnification in map units per pixel. It stays within 1 .. 16384: halving 1 would give 0,
// which the view transform divides by, and doubling 16384 leaves the 16-bit range.
inline constexpr int16_t kMinMagnification = 1;
inline constexpr int16_t kMaxMagnification = 16384;

// Half, rounded with halves to even (5 gives 2), never below 1.
int16_t zoomedIn(int16_t magnification);
// Double, never above 16384.
int16_t zoomedOut(int16_t magnification);

}  // namespace qzedit
