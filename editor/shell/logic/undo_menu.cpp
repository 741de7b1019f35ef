#include "editor/shell/logic/undo_menu.h"

#include "editor/document/map_document.h"

namespace qzedit {

namespace {

MenuItemState item(const std::string& verb, const std::string& stepName, bool possible)
{
    return possible ? MenuItemState {verb + " " + stepName, true} : MenuItemState {verb, false};
}

}  // namespace

MenuItemState undoMenuItem(const MapDocument* document)
{
    return document ? item("&Undo", document->undoName(), document->canUndo()) : item("&Undo", "", false);
}

MenuItemState redoMenuItem(const MapDocument* document)
{
    return document ? item("&Redo", document->redoName(), document->canRedo()) : item("&Redo", "", false);
}

}  // namespace qzedit
