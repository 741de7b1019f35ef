#pragma once
#include "tools/demo-world/indexed_image.h"

namespace qzdemo {

// Floor and ceiling textures: 64 x 64, repeating every 64 map units in both directions.
inline constexpr int kFlatSize = 64;

IndexedImage flagstoneFlat();
IndexedImage woodFloorFlat();
IndexedImage ceilingTileFlat();
IndexedImage grassFlat();
IndexedImage sandFlat();
IndexedImage metalPlateFlat();
IndexedImage beamCeiling();

}  // namespace qzdemo
