#include "editor/shell/logic/undo_refresh.h"

#include "editor/document/map_document.h"
#include "editor/model/clsMap.h"
#include "editor/shell/logic/map_view_controller.h"
#include "editor/shell/logic/project_selection.h"
#include "editor/shell/logic/property_grid.h"
#include "platform/numbers.h"

namespace qzedit {

namespace {

// The node key of the record the grid shows, as the project tree names it.
std::string nodeKey(int selType, int32_t item)
{
    switch (selType) {
    case PropertyGrid::kWall: return "w" + qz::decimal(item);
    case PropertyGrid::kArea: return "a" + qz::decimal(item);
    case PropertyGrid::kViewpoint: return "vp" + qz::decimal(item);
    case PropertyGrid::kGlobal: return "g" + qz::decimal(item);
    default: return "";
    }
}

bool recordExists(const clsMap& map, int selType, int32_t item)
{
    switch (selType) {
    case PropertyGrid::kWall: return item < map.numWalls;
    case PropertyGrid::kArea: return item < map.numAreas;
    case PropertyGrid::kViewpoint: return item < map.numViewpoints;
    case PropertyGrid::kGlobal: return item < map.numGlobals;
    default: return false;
    }
}

}  // namespace

UndoRefresh::UndoRefresh(MapDocument& document, ProjectSelection& selection, PropertyGrid& grid,
                         MapViewController& mapView)
    : document_(document), selection_(selection), grid_(grid), mapView_(mapView), wallCount_(document.map().numWalls)
{
    document_.addListener([this](const MapDocument::Event& event) {
        const int wallsBefore = wallCount_;
        wallCount_ = document_.map().numWalls;
        if (event.kind != MapDocument::EventKind::Changed) refresh(wallsBefore);
    });
}

void UndoRefresh::refresh(int wallsBefore)
{
    clsMap& map = document_.map();
    if (map.selWallNum >= map.numWalls) map.selWallNum = -1;
    if (map.selAreaNum >= map.numAreas) map.selAreaNum = -1;
    if (map.selGlobalNum >= map.numGlobals) map.selGlobalNum = 0;
    // Picked walls are kept by number: once walls come or go, the numbers may name other walls.
    if (wallsBefore != map.numWalls && selection_.clearSelectList) selection_.clearSelectList();
    map.listLines();
    if (recordExists(map, grid_.selType(), grid_.itemNum())) {
        grid_.showRecordAgain();
        if (selection_.selectNode) selection_.selectNode(nodeKey(grid_.selType(), grid_.itemNum()));
    } else {
        grid_.clear();
    }
    mapView_.redraw();
}

}  // namespace qzedit
