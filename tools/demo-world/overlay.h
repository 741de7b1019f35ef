#pragma once
#include "tools/demo-world/indexed_image.h"
#include "tools/demo-world/palette.h"

namespace qzdemo {

// The engine draws an overlay as 114 screen columns of 64 rows at the bottom centre of the frame,
// taking column k from bytes k * 64 .. k * 64 + 63 of the image and skipping the transparent index.
inline constexpr int kOverlayColumns = 114;
inline constexpr int kOverlayRows = 64;
inline constexpr uint8_t kOverlayTransparent = kSkipIndex;

// A hand holding a burning torch, as seen on screen (114 x 64); variant 0 or 1 differ in the flame.
IndexedImage torchPicture(int variant);


}  // namespace qzdemo
