#pragma once
#include <string>
#include <vector>

namespace headerfile {

// What the engine's header (.hdr) names: the map, palette and sky files, the animation settings and
// the six lists of bitmap files (entry k of a list is texture number k).
struct HeaderContents {
    std::string map;
    std::string palette;
    std::string sky;
    std::string animInc;  // as text, so the file says exactly what was meant
    int transparentIndex = 0;
    std::vector<std::string> overlays, objects, walls, anim, floors, ceilings;
};

// The header as settings text: [Quarzite3D] with every key, then the list sections with keys 1 .. N.
std::string headerText(const HeaderContents& contents);

}  // namespace headerfile
