#include "engine/header_file.h"

#include <vector>

#include "engine/engine_state.h"
#include "engine/saturating.h"
#include "engine/texture_loaders.h"
#include "platform/numbers.h"
#include "platform/profile.h"

namespace engine {

namespace {

constexpr size_t kValueBuffer = 1275;
constexpr const char* kMainSection = "Quarzite3D";

// Sets target from the key unless the key is absent or empty.
template <typename Convert>
void readKey(std::string_view text, std::string_view key, Convert convert)
{
    std::string value = readProfileValue(text, kMainSection, key);
    if (!value.empty()) convert(value);
}

void readList(std::string_view text, std::string_view section, int16_t count, std::vector<std::string>& names)
{
    if (count <= 0) return;
    names.assign(static_cast<size_t>(count), std::string());
    // An int32_t counter: an Integer one would wrap after 32767, the largest count.
    for (int32_t k = 1; k <= count; ++k)
        names[static_cast<size_t>(k - 1)] = readProfileValue(text, section, " " + qz::decimal(k));
}

}  // namespace

std::string readProfileValue(std::string_view text, std::string_view section, std::string_view key)
{
    std::string value = qz::profileLookup(text, section, key).value_or(" ");
    if (value.size() > kValueBuffer - 1) value.resize(kValueBuffer - 1);
    if (size_t zero = value.find('\0'); zero != std::string::npos) value.resize(zero);
    size_t first = value.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return value.substr(first, value.find_last_not_of(' ') - first + 1);
}

void readHeader(std::string_view text)
{
    EngineState& s = state();
    auto asText = [](std::string& target) { return [&target](const std::string& v) { target = v; }; };
    auto asSingle = [](float& target) { return [&target](const std::string& v) { target = saturatingSingle(qz::val(v)); }; };
    auto asInteger = [](int16_t& target) {
        return [&target](const std::string& v) { target = saturatingInteger(qz::val(v)); };
    };
    readKey(text, "map", asText(s.mapName));
    readKey(text, "pal", asText(s.paletteName));
    readKey(text, "skyName", asText(s.skyName));
    readKey(text, "animInc", asSingle(s.animInc));
    readKey(text, "animObjectInc", asSingle(s.animObjectInc));
    readKey(text, "animWallNum", asInteger(s.animWallNum));
    readKey(text, "transparentIndex", [&s](const std::string& v) { s.transparentIndex = saturatingByte(qz::val(v)); });
    readKey(text, "numOverlays", asInteger(s.numOverlays));
    readKey(text, "numWalls", asInteger(s.numWalls));
    readKey(text, "numAnim", asInteger(s.numAnim));
    readKey(text, "numCeilings", asInteger(s.numCeilings));
    readKey(text, "numFloors", asInteger(s.numFloors));
    readKey(text, "numObjects", asInteger(s.numObjects));
    readKey(text, "numCreatures", [&s](const std::string& v) { s.numCreatures = saturatingLong(qz::val(v)); });

    readList(text, "Overlays", s.numOverlays, s.overlayNames);
    readList(text, "Objects", s.numObjects, s.objectNames);
    readList(text, "Walls", s.numWalls, s.wallNames);
    readList(text, "Anim", s.numAnim, s.animNames);
    readList(text, "Floors", s.numFloors, s.floorNames);
    readList(text, "Ceilings", s.numCeilings, s.ceilingNames);
}

void readHeaderFile(const std::string& headerPath) { readHeader(readNamedText(headerPath)); }

std::string readNamedText(const std::string& name)
{
    auto bytes = readNamedFile(name);
    return bytes ? std::string(bytes->begin(), bytes->end()) : std::string();
}

}  // namespace engine
