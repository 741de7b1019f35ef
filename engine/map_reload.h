#pragma once
#include <cstdint>
#include <string>

// What an editor needs beyond the host interface to follow a map as it is edited: load a new
// compiled map into the running engine without reading the header and textures again, and read
// where the viewer stands.
namespace engine {

// Loads mapName (the header's map when empty) into the world of an initialised engine. The
// textures, the frame bitmap and the viewer's position, eye height and direction stay as they
// are. 0 on success; -1 when the engine is not initialised or the map is missing or damaged (the
// engine then keeps the world it had).
int32_t reloadMap(const std::string& mapName);

struct ViewerPosition {
    int32_t x = 0, y = 0, z = 0, angle = 0;
    bool operator==(const ViewerPosition&) const = default;
};

// The viewer's position rounded to whole map units, its eye height and its direction (0..127).
ViewerPosition viewerPosition();

}  // namespace engine
