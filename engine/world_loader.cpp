#include "engine/world_loader.h"

#include <algorithm>

#include "engine/engine_state.h"
#include "engine/saturating.h"
#include "engine/texture_loaders.h"
#include "platform/message_box.h"

namespace engine {

namespace {

constexpr double kMapIdentifier = 12000;
constexpr double kMaxStepHeight = 12004;
constexpr double kGravity = 12005;

template <typename T>
int32_t replaceRecords(std::vector<T>& table, const std::vector<T>& records)
{
    std::copy(records.begin(), records.end(), table.begin());
    return static_cast<int32_t>(records.size());
}

void deriveFromGlobals(EngineState& s)
{
    for (int32_t k = 0; k < s.globalCount; ++k) {
        const MapGlobals& g = s.globals[static_cast<size_t>(k)];
        if (g.globalID == kMapIdentifier) s.mapIdentifier = g.globalValue;
        if (g.globalID == kMaxStepHeight) s.maxStepHeight = saturatingLong(g.globalValue);
        if (g.globalID == kGravity) s.gravity = saturatingInteger(g.globalValue);
    }
}

}  // namespace

bool LoadWorld(const std::string& mapName)
{
    auto bytes = readNamedFile(mapName);
    if (!bytes) {
        qz::messageBox("No map", "", qz::kMsgOkOnly);
        return false;
    }
    MapReadResult read = readMapContents(*bytes);
    if (!read.fault.empty()) {
        qz::messageBox("The map " + mapName + " is damaged and was not loaded: " + read.fault + ".", "Load Error",
                       qz::kMsgCritical);
        return false;
    }
    applyMapContents(read);
    return true;
}

void applyMapContents(const MapReadResult& read)
{
    EngineState& s = state();
    const mapfile::MapFileContents& contents = read.contents;
    if (const auto& walls = contents.wallBlock) {
        s.nodeCount = replaceRecords(s.nodes, walls->walls);
        s.highestWallTexture = read.highestTexture;
        s.viewX = walls->viewer.vx;
        s.viewY = walls->viewer.vy;
        s.eyeZ = walls->viewer.vz;
        // Angles index the 129-entry tables: a start direction outside 0..127 is taken modulo 128.
        s.viewAngle = static_cast<int16_t>(walls->viewer.vd & 127);
        s.lookOffset = 0;
    }
    if (contents.viewpoints) s.viewpointCount = replaceRecords(s.viewpoints, *contents.viewpoints);
    if (contents.areas) s.areaCount = replaceRecords(s.areas, *contents.areas);
    if (contents.globals) s.globalCount = replaceRecords(s.globals, *contents.globals);
    deriveFromGlobals(s);
}

}  // namespace engine
