#pragma once
#include <functional>
#include <string>
#include <vector>

#include "editor/edit/edit_selection.h"

namespace qzedit {

class MainCommands;
class MapDocument;
class MapViewController;
class ProjectSelection;
class PropertyGrid;

// The desktop's clipboard, as text.
class ClipboardPort {
public:
    virtual ~ClipboardPort() = default;
    virtual std::string text() const = 0;
    virtual void setText(const std::string& text) = 0;
};

// Editing by hand from the Edit menu and the toolbar: Delete (the selected walls, or the selected
// area with its walls), Delete Area, Cut, Copy, Paste (at the insertion point), Duplicate (one grid
// step to the right and down) and the Draw tool. Each change is one step of the document's history.
//
// What is selected follows the property grid: an area shown there (chosen in the project window)
// is the area; a wall shown there is the selected wall, or the walls picked in the map view when
// it is one of them (Shift-clicks pick several). Anything else selects nothing to edit.
class HandEditCommands {
public:
    HandEditCommands(MapDocument& document, ProjectSelection& selection, PropertyGrid& grid, MapViewController& mapView,
                     ClipboardPort& clipboard, std::function<std::vector<std::string>()> pickedWalls);

    // Registers itmDelete, itmDelArea, itmCut and cut, itmCopy and copy, itmPaste and paste,
    // itmDuplicate, and itmDrawTool and draw.
    void addTo(MainCommands& commands);

    EditSelection currentSelection() const;

    void deleteSelected();
    void deleteArea();
    void cut();
    void copy();
    void paste();
    void duplicate();

private:
    // The selection, or a message saying what to select and nothing.
    bool selectionFor(EditSelection& selection) const;
    bool remove(const std::string& name, const EditSelection& selection);
    void pasteText(const std::string& name, const std::string& text, bool atInsertion);
    // The windows show the map as it now is.
    void showChanged();

    MapDocument& document_;
    ProjectSelection& selection_;
    PropertyGrid& grid_;
    MapViewController& mapView_;
    ClipboardPort& clipboard_;
    std::function<std::vector<std::string>()> pickedWalls_;
};

}  // namespace qzedit
