#pragma once
#include "tools/demo-world/indexed_image.h"

namespace qzdemo {

// Wall textures are 128 x 128 and repeat in both directions; the top row is the top of the wall.
inline constexpr int kWallSize = 128;

IndexedImage brickWall();
IndexedImage stoneWall();
IndexedImage woodWall();
IndexedImage metalWall();
IndexedImage panelWall();
IndexedImage grateWall();  // the only texture with holes (the skip index)
IndexedImage tilesWall();
IndexedImage mossWall();
IndexedImage marbleWall();
IndexedImage darkBrickWall();
IndexedImage waterfallWall();
IndexedImage runesWall();

inline constexpr int kGlowFrames = 3;

// Frame 0 .. 2 of a panel whose core glows dim, bright and half-bright, which the engine cycles.
IndexedImage glowPanelFrame(int frame);

}  // namespace qzdemo
