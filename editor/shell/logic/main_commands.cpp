#include "editor/shell/logic/main_commands.h"

#include <filesystem>

#include "editor/document/map_document.h"
#include "editor/model/clsMap.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "editor/shell/logic/command_guard.h"
#include "editor/shell/logic/file_dialogs.h"
#include "editor/shell/logic/map_view_controller.h"
#include "editor/shell/logic/project_selection.h"
#include "editor/shell/logic/recovery_offer.h"
#include "editor/shell/logic/shell_windows.h"
#include "editor/shell/logic/unsaved_changes.h"
#include "editor/shell/logic/wad_import_choice.h"
#include "editor/shell/logic/zoom.h"
#include "editor/wizards/logic/block_room_command.h"
#include "editor/wizards/logic/passage_wizard.h"
#include "editor/wizards/logic/split_wall_wizard.h"
#include "platform/random.h"

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
    both({"itmExit"}, [this] {
        if (mayCloseMap()) windows_.exitProgram();
    });
    both({"itmImportWAD"}, [this] { importWad(); });
    // Cut, Copy, Paste and Delete Area are the hand edits' (HandEditCommands).
    both({"itmClear", "paint"}, nya);
    both({"itmWallWizard"}, [] {});
    both({"itmRedraw"}, [this] { mapView_.redrawSuspendingFlash(); });
    both({"itmZoomIn"}, [this] { zoomIn(); });
    both({"itmZoomOut"}, [this] { zoomOut(); });
    both({"itmUndo"}, [this] {
        if (document_) document_->undo();
    });
    both({"itmRedo"}, [this] {
        if (document_) document_->redo();
    });
    both({"itmZoomToFit"}, [this] { mapView_.zoomToFit(); });
    both({"itmShowGrid"}, [this] { changeGrid([](GridSettings& g) { g.shown = !g.shown; }); });
    both({"itmSnapToGrid"}, [this] { changeGrid([](GridSettings& g) { g.snap = !g.snap; }); });
    both({"itmFinerGrid"}, [this] { changeGrid([](GridSettings& g) { g.spacing = finerGrid(g.spacing); }); });
    both({"itmCoarserGrid"}, [this] { changeGrid([](GridSettings& g) { g.spacing = coarserGrid(g.spacing); }); });
    const char* const modes[] = {"select", "scale", "move", "rotate", "shear"};
    for (int mode = 0; mode < 5; ++mode) both({modes[mode]}, [this, mode] { setClickMode(mode); });
    both({"itmRoomWizard"}, [this] { runWizard(WizardDialog::Room); });
    both({"itmColWizard"}, [this] { runWizard(WizardDialog::Column); });
    both({"itmStairWizard"}, [this] { runWizard(WizardDialog::Stair); });
    both({"itmShapeWizard"}, [this] { runWizard(WizardDialog::Shape); });
    both({"itmPassageWizard"}, [this] { passageWizard(); });
    both({"itmSplitWall"}, [this] { splitWall(); });
    both({"itmCaveWizard"}, [this] { blockRoomWizard(runCaveWizard); });
    both({"itmSwitchWizard"}, [this] { blockRoomWizard(runSwitchWizard); });
    both({"itmAdjustWin"}, [this] { windows_.adjustWindows(); });
    both({"itmPropWin"}, [this] { windows_.showSideEditor(); });
    both({"props"}, [this] { windows_.showPropertyGrid(); });
    both({"itmProjectWin", "objects"}, [this] { windows_.showProject(); });
    both({"itmDragDropWin", "wizard"}, [this] { windows_.showDragDrop(); });
    both({"itmSelectWin"}, [this] { windows_.showSelect(); });
    both({"itmHelpContents"}, [this] { windows_.showHelp(); });
    both({"itmAbout"}, [this] { windows_.showAbout(); });
}

void MainCommands::setDocument(MapDocument* document)
{
    document_ = document;
    map_ = document ? &document->map() : nullptr;
}

const std::string& MainCommands::currentMapPath() const
{
    static const std::string none;
    return document_ ? document_->path() : none;
}

void MainCommands::add(const std::string& name, std::function<void()> command) { commands_[name] = std::move(command); }

bool MainCommands::mayCloseMap()
{
    return !document_ || mayDiscardChanges(*document_, [this] { return saveMap(); });
}

void MainCommands::offerRecovery(RecoveryFolder& folder)
{
    runGuarded([&] {
        if (document_ && offerLeftWork(folder, *document_)) showNewMap();
    });
}

void MainCommands::showNewMap()
{
    selection_.clearSelection();
    map_->listLines();
    windows_.showMapView();
    mapView_.redraw();
}

void MainCommands::changeGrid(const std::function<void(GridSettings&)>& change)
{
    GridSettings grid = mapView_.grid();
    change(grid);
    saveGridSettings(grid);
    mapView_.setGrid(grid);
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
    if (!document_ || !mayCloseMap()) return;
    // A new map has no file yet: Save must ask for a name rather than overwrite the last one.
    document_->replace("New Map", [this] { map_->clearMap(); return true; }, "");
    showNewMap();
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
    if (!document_) return false;
    // A refused file (missing or damaged) is reported and leaves the map as it was.
    Outcome read;
    // The walls are linked as part of the step, so that redo brings back the map exactly as opened.
    document_->replace("Open Map",
                       [&] {
                           read = map_->ReadNewMPB(path);
                           if (read) map_->polishNextSeg();
                           return read.ok;
                       },
                       fullPath(path));
    if (!report(read)) return false;
    selection_.clearSelection();
    map_->listLines();
    mapView_.redraw();
    return true;
}

void MainCommands::openMapFile(const std::string& path)
{
    runGuarded([&] {
        if (loadMap(path)) {
            recent_.add(document_->path());
            windows_.recentFilesChanged();
        }
    });
}

void MainCommands::openMap()
{
    if (!mayCloseMap()) return;
    std::optional<std::string> chosen =
        dialogs_.showOpen({kOpenFilter, "", FileDialogs::kHideReadOnly});
    if (!chosen) return;
    if (!chosen->empty() && loadMap(*chosen)) {
        recent_.add(document_->path());
        windows_.recentFilesChanged();
    }
    windows_.takeFocus();
}

bool MainCommands::saveMap()
{
    if (document_ && document_->path().size() > 1) {
        const std::string path = document_->path();
        if (!report(map_->WriteNewMPB(path, false))) return false;
        document_->markSaved(path);
        return true;
    }
    return saveAs();
}

bool MainCommands::saveAs()
{
    std::optional<std::string> chosen =
        dialogs_.showSave({kSaveFilter, kDefaultMapName, FileDialogs::kHideReadOnly});
    if (!chosen || chosen->empty() || !document_) return false;
    // Only a file that was written becomes the map's file and a recent entry.
    if (!report(map_->WriteNewMPB(*chosen, false))) return false;
    document_->markSaved(fullPath(*chosen));
    recent_.add(document_->path());
    windows_.recentFilesChanged();
    return true;
}

void MainCommands::openRecent(int n)
{
    const std::string path = recent_.path(n);
    if (path.size() >= 3 && mayCloseMap()) loadMap(path);
}

void MainCommands::importWad()
{
    if (!mayCloseMap()) return;
    std::optional<std::string> chosen = dialogs_.showOpen({kWadFilter, "", FileDialogs::kHideReadOnly});
    if (!chosen || chosen->empty() || !document_) return;
    WadImportChoice choice;
    if (!report(choice.load(*chosen)) || !windows_.chooseWadMap(choice)) return;
    // The map's textures, compiled map and headers go in a folder of its name in the current
    // directory, where the editor keeps its other files.
    const std::string worldDir = qz::inCurrentDirectory(choice.selectedName());
    std::string text;
    // The imported map has no file of its own yet: Save asks for a name.
    Outcome imported;
    document_->replace("Import Doom WAD Map",
                       [&] {
                           imported = choice.importInto(*map_, worldDir, text);
                           if (imported) map_->polishNextSeg();
                           return imported.ok;
                       },
                       "");
    if (!report(imported)) return;
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

void MainCommands::runWizard(WizardDialog which)
{
    if (!document_) return;
    // Every new map gets a new identity: the room wizard's New Map shows in it.
    const double mapId = map_->globalRecord(0).globalValue;
    windows_.showWizard(which);
    if (map_->globalRecord(0).globalValue != mapId) selection_.clearSelection();
    afterWizard();
}

void MainCommands::passageWizard()
{
    if (!document_ || !PassageWizard::selectionOk(windows_.selectListItems())) return;
    windows_.showWizard(WizardDialog::Passage);
    afterWizard();
}

void MainCommands::splitWall()
{
    if (!document_ || !SplitWallWizard::selectionOk(*map_)) return;
    windows_.showWizard(WizardDialog::SplitWall);
    afterWizard();
}

void MainCommands::blockRoomWizard(bool (*generate)(MapDocument&, float))
{
    if (document_ && generate(*document_, qz::rnd())) afterWizard();
}

void MainCommands::afterWizard()
{
    map_->listLines();
    mapView_.redraw();
}

void MainCommands::setClickMode(int mode)
{
    if (!map_) return;
    // An outline half drawn belongs to the Draw tool only.
    if (mode != map_->clickMode) mapView_.cancelDrawing();
    map_->clickMode = static_cast<int16_t>(mode);
}

}  // namespace qzedit
