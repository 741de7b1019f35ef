#include "tests/support/texture_lumps.h"

#include "tests/support/wad_builder.h"

namespace importtest {

std::vector<uint8_t> paletteLump(const std::function<std::array<uint8_t, 3>(int)>& colour)
{
    std::vector<uint8_t> out;
    for (int i = 0; i < 256; ++i)
        for (uint8_t c : colour(i)) out.push_back(c);
    return out;
}

std::vector<uint8_t> patchNamesLump(const std::vector<std::string>& names)
{
    std::vector<uint8_t> out;
    putI32(out, static_cast<int32_t>(names.size()));
    for (const std::string& name : names) putName(out, name);
    return out;
}

std::vector<uint8_t> textureLump(const std::vector<TestTexture>& textures)
{
    std::vector<uint8_t> out;
    putI32(out, static_cast<int32_t>(textures.size()));
    std::vector<uint8_t> bodies;
    const auto headBytes = static_cast<int32_t>(4 + 4 * textures.size());
    for (const TestTexture& t : textures) {
        putI32(out, headBytes + static_cast<int32_t>(bodies.size()));
        putName(bodies, t.name);
        putI32(bodies, 0);
        putI16(bodies, t.width);
        putI16(bodies, t.height);
        putI32(bodies, 0);
        putI16(bodies, static_cast<int32_t>(t.patches.size()));
        for (const TestPlacement& p : t.patches)
            for (int32_t v : {int32_t {p.originX}, int32_t {p.originY}, int32_t {p.patch}, 1, 0}) putI16(bodies, v);
    }
    out.insert(out.end(), bodies.begin(), bodies.end());
    return out;
}

std::vector<uint8_t> patchLump(int width, int height, const std::function<int(int, int)>& texel)
{
    std::vector<uint8_t> head;
    putI16(head, width);
    putI16(head, height);
    putI16(head, 0);
    putI16(head, 0);
    std::vector<uint8_t> columns;
    const auto firstColumn = static_cast<int32_t>(8 + 4 * width);
    for (int x = 0; x < width; ++x) {
        putI32(head, firstColumn + static_cast<int32_t>(columns.size()));
        for (int y = 0; y < height;) {
            if (texel(x, y) < 0) {
                ++y;
                continue;
            }
            int length = 0;
            while (y + length < height && texel(x, y + length) >= 0) ++length;
            columns.push_back(static_cast<uint8_t>(y));
            columns.push_back(static_cast<uint8_t>(length));
            columns.push_back(0);
            for (int k = 0; k < length; ++k) columns.push_back(static_cast<uint8_t>(texel(x, y + k)));
            columns.push_back(0);
            y += length;
        }
        columns.push_back(0xFF);
    }
    head.insert(head.end(), columns.begin(), columns.end());
    return head;
}

}  // namespace importtest
