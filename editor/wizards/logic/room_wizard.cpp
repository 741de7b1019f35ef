#include "editor/wizards/logic/room_wizard.h"

#include "editor/document/map_document.h"
#include "editor/model/clsMap.h"
#include "editor/wizards/generators/polygon_extent.h"
#include "editor/wizards/generators/room_generator.h"
#include "editor/wizards/logic/field_check.h"
#include "platform/message_box.h"
#include "platform/numbers.h"

namespace qzedit {

namespace {

// A polygon whose start point and every corner lie in the 16-bit range.
bool fits(PolygonKind kind, int32_t sides, int32_t ox, int32_t oy, int32_t sideLen)
{
    auto integer = [](int32_t v) { return v >= kIntegerMin && v <= kIntegerMax; };
    return integer(ox) && integer(oy) && polygonExtent(kind, sides, ox, oy, sideLen).within(kIntegerMin, kIntegerMax);
}

std::string outside(const std::string& what, const std::string& fields)
{
    return "The " + what + " would reach outside " + qz::decimal(kIntegerMin) + " to " + qz::decimal(kIntegerMax) +
           ": check " + fields + ".";
}

// Every field in the 16-bit range, every pillar, column and corner too, and room for them all.
RoomParameters checkedRoom(const RoomWizard& w, RoomType type, const clsMap& map, FieldCheck& check)
{
    RoomParameters p {};
    p.numSides = check.integer(w.numSides, "Num Sides", 1, kIntegerMax);
    p.sideSize = check.integer(w.sideLen, "Side length", 1, kIntegerMax);
    p.startX = check.integer(w.startX, "Begin (x,y)");
    p.startY = check.integer(w.startY, "Begin (x,y)");
    p.ceilingHeight = check.integer(w.ceilingHeight, "Ceiling height");
    const bool pillars = type == RoomType::MultiPillar;
    if (pillars) {
        p.numPillars = check.integer(w.numPillars, "# pillars");
        p.numColumns = check.integer(w.numColumns, "# columns");
        if (p.numPillars > 0) p.numPillarSides = check.integer(w.numPillarSides, "# of pillar sides", 1, kIntegerMax);
    }
    if (!check.ok()) return p;

    const int32_t pillarCount = pillars && p.numPillars > 0 ? p.numPillars : 0;
    const int32_t columnCount = pillars && p.numColumns > 0 ? p.numColumns : 0;
    check.tableRoom(map, int64_t {p.numSides} + int64_t {pillarCount} * p.numPillarSides + int64_t {columnCount} * kColumnSides,
                    1 + pillarCount + columnCount, "\"Num Sides\", \"# pillars\", \"# of pillar sides\" and \"# columns\"",
                    w.newMap);
    if (!check.ok()) return p;

    bool pillarsFit = true;
    for (int32_t i = 0; i < pillarCount && pillarsFit; ++i)
        pillarsFit = fits(PolygonKind::Column, p.numPillarSides, pillarX(p.startX, i), pillarY(p.startY), kPillarSideLength);
    check.require(pillarsFit, outside("pillars", "\"Begin (x,y)\", \"# pillars\" and \"# of pillar sides\""));
    bool columnsFit = true;
    for (int32_t j = 0; j < columnCount && columnsFit; ++j)
        columnsFit = fits(PolygonKind::Column, kColumnSides, columnX(p.startX, j), columnY(p.startY), kColumnSideLength);
    check.require(columnsFit, outside("columns", "\"Begin (x,y)\" and \"# columns\""));
    check.require(fits(PolygonKind::Room, p.numSides, p.startX, p.startY, p.sideSize),
                  outside("room's walls", "\"Begin (x,y)\", \"Num Sides\" and \"Side length\""));
    return p;
}

}  // namespace

void RoomWizard::activate(const clsMap& map)
{
    startX = qz::decimal(map.insertX);
    startY = qz::decimal(map.insertY);
}

bool RoomWizard::finish(MapDocument& document)
{
    if (roomType < 0) {
        qz::messageBox("No room type selected.", "No selection", qz::kMsgCritical);
        return false;
    }
    const RoomType type = roomType == 1 ? RoomType::MultiPillar : RoomType::Empty;
    clsMap& map = document.map();
    // A number of sides or a side length that rounds to 0 builds nothing, as a 0 does.
    const bool build = roundedField(numSides) > 0 && roundedField(sideLen) > 0;
    FieldCheck check(kCaption);
    RoomParameters p {};
    if (build) p = checkedRoom(*this, type, map, check);
    if (!check.report()) return false;

    auto makeIt = [&] {
        if (build) makeRoom(map, type, p);
    };
    if (newMap) {
        // Like New Map, the new map has no file yet: Save asks for a name.
        document.replace(kCaption, [&] { map.clearMap(); makeIt(); return true; }, "");
        newMap = false;
    } else {
        document.change(kCaption, makeIt);
    }
    return true;
}

}  // namespace qzedit
