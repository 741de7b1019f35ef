#include "editor/check/header_textures.h"

#include <algorithm>
#include <vector>

#include "platform/files.h"
#include "platform/numbers.h"
#include "platform/profile.h"

namespace qzedit::check {

namespace {

// The engine keeps a count as an Integer and reads no list for a count below 1.
int32_t listCount(const std::string& text, const char* key)
{
    std::optional<std::string> value = qz::profileLookup(text, "Quarzite3D", key);
    if (!value) return 0;
    const double number = std::clamp(qz::val(*value), -32768.0, 32767.0);
    return std::max(0, static_cast<int32_t>(qz::toInteger(number)));
}

}  // namespace

HeaderTextures headerTexturesOf(const std::string& headerText)
{
    return {listCount(headerText, "numWalls"), listCount(headerText, "numFloors")};
}

std::optional<HeaderTextures> readHeaderTextures(const std::string& path)
{
    std::optional<std::vector<uint8_t>> bytes = qz::readFileBytes(path);
    if (!bytes) return std::nullopt;
    return headerTexturesOf(std::string(bytes->begin(), bytes->end()));
}

}  // namespace qzedit::check
