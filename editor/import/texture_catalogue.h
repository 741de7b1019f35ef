#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace qzedit {

namespace wad {

// The texture numbers of an imported map: wall textures and flats are numbered from 1 in the order
// the map first uses them, which is the order of the header's [Walls] and [Floors] lists.
class TextureCatalogue {
public:
    // The number of the name, given on first use; 0 (drawn as the engine's fallback) for no texture.
    int32_t wall(const std::string& name);
    int32_t flat(const std::string& name);

    const std::vector<std::string>& walls() const { return walls_; }
    const std::vector<std::string>& flats() const { return flats_; }

private:
    std::vector<std::string> walls_;
    std::vector<std::string> flats_;
};

}  // namespace wad

}  // namespace qzedit
