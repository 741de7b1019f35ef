#include "editor/shell/logic/project_selection.h"

#include "editor/model/clsMap.h"
#include "editor/shell/logic/map_view_controller.h"
#include "editor/shell/logic/property_grid.h"
#include "platform/numbers.h"

namespace qzedit {

ProjectSelection::ProjectSelection(PropertyGrid& grid, MapViewController& mapView) : grid_(grid), mapView_(mapView) {}

void ProjectSelection::select(const std::string& key) const
{
    if (selectNode) selectNode(key);
}

void ProjectSelection::nodeClick(const std::string& key)
{
    if (key.empty()) return;
    // The roots ("Walls", "Areas", ...) begin with capitals and select nothing.
    auto number = [&](size_t prefix) { return qz::toLong(qz::val(std::string_view(key).substr(prefix))); };
    switch (key.front()) {
    case 'w':
        selWall(number(1));
        break;
    case 'a':
        selArea(number(1));
        break;
    case 'v':
        selViewpoint(number(2));
        break;
    case 'g':
        selGlobal(number(1));
        break;
    default:
        break;
    }
}

void ProjectSelection::clearSelection()
{
    if (!map_) return;
    map_->selWallNum = -1;
    map_->selAreaNum = -1;
    map_->selGlobalNum = 0;
    grid_.clear();
    if (clearSelectList) clearSelectList();
}

void ProjectSelection::selWall(int32_t n)
{
    if (!map_) return;
    mapView_.deselectSideDef();
    select("w" + qz::decimal(n));
    map_->selWallNum = n;
    grid_.showProps(PropertyGrid::kWall, n);
    mapView_.startFlashing();
}

void ProjectSelection::selArea(int32_t n)
{
    if (!map_) return;
    select("a" + qz::decimal(n));
    map_->selAreaNum = n;
    grid_.showProps(PropertyGrid::kArea, n);
}

void ProjectSelection::selViewpoint(int32_t n)
{
    if (!map_) return;
    select("vp" + qz::decimal(n));
    grid_.showProps(PropertyGrid::kViewpoint, n);
}

void ProjectSelection::selGlobal(int32_t n)
{
    if (!map_) return;
    select("g" + qz::decimal(n));
    map_->selGlobalNum = n;
    grid_.showProps(PropertyGrid::kGlobal, n);
}

}  // namespace qzedit
