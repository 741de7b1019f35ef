#include "editor/shell/logic/hand_edit_commands.h"

#include <algorithm>

#include "editor/document/map_document.h"
#include "editor/edit/map_piece.h"
#include "editor/edit/record_deletion.h"
#include "editor/model/clsMap.h"
#include "editor/shell/logic/command_guard.h"
#include "editor/shell/logic/main_commands.h"
#include "editor/shell/logic/map_view_controller.h"
#include "editor/shell/logic/project_selection.h"
#include "editor/shell/logic/property_grid.h"
#include "platform/message_box.h"
#include "platform/numbers.h"

namespace qzedit {

namespace {

constexpr const char* kPickedPrefix = "Wall #";

}  // namespace

HandEditCommands::HandEditCommands(MapDocument& document, ProjectSelection& selection, PropertyGrid& grid,
                                   MapViewController& mapView, ClipboardPort& clipboard,
                                   std::function<std::vector<std::string>()> pickedWalls)
    : document_(document),
      selection_(selection),
      grid_(grid),
      mapView_(mapView),
      clipboard_(clipboard),
      pickedWalls_(std::move(pickedWalls))
{
}

void HandEditCommands::addTo(MainCommands& commands)
{
    commands.add("itmDelete", [this] { deleteSelected(); });
    commands.add("itmDelArea", [this] { deleteArea(); });
    for (const char* name : {"itmCut", "cut"}) commands.add(name, [this] { cut(); });
    for (const char* name : {"itmCopy", "copy"}) commands.add(name, [this] { copy(); });
    for (const char* name : {"itmPaste", "paste"}) commands.add(name, [this] { paste(); });
    commands.add("itmDuplicate", [this] { duplicate(); });
    for (const char* name : {"itmDrawTool", "draw"})
        commands.add(name, [this] { document_.map().clickMode = MapViewController::kDrawTool; });
}

EditSelection HandEditCommands::currentSelection() const
{
    const clsMap& map = document_.map();
    EditSelection selection;
    if (grid_.selType() == PropertyGrid::kArea) {
        if (map.selAreaNum >= 0 && map.selAreaNum < map.numAreas) selection.area = map.selAreaNum;
        return selection;
    }
    if (grid_.selType() != PropertyGrid::kWall || map.selWallNum < 0 || map.selWallNum >= map.numWalls) return selection;
    std::vector<int32_t> picked;
    for (const std::string& item : pickedWalls_ ? pickedWalls_() : std::vector<std::string> {}) {
        if (item.rfind(kPickedPrefix, 0) != 0) continue;
        const double number = qz::val(item.substr(std::string(kPickedPrefix).size()));
        if (number >= 0 && number < map.numWalls) picked.push_back(static_cast<int32_t>(number));
    }
    if (std::find(picked.begin(), picked.end(), map.selWallNum) == picked.end()) picked = {map.selWallNum};
    std::sort(picked.begin(), picked.end());
    picked.erase(std::unique(picked.begin(), picked.end()), picked.end());
    selection.walls = picked;
    return selection;
}

bool HandEditCommands::selectionFor(EditSelection& selection) const
{
    selection = currentSelection();
    if (!selection.empty()) return true;
    qz::messageBox("Select walls in the map (Shift adds more), or an area in the project window, first.",
                   "Nothing Selected", qz::kMsgExclamation);
    return false;
}

void HandEditCommands::showChanged()
{
    clsMap& map = document_.map();
    map.listLines();
    mapView_.redraw();
}

bool HandEditCommands::remove(const std::string& name, const EditSelection& selection)
{
    // Numbers change under the highlight and the selection: both go first.
    mapView_.deselectSideDef();
    Outcome removed;
    document_.change(name, [&] { removed = deleteSelection(document_.map(), selection); });
    if (!report(removed)) return false;
    selection_.clearSelection();
    showChanged();
    return true;
}

void HandEditCommands::deleteSelected()
{
    EditSelection selection;
    if (selectionFor(selection)) remove("Delete", selection);
}

void HandEditCommands::deleteArea()
{
    const clsMap& map = document_.map();
    if (map.selAreaNum < 0 || map.selAreaNum >= map.numAreas) {
        qz::messageBox("No area is selected.", "No selected area", qz::kMsgCritical);
        return;
    }
    EditSelection selection;
    selection.area = map.selAreaNum;
    remove("Delete Area", selection);
}

void HandEditCommands::copy()
{
    EditSelection selection;
    if (selectionFor(selection)) clipboard_.setText(pieceText(copyPiece(document_.map(), selection)));
}

void HandEditCommands::cut()
{
    EditSelection selection;
    if (!selectionFor(selection)) return;
    const std::string text = pieceText(copyPiece(document_.map(), selection));
    // The clipboard takes the piece only once it is really cut.
    if (remove("Cut", selection)) clipboard_.setText(text);
}

void HandEditCommands::paste() { pasteText("Paste", clipboard_.text(), true); }

void HandEditCommands::duplicate()
{
    EditSelection selection;
    if (selectionFor(selection)) pasteText("Duplicate", pieceText(copyPiece(document_.map(), selection)), false);
}

void HandEditCommands::pasteText(const std::string& name, const std::string& text, bool atInsertion)
{
    PieceRead read = readPiece(text);
    if (!report(read.outcome)) return;
    clsMap& map = document_.map();
    const std::optional<MapPoint> corner = pieceCorner(read.piece);
    int64_t dx = mapView_.grid().spacing, dy = mapView_.grid().spacing;
    if (atInsertion && corner) {
        dx = int64_t {map.insertX} - corner->x;
        dy = int64_t {map.insertY} - corner->y;
    }
    Outcome pasted;
    Pasted added;
    document_.change(name, [&] { pasted = pastePiece(map, read.piece, dx, dy, &added); });
    if (!report(pasted)) return;
    showChanged();
    // What was pasted is selected, so that Duplicate goes on from it and Delete takes it back.
    if (!added.areas.empty()) {
        selection_.selArea(added.areas.front());
        mapView_.flashArea(added.areas.front());
        return;
    }
    selection_.selWall(added.walls.front());
    map.shell().clearSelectList();
    for (int32_t w : added.walls) map.shell().addSelectItem(kPickedPrefix + qz::decimal(w));
}

}  // namespace qzedit
