#include "editor/wizards/logic/stair_wizard.h"

#include <cmath>

#include "editor/document/map_document.h"
#include "editor/model/clsMap.h"
#include "editor/wizards/generators/stair_generator.h"
#include "editor/wizards/logic/field_check.h"
#include "platform/numbers.h"

namespace qzedit {

void StairWizard::activate(const clsMap& map)
{
    startX = qz::decimal(map.insertX);
    startY = qz::decimal(map.insertY);
}

bool StairWizard::finish(MapDocument& document)
{
    const double count = fieldValue(numStairs);
    // A width that rounds to 0 builds nothing, as a 0 does.
    if (!(count > 0 && roundedField(stairWidth) > 0)) return true;
    clsMap& map = document.map();
    FieldCheck check(kCaption);
    const int16_t h = check.integer(heightInc, "Height increment");
    const int16_t x = check.integer(startX, "StartX");
    const int16_t y = check.integer(startY, "StartY");
    const int16_t w = check.integer(stairWidth, "Stair width", 1, kIntegerMax);
    if (!check.ok()) return check.report();

    // Four walls and one area a step; more steps than the tables hold are refused by count.
    const int64_t steps = std::isfinite(count) && count < 1e9 ? stairSteps(count) : int64_t {1000000000};
    check.tableRoom(map, 4 * steps, steps, "\"# stairs\"");
    if (check.ok()) {
        // The tables hold at most 201 steps, so the arithmetic below stays small.
        const int32_t n = static_cast<int32_t>(steps);
        const int32_t widest = (kIntegerMax - kIntegerMin) / n;
        check.inRange(w <= widest, "Stair width", 1, widest, "with " + qz::decimal(n) + " stairs");
        // Step i spans x - w .. x and y - i w .. y - i w + w, and stands (i + 1) h high.
        check.inRange(x - w >= kIntegerMin, "StartX", kIntegerMin + w, kIntegerMax, "with this stair width");
        check.inRange(y + w <= kIntegerMax && y - (n - 1) * w >= kIntegerMin, "StartY", kIntegerMin + (n - 1) * w,
                      kIntegerMax - w, "with this stair width and number of stairs");
        const int32_t highest = kIntegerMax / n;
        check.inRange(std::abs(n * h) <= kIntegerMax, "Height increment", -highest, highest,
                      "with " + qz::decimal(n) + " stairs");
    }
    if (!check.report()) return false;
    document.change("Stair wizard", [&] { buildStairs(map, x, y, w, h, count); });
    return true;
}

}  // namespace qzedit
