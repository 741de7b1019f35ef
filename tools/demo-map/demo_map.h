#pragma once
#include "editor/model/clsMap.h"

// The demo level: a hall with pillars and a raised dais, an outdoor courtyard under the sky with a
// waterfall, stairs up to a gallery and down to a crypt, a tall tower and a vault seen through a
// grate. Texture numbers follow the demo world's header: walls 1 brick, 2 stone, 3 wood planks,
// 4 metal, 5 panels, 6 grate, 7 tiles, 8 mossy stone, 9 marble, 10 dark brick, 11 waterfall,
// 12 carved runes; flats 1 flagstones, 2 wood floor, 3 ceiling tiles, 4 grass, 5 sand, 6 metal plate.
// The map must be freshly constructed; the viewer starts in the hall, area 0.
void buildDemoMap(qzedit::clsMap& map);
