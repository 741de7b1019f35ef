#pragma once
#include <cstdint>
#include <optional>

namespace qzedit {

class clsMap;

// Where the view puts the map: map units per pixel and the pixel offset of the map's origin.
struct ViewPlacement {
    int16_t magnification;
    int32_t offsetX, offsetY;
    bool operator==(const ViewPlacement&) const = default;
};

// The view at a new magnification with the map point (mapX, mapY) at the view point (x, y), to
// within the rounding of the offsets to whole pixels.
ViewPlacement zoomedAbout(double mapX, double mapY, int16_t magnification, double x, double y);

// The smallest whole magnification at which every wall and the viewer start fit in a picture of
// width x height pixels, less a margin of 16 pixels on each side, with the map centred; nothing for
// a picture too small to hold anything.
std::optional<ViewPlacement> fittedView(const clsMap& map, double width, double height);

}  // namespace qzedit
