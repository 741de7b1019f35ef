#pragma once

namespace qzedit {

class MapDocument;
class MapViewController;
class ProjectSelection;
class PropertyGrid;

// After an undo or a redo the windows show the map as it now is: a selected wall, area or global
// that no longer exists is dropped (with the picked walls, when the walls changed in number), the
// project tree is listed again with the selected record's node, the property grid shows that record
// again or nothing, and the map view is redrawn.
class UndoRefresh {
public:
    UndoRefresh(MapDocument& document, ProjectSelection& selection, PropertyGrid& grid, MapViewController& mapView);

private:
    void refresh(int wallsBefore);

    MapDocument& document_;
    ProjectSelection& selection_;
    PropertyGrid& grid_;
    MapViewController& mapView_;
    int wallCount_ = 0;
};

}  // namespace qzedit
