#pragma once
#include "tools/demo-world/indexed_image.h"

namespace qzdemo {

// The sky panorama: 1280 x 200, one full turn from left to right, wrapping without a seam. The
// top row is the top of the frame; the horizon lies near row 100, the frame centre of a 200-row view.
inline constexpr int kSkyWidth = 1280;
inline constexpr int kSkyHeight = 200;

IndexedImage skyPanorama();

}  // namespace qzdemo
