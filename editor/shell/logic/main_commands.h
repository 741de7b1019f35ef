#pragma once
#include <functional>
#include <map>
#include <string>

#include "editor/shell/logic/map_grid.h"
#include "editor/shell/logic/recent_files.h"
#include "editor/shell/logic/shell_windows.h"

namespace qzedit {

class clsMap;
class MapDocument;
class FileDialogs;
class MapViewController;
class ProjectSelection;
class RecoveryFolder;

// The main window's commands, by menu item name or toolbar key: files, recent files, zoom, tool
// modes, windows and help. Every command runs guarded: a run-time error shows a message and the
// editor goes on.
class MainCommands {
public:
    static constexpr const char* kOpenFilter = "Quarzite3D Map file (*.map)|*.map|All files (*.*)|*.*";
    static constexpr const char* kSaveFilter = "Map (*.map)|*.map";
    static constexpr const char* kDefaultMapName = "untitled.map";
    static constexpr const char* kWadFilter = "Doom WAD file (*.wad)|*.wad;*.WAD|All files (*.*)|*.*";

    MainCommands(ShellWindows& windows, FileDialogs& dialogs, MapViewController& mapView, ProjectSelection& selection);

    // The document comes after the windows (start-up creates the map last).
    void setDocument(MapDocument* document);
    RecentFiles& recentFiles() { return recent_; }
    // The file of the map, "" for one that has none yet.
    const std::string& currentMapPath() const;

    // Runs the command of that menu item name or toolbar key; false when there is none.
    bool run(const std::string& name);
    // A command of a window of its own (Check Map), run like the others.
    void add(const std::string& name, std::function<void()> command);
    // Opens a map file as Open Map does after its dialog (also the command line's file).
    void openMapFile(const std::string& path);
    // Before the map is put aside or the editor ends: asks to save unsaved changes; false on Cancel.
    bool mayCloseMap();
    // At start: offers the maps that editors which ended without saving left in the folder.
    void offerRecovery(RecoveryFolder& folder);

private:
    void newMap();
    void openMap();
    bool saveMap();
    bool saveAs();
    void openRecent(int n);
    void importWad();
    void zoomIn();
    void zoomOut();
    void setClickMode(int mode);
    void runWizard(WizardDialog which);
    void passageWizard();
    void splitWall();
    void blockRoomWizard(bool (*generate)(MapDocument&, float));
    void afterWizard();
    bool loadMap(const std::string& path);
    // The map as it now is in every window: after it was put in place whole.
    void showNewMap();
    void changeGrid(const std::function<void(GridSettings&)>& change);

    ShellWindows& windows_;
    FileDialogs& dialogs_;
    MapViewController& mapView_;
    ProjectSelection& selection_;
    MapDocument* document_ = nullptr;
    clsMap* map_ = nullptr;
    RecentFiles recent_;
    std::map<std::string, std::function<void()>> commands_;
};

}  // namespace qzedit
