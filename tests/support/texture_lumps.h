#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// The picture lumps of WADs the tests build: palette, patch names, texture definitions, patches.
namespace importtest {

// PLAYPAL with one palette: colour(i) is (red, green, blue) of index i.
std::vector<uint8_t> paletteLump(const std::function<std::array<uint8_t, 3>(int)>& colour);

std::vector<uint8_t> patchNamesLump(const std::vector<std::string>& names);

struct TestPlacement {
    int16_t originX = 0, originY = 0;
    uint16_t patch = 0;
};

struct TestTexture {
    std::string name;
    int16_t width = 64, height = 64;
    std::vector<TestPlacement> patches;
};

std::vector<uint8_t> textureLump(const std::vector<TestTexture>& textures);

// A patch of width x height in the picture format; texel(x, y) below 0 leaves a hole. Each run of
// texels without a hole becomes one post.
std::vector<uint8_t> patchLump(int width, int height, const std::function<int(int, int)>& texel);

}  // namespace importtest
