#pragma once
#include <string>
#include <vector>

namespace qzedit {

class WadImportChoice;

// The wizards that ask in a dialog before they build.
enum class WizardDialog { Room, Column, Stair, Passage, SplitWall, Shape };

// What the main window's commands ask of the windows around them.
class ShellWindows {
public:
    virtual ~ShellWindows() = default;
    virtual void showMapView() = 0;
    virtual void showPropertyGrid() = 0;
    virtual void showProject() = 0;
    virtual void showDragDrop() = 0;
    virtual void showSelect() = 0;
    // The side editor, placed at the main window's right edge.
    virtual void showSideEditor() = 0;
    virtual void adjustWindows() = 0;
    virtual void showHelp() = 0;
    virtual void showAbout() = 0;
    virtual void takeFocus() = 0;
    virtual void exitProgram() = 0;
    virtual void recentFilesChanged() = 0;
    // The Import Doom WAD map dialog: lets the user pick a map of the choice's WAD; false when cancelled.
    virtual bool chooseWadMap(WadImportChoice& choice) = 0;
    // A wizard's dialog, modal: returns when it is hidden again.
    virtual void showWizard(WizardDialog which) = 0;
    // The select window's list of picked walls ("Wall #12"), top first.
    virtual std::vector<std::string> selectListItems() const = 0;
};

}  // namespace qzedit
