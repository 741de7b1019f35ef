#pragma once
#include <cstdint>
#include <functional>
#include <string>

namespace qzedit {

class clsMap;
class MapViewController;
class PropertyGrid;

// Selecting records from the project tree (node clicks) and from the map view's picking: the
// tree node, the map's selection, the property grid and the flashing of the selected wall.
class ProjectSelection {
public:
    ProjectSelection(PropertyGrid& grid, MapViewController& mapView);

    void setMap(clsMap* map) { map_ = map; }
    // Makes the node with this key the tree's selected node.
    std::function<void(const std::string& key)> selectNode;
    // Empties the select window's list of picked walls.
    std::function<void()> clearSelectList;

    void nodeClick(const std::string& key);
    void selWall(int32_t n);
    void selArea(int32_t n);
    void selViewpoint(int32_t n);
    void selGlobal(int32_t n);
    // Nothing selected: after a map is opened or cleared, no number may point into it from before.
    void clearSelection();

private:
    void select(const std::string& key) const;

    PropertyGrid& grid_;
    MapViewController& mapView_;
    clsMap* map_ = nullptr;
};

}  // namespace qzedit
