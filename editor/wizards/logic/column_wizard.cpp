#include "editor/wizards/logic/column_wizard.h"

#include "editor/document/map_document.h"
#include "editor/model/clsMap.h"
#include "editor/wizards/generators/polygon_extent.h"
#include "editor/wizards/logic/field_check.h"
#include "platform/numbers.h"

namespace qzedit {

void ColumnWizard::activate(const clsMap& map)
{
    startX = qz::decimal(map.insertX);
    startY = qz::decimal(map.insertY);
}

bool ColumnWizard::finish(MapDocument& document)
{
    // A number of sides or a side length that rounds to 0 builds nothing, as a 0 does.
    if (!(roundedField(numSides) > 0 && roundedField(sideLen) > 0)) return true;
    clsMap& map = document.map();
    FieldCheck check(kCaption);
    const int16_t sides = check.integer(numSides, "Num Sides", 1, kIntegerMax);
    const int16_t length = check.integer(sideLen, "Side length", 1, kIntegerMax);
    const int16_t x = check.integer(startX, "Begin (x,y)");
    const int16_t y = check.integer(startY, "Begin (x,y)");
    if (check.ok()) check.tableRoom(map, sides, 1, "\"Num Sides\"");
    if (check.ok())
        check.require(polygonExtent(PolygonKind::Column, sides, x, y, length).within(kIntegerMin, kIntegerMax),
                      "The column would reach outside " + qz::decimal(kIntegerMin) + " to " + qz::decimal(kIntegerMax) +
                          ": check \"Begin (x,y)\", \"Num Sides\" and \"Side length\".");
    if (!check.report()) return false;
    document.change(kCaption, [&] { map.addPolyCol(sides, x, y, length); });
    return true;
}

}  // namespace qzedit
