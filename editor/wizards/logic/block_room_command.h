#pragma once
#include <cstdint>

namespace qzedit {

class MapDocument;

// The Cave wizard and Switch Wizard commands: a block room at the insertion point with the area
// buffer's heights, texture 10, turned by a random whole-degree angle drawn from r, a uniform
// number in [0, 1). False when the insertion point or the heights do not fit (reported in a
// message; the map is unchanged).
bool runCaveWizard(MapDocument& document, float r);
bool runSwitchWizard(MapDocument& document, float r);

// The angle drawn from r: Int(r * 360) whole degrees.
int16_t randomAngle(float r);

}  // namespace qzedit
