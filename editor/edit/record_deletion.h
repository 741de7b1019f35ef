#pragma once
#include "editor/edit/edit_selection.h"
#include "editor/model/outcome.h"

namespace qzedit {

class clsMap;

// Deletes the selected walls, or the selected area with every wall of its chain, and closes up the
// tables: the records after each one removed move down, and every link that names a wall or an
// area (areaFirstWall, areaFirst, areaNext, areaNum, the selected wall and area) is rewritten to
// the new numbers. A link to a removed wall goes on to the next wall of its chain that stays.
//
// A room keeps a closed outline: where a removed wall of an area's chain began at the end of
// another of its walls, that wall is drawn on to where the removed one ended. An area whose walls
// are all removed goes with them; one that would keep only one or two walls is refused (a room
// needs three), as are indexes outside the tables. A refusal changes nothing and carries the
// message to show.
Outcome deleteSelection(clsMap& map, const EditSelection& selection);

}  // namespace qzedit
