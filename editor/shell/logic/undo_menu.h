#pragma once
#include <string>

namespace qzedit {

class MapDocument;

struct MenuItemState {
    std::string caption;
    bool enabled = false;
    bool operator==(const MenuItemState&) const = default;
};

// Edit › Undo and Redo name the step they would take: "&Undo Move Area", "&Redo Edit Wall"; with
// nothing to take, "&Undo" and "&Redo", disabled.
MenuItemState undoMenuItem(const MapDocument* document);
MenuItemState redoMenuItem(const MapDocument* document);

}  // namespace qzedit
