#pragma once
#include "format/bitmap_file.h"

namespace qzedit {

// Doom pictures in the layouts the engine draws from.
namespace wad {

// A 128 x 128 wall texture: the texture repeated from its top-left corner, as Doom repeats it
// along a wall and up it, and cut at 128 when it is wider or taller. Doom draws a wall texel
// per map unit, as the engine does, so the scale stays.
bitmapfile::IndexedImage engineWallTexture(const bitmapfile::IndexedImage& texture);

// A 64 x 64 flat: Doom takes a flat's rows towards smaller y, the engine towards greater y.
bitmapfile::IndexedImage engineFlat(const bitmapfile::IndexedImage& flat);

// The 1280 x 200 sky panorama: one turn of the engine's sky shows the Doom sky four times over,
// as Doom repeats it around a turn, and its rows are stretched to the panorama's height.
bitmapfile::IndexedImage engineSky(const bitmapfile::IndexedImage& sky);

}  // namespace wad

}  // namespace qzedit
