#pragma once
#include <string>
#include <vector>

#include "editor/check/map_check.h"

namespace qzedit {

class clsMap;
class MapViewController;
class ProjectSelection;

// The Check Map window's logic: the map's findings, one line each, and what a click on one does:
// a wall is selected and flashes, an area is selected and its walls flash, the viewer start shows
// in the property grid.
class CheckMapList {
public:
    CheckMapList(ProjectSelection& selection, MapViewController& mapView);

    void setMap(const clsMap* map) { map_ = map; }
    // Checks the map again.
    void check();
    const std::vector<check::Finding>& findings() const { return findings_; }
    std::vector<std::string> lines() const;
    // "2 errors, 1 warning".
    std::string summary() const { return check::countsLine(findings_); }
    void choose(int row);

private:
    ProjectSelection& selection_;
    MapViewController& mapView_;
    const clsMap* map_ = nullptr;
    std::vector<check::Finding> findings_;
};

}  // namespace qzedit
