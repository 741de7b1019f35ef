#pragma once
#include "tools/demo-world/indexed_image.h"
#include "tools/demo-world/world.h"

namespace qzdemo {

// One picture of the whole world for looking at it: walls and flats repeated so that their seams
// show, the multi-texture stack of walls 1 to 4, the overlays as the screen shows them, the
// palette, the sky and the sky's wrap-around join.
IndexedImage contactSheet(const DemoWorld& world);

}  // namespace qzdemo
