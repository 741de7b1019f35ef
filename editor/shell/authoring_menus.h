#pragma once
#include "editor/shell/main_menu.h"

class QMainWindow;

namespace qzedit {

class MapDocument;
struct GridSettings;

// Edit › Undo and Redo (at the top of the menu) and Check Map; View › Zoom to Fit and the grid's
// items; and the desktop's usual shortcuts on the File menu's items (Ctrl+N, Ctrl+O, Ctrl+S,
// Ctrl+Shift+S, Ctrl+Q). Each item's action is named as the item and calls run with that name.
void addAuthoringMenus(QMainWindow& window, const CommandRunner& run);

// Undo and Redo name their steps or are disabled; the grid's items are checked as set.
void updateAuthoringMenus(QMainWindow& window, const MapDocument* document, const GridSettings& grid);

}  // namespace qzedit
