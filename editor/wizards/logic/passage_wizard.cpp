#include "editor/wizards/logic/passage_wizard.h"

#include <cmath>

#include "editor/document/map_document.h"
#include "editor/model/clsMap.h"
#include "editor/wizards/logic/field_check.h"
#include "platform/message_box.h"
#include "platform/numbers.h"

namespace qzedit {

namespace {

bool isWall(const clsMap& map, int32_t n) { return n >= 0 && n < map.numWalls; }

// The wall whose heights the dialog shows: the selected one, else the first listed.
int32_t shownWall(const clsMap& map, const std::vector<std::string>& items)
{
    if (isWall(map, map.selWallNum)) return map.selWallNum;
    if (!items.empty() && isWall(map, PassageWizard::listedWall(items[0]))) return PassageWizard::listedWall(items[0]);
    return -1;
}

}  // namespace

bool PassageWizard::selectionOk(const std::vector<std::string>& items)
{
    if (items.size() == 2) return true;
    qz::messageBox("You need to select two walls (with the SHIFT key) that you want to make the passage between. "
                   "Use the Select window (under the Windows menu) to see the selected walls.",
                   "Wall not selected", qz::kMsgExclamation);
    return false;
}

int32_t PassageWizard::listedWall(const std::string& item)
{
    const double value = std::nearbyint(qz::val(item.size() > 6 ? item.substr(6) : ""));
    return value >= -1 && value < clsMap::kWallSlots ? static_cast<int32_t>(value) : -1;
}

void PassageWizard::activate(const clsMap& map, const std::vector<std::string>& items)
{
    const int32_t n = shownWall(map, items);
    if (n < 0) {
        wallHeightLabel = startHeightLabel = endHeightLabel = "";
        return;
    }
    const Wall& w = map.wallRecord(n);
    const int64_t wallHeight = int64_t {w.ceilHtEnd} - w.floorHtBegin;
    if (!proposed_) {
        startHeight = qz::decimal(w.floorHtBegin);
        height = qz::decimal(static_cast<long long>(std::floor(static_cast<double>(wallHeight) * 0.4)));
        proposed_ = true;
    }
    wallHeightLabel = qz::decimal(wallHeight);
    startHeightLabel = qz::decimal(w.floorHtBegin);
    endHeightLabel = qz::decimal(w.ceilHtEnd);
}

bool PassageWizard::finish(MapDocument& document, const std::vector<std::string>& items)
{
    clsMap& map = document.map();
    const int32_t a = items.size() > 0 ? listedWall(items[0]) : -1;
    const int32_t b = items.size() > 1 ? listedWall(items[1]) : -1;
    FieldCheck check(kCaption);
    check.require(isWall(map, a) && isWall(map, b),
                  "The selected walls must be walls of this map, numbered from 0 to " + qz::decimal(map.numWalls - 1) +
                      ": select them again.");
    check.require(a != b, "Select two different walls to make the passage between.");
    check.tableRoom(map, 4, 0, "The passage's four new walls");
    if (!check.report()) return false;
    const double start = fieldValue(startHeight);
    const double passageHeight = fieldValue(height);
    document.change(kCaption, [&] { map.makePassage(a, b, true, start, passageHeight); });
    return true;
}

}  // namespace qzedit
