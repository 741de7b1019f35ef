#pragma once
#include <string>

namespace qzedit {
class clsMap;
}

namespace qztest {

// A map with one case of every finding of the map checker, built with the map object:
//  walls 0-4   area 0 "Room": a square 0..400 with a zero-length wall 4 in its chain; wall 0 has
//              wall texture 5 and front floor flat 3, wall 1 its front floor above its front
//              ceiling, wall 2 transparent with the same floor on both sides but not the ceiling
//  walls 5-7   area 1 "Open": an outline open at (600, 0) and (610, 0); its floor above its ceiling
//  wall 8      area 2 "Link": its chain goes on to wall 3000
//  walls 9-10  area 3 "Loop": a chain that comes back to wall 9
//              area 4 "Empty": no walls
//  wall 11     no area
//  walls 12-15 area 5 "Cross": a bow tie whose walls 12 and 14 cross at (1050, 50)
//  wall 16     no area, the same as wall 11
//  wall 17     no area, reaching x 32800
//  walls 18-21 area 6 "Huge": 10000 x 4000, too large for the engine's area lookup
// The viewer starts at (-500, -500), outside every area.
void buildEveryFindingMap(qzedit::clsMap& map);

// A header whose lists hold 3 wall textures and 2 flats.
std::string headerWithThreeWallsAndTwoFlats();

}  // namespace qztest
