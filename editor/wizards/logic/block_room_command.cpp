#include "editor/wizards/logic/block_room_command.h"

#include <cmath>
#include <string>

#include "editor/document/map_document.h"
#include "editor/model/clsMap.h"
#include "editor/wizards/generators/block_room_generator.h"
#include "editor/wizards/logic/field_check.h"
#include "platform/numbers.h"

namespace qzedit {

namespace {

using Generator = void (*)(clsMap&, int16_t, int16_t, int16_t, int16_t, int16_t, int16_t);

bool runBlockRoom(MapDocument& document, const char* name, Generator generate, float r)
{
    clsMap& map = document.map();
    FieldCheck check(name);
    const int32_t reachLo = kIntegerMin + kBlockRoomReach;
    const int32_t reachHi = kIntegerMax - kBlockRoomReach;
    auto inside = [&](int32_t v) { return v >= reachLo && v <= reachHi; };
    check.inRange(inside(map.insertX) && inside(map.insertY), "insertion point", reachLo, reachHi,
                  "in x and y, for the room to fit around it");
    auto integer = [](int32_t v) { return v >= kIntegerMin && v <= kIntegerMax; };
    check.inRange(integer(map.areaFloorHtBegin) && integer(map.areaCeilHtEnd), "area floor and ceiling heights",
                  kIntegerMin, kIntegerMax);
    check.tableRoom(map, 8, 2, "The room and its block");
    if (!check.report()) return false;
    const int16_t angle = randomAngle(r);
    document.change(name, [&] {
        generate(map, static_cast<int16_t>(map.insertX), static_cast<int16_t>(map.insertY),
                 static_cast<int16_t>(map.areaFloorHtBegin), static_cast<int16_t>(map.areaCeilHtEnd), 10, angle);
    });
    return true;
}

}  // namespace

int16_t randomAngle(float r) { return static_cast<int16_t>(std::floor(r * 360.0f)); }

bool runCaveWizard(MapDocument& document, float r) { return runBlockRoom(document, "Cave wizard", wzCave, r); }

bool runSwitchWizard(MapDocument& document, float r) { return runBlockRoom(document, "Switch Wizard", wzSwitch, r); }

}  // namespace qzedit
