#pragma once
#include <cstdint>
#include <variant>
#include <vector>

#include "format/map_records.h"

// The fields of each record as the map's JSON names them, in the order the JSON writes them. The
// writer and the reader share these lists, so a field can never be written under one name and read
// under another. A wall's length and list link are not stored in files and are not listed.
namespace mapfile {

template <typename Record>
struct JsonField {
    const char* name;
    std::variant<int32_t Record::*, int16_t Record::*, double Record::*, FixedText16 Record::*> member;
};

const std::vector<JsonField<Wall>>& wallJsonFields();
const std::vector<JsonField<Viewpoint>>& viewpointJsonFields();
const std::vector<JsonField<Area>>& areaJsonFields();
const std::vector<JsonField<MapGlobals>>& globalJsonFields();

}  // namespace mapfile
