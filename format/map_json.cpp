#include "format/map_json.h"

#include <variant>

#include "format/json_text.h"
#include "format/map_json_fields.h"

namespace mapfile {

namespace {

template <typename Record>
std::string recordObject(const Record& record, const std::vector<JsonField<Record>>& fields)
{
    struct Value {
        const Record& r;
        std::string operator()(int32_t Record::*m) const { return jsonNumber(int64_t {r.*m}); }
        std::string operator()(int16_t Record::*m) const { return jsonNumber(int64_t {r.*m}); }
        std::string operator()(double Record::*m) const { return jsonNumber(r.*m); }
        std::string operator()(FixedText16 Record::*m) const { return jsonFixedText((r.*m).str()); }
    };
    std::string text = "{";
    for (size_t k = 0; k < fields.size(); ++k) {
        if (k > 0) text += ", ";
        text += jsonString(fields[k].name) + ": " + std::visit(Value {record}, fields[k].member);
    }
    return text + "}";
}

template <typename Record>
std::string array(const char* name, const std::vector<Record>& records, const std::vector<JsonField<Record>>& fields,
                  bool last)
{
    std::string text = "  " + jsonString(name) + ": [";
    for (size_t k = 0; k < records.size(); ++k) text += (k > 0 ? ",\n    " : "\n    ") + recordObject(records[k], fields);
    text += records.empty() ? "]" : "\n  ]";
    return text + (last ? "\n" : ",\n");
}

}  // namespace

std::string mapJson(const MapFileContents& contents)
{
    std::string start = "null";
    int32_t wallBlockType = 0;
    std::vector<Wall> walls;
    if (const auto& block = contents.wallBlock) {
        const ViewerStart& s = block->viewer;
        start = "{\"vx\": " + jsonNumber(s.vx) + ", \"vy\": " + jsonNumber(s.vy) + ", \"vz\": " +
                jsonNumber(int64_t {s.vz}) + ", \"vd\": " + jsonNumber(int64_t {s.vd}) + "}";
        wallBlockType = block->type;
        walls = block->walls;
    }
    std::string text = "{\n  \"wallBlockType\": " + jsonNumber(int64_t {wallBlockType}) + ",\n  \"viewerStart\": " +
                       start + ",\n";
    text += array("walls", walls, wallJsonFields(), false);
    text += array("viewpoints", contents.viewpoints.value_or(std::vector<Viewpoint> {}), viewpointJsonFields(), false);
    text += array("areas", contents.areas.value_or(std::vector<Area> {}), areaJsonFields(), false);
    text += array("globals", contents.globals.value_or(std::vector<MapGlobals> {}), globalJsonFields(), true);
    return text + "}\n";
}

}  // namespace mapfile
