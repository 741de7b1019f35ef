#include "editor/shell/logic/check_map_list.h"

#include "editor/model/clsMap.h"
#include "editor/shell/logic/map_view_controller.h"
#include "editor/shell/logic/project_selection.h"

namespace qzedit {

CheckMapList::CheckMapList(ProjectSelection& selection, MapViewController& mapView)
    : selection_(selection), mapView_(mapView)
{
}

void CheckMapList::check()
{
    findings_ = map_ ? check::checkMap(*map_) : std::vector<check::Finding> {};
}

std::vector<std::string> CheckMapList::lines() const
{
    std::vector<std::string> lines;
    for (const check::Finding& f : findings_) lines.push_back(check::findingLine(*map_, f));
    return lines;
}

void CheckMapList::choose(int row)
{
    if (!map_ || row < 0 || row >= static_cast<int>(findings_.size())) return;
    const check::Finding& f = findings_[static_cast<size_t>(row)];
    switch (f.record) {
    case check::RecordKind::Wall:
        if (f.index < map_->numWalls) selection_.selWall(f.index);
        break;
    case check::RecordKind::Area:
        if (f.index < map_->numAreas) {
            selection_.selArea(f.index);
            mapView_.flashArea(f.index);
        }
        break;
    case check::RecordKind::ViewerStart:
        selection_.selViewpoint(0);
        break;
    case check::RecordKind::Map:
        break;
    }
}

}  // namespace qzedit
