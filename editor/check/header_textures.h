#pragma once
#include <cstdint>
#include <optional>
#include <string>

namespace qzedit::check {

// How many wall textures and flats a header lists: texture numbers 1 .. walls and flat numbers
// 1 .. floors are the ones the engine has.
struct HeaderTextures {
    int32_t walls = 0;
    int32_t floors = 0;
};

// The counts as the engine reads them from the header's [Quarzite3D] section (numWalls,
// numFloors); a missing or empty key counts 0.
HeaderTextures headerTexturesOf(const std::string& headerText);

// The header file's counts, or nothing when it cannot be read.
std::optional<HeaderTextures> readHeaderTextures(const std::string& path);

}  // namespace qzedit::check
