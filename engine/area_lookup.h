#pragma once
#include <cstdint>
#include <string>

namespace engine {

// The smallest area whose boundary contains the viewer's position, or -1.
int32_t findArea();
int32_t findAreaAt(double x, double y);

// The 16 bytes of the area's name, padding included; "" for an index outside the loaded areas.
std::string findAreaName(int32_t index);

}  // namespace engine
