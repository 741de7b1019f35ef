#include "editor/shell/logic/main_commands.h"

#include <filesystem>

#include "editor/model/clsMap.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "editor/shell/logic/command_guard.h"
#include "editor/shell/logic/file_dialogs.h"
#include "editor/shell/logic/map_view_controller.h"
#include "editor/shell/logic/project_selection.h"
#include "editor/shell/logic/shell_windows.h"
#include "editor/shell/logic/wad_import_choice.h"
#include "editor/shell/logic/zoom.h"

namespace qzedit {

MainCommands::MainCommands(ShellWindows& windows, FileDialogs& dialogs, MapViewController& mapView,
                           ProjectSelection& selection)
    : windows_(windows), dialogs_(dialogs), mapView_(mapView), selection_(selection)
{
    auto both = [this](std::initializer_list<const char*> names, std::function<void()> fn) {
        for (const char* name : names) commands_[name] = fn;
    };
    both({"itmNewMap", "new"}, [this] { newMap(); });
    both({"itmOpenMap", "open"}, [this] { openMap(); });
    both({"itmSaveMap", "save"}, [this] { saveMap(); });
    both({"itmSaveAs"}, [this] { saveAs(); });
    for (int n = 1; n <= RecentFiles::kCount; ++n)
        both({("itmRecentFile" + std::to_string(n)).c_str()}, [this, n] { openRecent(n); });
    both({"itmExit"}, [this] { windows_.exitProgram(); });
    both({"itmImportWAD"}, [this] { importWad(); });
    both({"itmCut", "itmCopy", "itmPaste", "itmClear", "cut", "copy", "paste", "paint"}, nya);
    both({"itmDelArea", "itmWallWizard"}, [] {});
    both({"itmRedraw"}, [this] { mapView_.redrawSuspendingFlash(); });
    both({"itmZoomIn"}, [this] { zoomIn(); });
    both({"itmZoomOut"}, [this] { zoomOut(); });
    const char* const modes[] = {"select", "scale", "move", "rotate", "shear"};
    for (int mode = 0; mode < 5; ++mode) both({modes[mode]}, [this, mode] { setClickMode(mode); });
    both({"itmAdjustWin"}, [this] { windows_.adjustWindows(); });
    both({"itmPropWin"}, [this] { windows_.showSideEditor(); });
    both({"props"}, [this] { windows_.showPropertyGrid(); });
    both({"itmProjectWin", "objects"}, [this] { windows_.showProject(); });
    both({"itmDragDropWin", "wizard"}, [this] { windows_.showDragDrop(); });
    both({"itmSelectWin"}, [this] { windows_.showSelect(); });
    both({"itmHelpContents"}, [this] { windows_.showHelp(); });
    both({"itmAbout"}, [this] { windows_.showAbout(); });
}

bool MainCommands::run(const std::string& name)
{
    auto found = commands_.find(name);
    if (found == commands_.end()) return false;
    runGuarded(found->second);
    return true;
}

void MainCommands::newMap()
{
    if (!map_) return;
    map_->clearMap();
    selection_.clearSelection();
    // A new map has no file yet: Save must ask for a name rather than overwrite the last one.
    currentPath_.clear();
    map_->listLines();
    windows_.showMapView();
    mapView_.redraw();
}

namespace {

// A map is remembered by its full path, so that a recent entry opens the same file from any folder.
std::string fullPath(const std::string& path)
{
    std::error_code failed;
    std::filesystem::path full = std::filesystem::absolute(path, failed);
    return failed ? path : full.lexically_normal().string();
}

}  // namespace

bool MainCommands::loadMap(const std::string& path)
{
    if (!map_) return false;
    // A refused file (missing or damaged) is reported and leaves the map as it was.
    if (!report(map_->ReadNewMPB(path))) return false;
    selection_.clearSelection();
    currentPath_ = fullPath(path);
    map_->polishNextSeg();
    map_->listLines();
    mapView_.redraw();
    return true;
}

void MainCommands::openMapFile(const std::string& path)
{
    runGuarded([&] {
        if (loadMap(path)) {
            recent_.add(currentPath_);
            windows_.recentFilesChanged();
        }
    });
}

void MainCommands::openMap()
{
    std::optional<std::string> chosen =
        dialogs_.showOpen({kOpenFilter, "", FileDialogs::kHideReadOnly});
    if (!chosen) return;
    if (!chosen->empty() && loadMap(*chosen)) {
        recent_.add(currentPath_);
        windows_.recentFilesChanged();
    }
    windows_.takeFocus();
}

void MainCommands::saveMap()
{
    if (currentPath_.size() > 1) {
        if (map_) report(map_->WriteNewMPB(currentPath_, false));
        return;
    }
    saveAs();
}

void MainCommands::saveAs()
{
    std::optional<std::string> chosen =
        dialogs_.showSave({kSaveFilter, kDefaultMapName, FileDialogs::kHideReadOnly});
    if (!chosen || chosen->empty() || !map_) return;
    // Only a file that was written becomes the map's file and a recent entry.
    if (!report(map_->WriteNewMPB(*chosen, false))) return;
    currentPath_ = fullPath(*chosen);
    recent_.add(currentPath_);
    windows_.recentFilesChanged();
}

void MainCommands::openRecent(int n)
{
    const std::string path = recent_.path(n);
    if (path.size() >= 3) loadMap(path);
}

void MainCommands::importWad()
{
    std::optional<std::string> chosen = dialogs_.showOpen({kWadFilter, "", FileDialogs::kHideReadOnly});
    if (!chosen || chosen->empty() || !map_) return;
    WadImportChoice choice;
    if (!report(choice.load(*chosen)) || !windows_.chooseWadMap(choice)) return;
    // The map's textures, compiled map and headers go in a folder of its name in the current
    // directory, where the editor keeps its other files.
    const std::string worldDir = qz::inCurrentDirectory(choice.selectedName());
    std::string text;
    if (!report(choice.importInto(*map_, worldDir, text))) return;
    // The imported map has no file of its own yet: Save asks for a name.
    currentPath_.clear();
    map_->polishNextSeg();
    map_->listLines();
    windows_.showMapView();
    mapView_.redraw();
    qz::messageBox(text, "Import Report", qz::kMsgInformation);
}

void MainCommands::zoomIn()
{
    if (!map_) return;
    map_->magX = zoomedIn(map_->magX);
    map_->magY = zoomedIn(map_->magY);
    mapView_.redraw();
}

void MainCommands::zoomOut()
{
    if (!map_) return;
    map_->magX = zoomedOut(map_->magX);
    map_->magY = zoomedOut(map_->magY);
    mapView_.redraw();
}

void MainCommands::setClickMode(int mode)
{
    if (map_) map_->clickMode = static_cast<int16_t>(mode);
}

}  // namespace qzedit
