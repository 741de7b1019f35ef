#include "editor/wizards/logic/field_check.h"

#include <cmath>

#include "editor/model/clsMap.h"
#include "platform/message_box.h"
#include "platform/numbers.h"

namespace qzedit {

double fieldValue(const std::string& text) { return qz::val(text); }

double roundedField(const std::string& text) { return std::nearbyint(fieldValue(text)); }

namespace {

std::string number(double value)
{
    if (std::fabs(value) < 1e15 && value == std::trunc(value)) return qz::decimal(static_cast<long long>(value));
    return qz::numText(value).substr(value < 0 ? 0 : 1);
}

}  // namespace

std::string rangeMessage(const std::string& label, double lo, double hi)
{
    return "\"" + label + "\" must be a number from " + number(lo) + " to " + number(hi) + ".";
}

int16_t FieldCheck::integer(const std::string& text, const std::string& label, int32_t lo, int32_t hi)
{
    const double value = roundedField(text);
    const bool fits = value >= lo && value <= hi;
    inRange(fits, label, lo, hi);
    return static_cast<int16_t>(fits ? value : lo);
}

void FieldCheck::inRange(bool holds, const std::string& label, double lo, double hi, const std::string& why)
{
    std::string text = rangeMessage(label, lo, hi);
    if (!why.empty()) text.insert(text.size() - 1, " " + why);
    require(holds, text);
}

void FieldCheck::require(bool holds, const std::string& message)
{
    if (!holds && message_.empty()) message_ = message;
}

void FieldCheck::tableRoom(const clsMap& map, int64_t walls, int64_t areas, const std::string& fields, bool emptyMap)
{
    const int64_t wallRoom = clsMap::kWallSlots - (emptyMap ? 0 : map.numWalls);
    const int64_t areaRoom = clsMap::kAreaSlots - (emptyMap ? 0 : map.numAreas);
    if (walls <= wallRoom && areas <= areaRoom) return;
    require(false, fields + " ask for " + qz::decimal(walls) + " walls and " + qz::decimal(areas) +
                       " areas; the map has room for " + qz::decimal(wallRoom) + " more walls and " +
                       qz::decimal(areaRoom) + " more areas (" + qz::decimal(clsMap::kWallSlots) + " walls and " +
                       qz::decimal(clsMap::kAreaSlots) + " areas at most).");
}

bool FieldCheck::report() const
{
    if (ok()) return true;
    qz::messageBox(message_, title_, qz::kMsgExclamation);
    return false;
}

}  // namespace qzedit
