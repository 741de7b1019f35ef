#include "editor/wizards/logic/split_wall_wizard.h"

#include "editor/document/map_document.h"
#include "editor/model/clsMap.h"
#include "editor/wizards/logic/field_check.h"
#include "platform/message_box.h"
#include "platform/numbers.h"

namespace qzedit {

bool SplitWallWizard::selectionOk(const clsMap& map)
{
    if (map.selWallNum != -1) return true;
    qz::messageBox("You need to select a wall that you want to split.", "No wall selected", qz::kMsgExclamation);
    return false;
}

bool SplitWallWizard::finish(MapDocument& document) const
{
    clsMap& map = document.map();
    const int32_t wall = map.selWallNum;
    FieldCheck check(kCaption);
    check.require(wall >= 0 && wall < map.numWalls, "The selected wall must be a wall of this map, numbered from 0 to " +
                                                        qz::decimal(map.numWalls - 1) + ": select it again.");
    check.tableRoom(map, doubleSplit ? 1 : 2, 0, "The split's new walls");
    if (!check.report()) return false;
    document.change("Split wall", [&] { map.splitWall(wall, doubleSplit ? 2 : 3); });
    return true;
}

}  // namespace qzedit
