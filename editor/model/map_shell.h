#pragma once
#include <cstdint>
#include <string>

namespace qzedit {

// What the map object asks of the editor's windows. The shell implements it; without a shell
// (command-line tools, tests) every call does nothing.
class MapShell {
public:
    virtual ~MapShell() = default;

    // Map view: drop the highlighted segment.
    virtual void deselectSideDef() {}
    // Project window: select the node of wall i.
    virtual void selWall(int32_t) {}
    // Select window: clear the list, add an item.
    virtual void clearSelectList() {}
    virtual void addSelectItem(const std::string&) {}
    // Let pending window events run.
    virtual void doEvents() {}
    // Main window status bar, panel numbered from 1.
    virtual void setStatusPanelText(int, const std::string&) {}
    // Project window tree: back to the four empty roots ("Areas", "Walls" for the walls of no
    // area, "Viewpoints", "Global"), then one node per record under its root or, for a wall of an
    // area, under the area's node.
    virtual void resetList() {}
    virtual void addTreeNode(const std::string& /*parentKey*/, const std::string& /*key*/, const std::string& /*text*/) {}
};

}  // namespace qzedit
