#include <string>
#include <utility>
#include <vector>

#include "editor/model/records.h"
#include "tools/qzmap/commands.h"
#include "tools/qzmap/json_text.h"
#include "tools/qzmap/map_file_blocks.h"

using namespace qzedit;

namespace {

using Field = std::pair<const char*, std::string>;

std::string object(const std::vector<Field>& fields)
{
    std::string text = "{";
    for (size_t k = 0; k < fields.size(); ++k) {
        if (k > 0) text += ", ";
        text += jsonString(fields[k].first) + ": " + fields[k].second;
    }
    return text + "}";
}

std::string n(double v) { return jsonNumber(v); }
std::string n(int32_t v) { return jsonNumber(static_cast<int64_t>(v)); }

std::string wallObject(const Wall& w)
{
    return object({{"x1", n(w.x1)},
                   {"y1", n(w.y1)},
                   {"x2", n(w.x2)},
                   {"y2", n(w.y2)},
                   {"floorHtBegin", n(w.floorHtBegin)},
                   {"floorHtEnd", n(w.floorHtEnd)},
                   {"ceilHtBegin", n(w.ceilHtBegin)},
                   {"ceilHtEnd", n(w.ceilHtEnd)},
                   {"xo", n(w.xo)},
                   {"yo", n(w.yo)},
                   {"txrWall", n(w.txrWall)},
                   {"txrFFloor", n(w.txrFFloor)},
                   {"txrFCeil", n(w.txrFCeil)},
                   {"txrBFloor", n(w.txrBFloor)},
                   {"txrBCeil", n(w.txrBCeil)},
                   {"back", n(w.back)},
                   {"front", n(w.front)},
                   {"tStart", n(w.tStart)},
                   {"tEnd", n(w.tEnd)},
                   {"wallFlags", n(w.wallFlags)},
                   {"areaNum", n(w.areaNum)},
                   {"areaFirst", n(w.areaFirst)},
                   {"areaNext", n(w.areaNext)},
                   {"spareL1", n(w.spareL1)},
                   {"spareL2", n(w.spareL2)},
                   {"spareL3", n(w.spareL3)},
                   {"spareL4", n(w.spareL4)},
                   {"wallID", n(w.wallID)},
                   {"spareD1", n(w.spareD1)},
                   {"spareD2", n(w.spareD2)},
                   {"spareD3", n(w.spareD3)}});
}

std::string viewpointObject(const Viewpoint& v)
{
    return object({{"name", jsonFixedText(v.name.str())},
                   {"x", n(v.x)},
                   {"y", n(v.y)},
                   {"z", n(v.z)},
                   {"spareV1", n(v.spareV1)},
                   {"spareV2", n(v.spareV2)},
                   {"spareV3", n(v.spareV3)},
                   {"spareV4", n(v.spareV4)},
                   {"spareV5", n(v.spareV5)}});
}

std::string areaObject(const Area& a)
{
    return object({{"areaFirstWall", n(a.areaFirstWall)},
                   {"areaSqArea", n(a.areaSqArea)},
                   {"areaFLAGS", n(a.areaFLAGS)},
                   {"areaBbTop", n(a.areaBbTop)},
                   {"areaBbLeft", n(a.areaBbLeft)},
                   {"areaBbBottom", n(a.areaBbBottom)},
                   {"areaBbRight", n(a.areaBbRight)},
                   {"areaFloorHtBegin", n(a.areaFloorHtBegin)},
                   {"areaFloorHtEnd", n(a.areaFloorHtEnd)},
                   {"areaCeilHtBegin", n(a.areaCeilHtBegin)},
                   {"areaCeilHtEnd", n(a.areaCeilHtEnd)},
                   {"spareA1", n(a.spareA1)},
                   {"spareA2", n(a.spareA2)},
                   {"spareA3", n(a.spareA3)},
                   {"areaName", jsonFixedText(a.areaName.str())},
                   {"spareA4", n(a.spareA4)},
                   {"spareA5", n(a.spareA5)},
                   {"spareA6", n(a.spareA6)}});
}

std::string globalObject(const MapGlobals& g)
{
    return object({{"globalID", n(g.globalID)},
                   {"globalName", jsonFixedText(g.globalName.str())},
                   {"globalValue", n(g.globalValue)},
                   {"spareG1", n(g.spareG1)},
                   {"spareG2", n(g.spareG2)},
                   {"spareG3", n(g.spareG3)},
                   {"spareG4", n(g.spareG4)}});
}

template <typename Record, typename ToJson>
void writeArray(std::ostream& out, const char* name, const std::vector<Record>& records, ToJson toJson, bool last)
{
    out << "  " << jsonString(name) << ": [";
    for (size_t k = 0; k < records.size(); ++k) out << (k > 0 ? ",\n    " : "\n    ") << toJson(records[k]);
    out << (records.empty() ? "]" : "\n  ]") << (last ? "\n" : ",\n");
}

}  // namespace

bool dumpCommand(const std::string& path, std::ostream& out, std::string& failure)
{
    std::optional<mapfile::MapFileContents> blocks = readMapFileBlocks(path, failure);
    if (!blocks) return false;
    std::string start = "null";
    int32_t wallBlockType = 0;
    std::vector<Wall> walls;
    if (const auto& block = blocks->wallBlock) {
        const mapfile::ViewerStart& s = block->viewer;
        start = object({{"vx", n(s.vx)}, {"vy", n(s.vy)}, {"vz", n(s.vz)}, {"vd", n(s.vd)}});
        wallBlockType = block->type;
        walls = block->walls;
    }
    out << "{\n"
        << "  \"wallBlockType\": " << wallBlockType << ",\n"
        << "  \"viewerStart\": " << start << ",\n";
    writeArray(out, "walls", walls, wallObject, false);
    writeArray(out, "viewpoints", blocks->viewpoints.value_or(std::vector<Viewpoint> {}), viewpointObject, false);
    writeArray(out, "areas", blocks->areas.value_or(std::vector<Area> {}), areaObject, false);
    writeArray(out, "globals", blocks->globals.value_or(std::vector<MapGlobals> {}), globalObject, true);
    out << "}\n";
    return true;
}
