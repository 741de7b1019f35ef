#pragma once
#include <cstdint>
#include <vector>

namespace engine::render {

// Entry `number` (1-based) of a texture list; numbers outside the list, and entries that hold no
// block, draw the fallback (the checkerboard).
inline const uint8_t* textureByNumber(const std::vector<const uint8_t*>& list, int32_t number, const uint8_t* fallback)
{
    if (number < 1 || static_cast<size_t>(number) > list.size()) return fallback;
    const uint8_t* texture = list[static_cast<size_t>(number) - 1];
    return texture ? texture : fallback;
}

}  // namespace engine::render
