#pragma once
#include <QMainWindow>
#include <map>
#include <memory>

#include "editor/document/map_document.h"
#include "editor/model/map_shell.h"
#include "editor/shell/logic/main_commands.h"
#include "editor/shell/logic/project_selection.h"
#include "editor/shell/logic/shell_windows.h"

class QDialog;
class QLabel;
class QSessionManager;
class QMdiArea;
class QMdiSubWindow;

namespace qzedit {

class clsMap;
class FileDialogs;
class HelpWindow;
class StartupLog;
class frmDragDrop;
class frmMap;
class frmProject;
class PropertyGridWindow;
class SideEditorWindow;
class frmSelect;
class frmCheckMap;
class HandEditWindows;
class UndoRefresh;
class WorkKeeper;

// The main window (caption "Quarzite3D Map Editor"): an MDI frame with the menus, the toolbar and
// the status bar; it loads the settings, creates the child windows and then the map object, and
// is the map's way to the windows.
class MDIForm1 : public QMainWindow, private ShellWindows, private MapShell {
    Q_OBJECT
public:
    // Runs the load sequence, writing its steps to log and closing it at the end. Without dialogs
    // the Qt file dialogs are used.
    explicit MDIForm1(StartupLog& log, FileDialogs* dialogs = nullptr);
    ~MDIForm1() override;

    clsMap& map() { return *map_; }
    MapDocument& document() { return *document_; }
    MainCommands& commands() { return *commands_; }
    FileDialogs& fileDialogs() { return *dialogs_; }
    WorkKeeper& workKeeper() { return *workKeeper_; }
    HandEditWindows& handEdit() { return *handEdit_; }
    // Arranges the child windows for the main window's present size.
    void arrangeWindows();
    // Selects wall n as a click on it in the map view does.
    void selectWall(int32_t n);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QMdiSubWindow* addChild(QWidget* form);
    void showChild(QWidget* form);
    void updateRecentCaptions();
    // The caption, Undo and Redo and the grid's items as the map and the settings now are.
    void updateAuthoringState();
    void showCheckMap();
    // Session end: the user is asked as on Exit; without a chance to ask, the map goes to the
    // recovery file and stays there for the next start.
    void commitData(QSessionManager& manager);

    // ShellWindows
    void showMapView() override;
    void showPropertyGrid() override;
    void showProject() override;
    void showDragDrop() override;
    void showSelect() override;
    void showSideEditor() override;
    void adjustWindows() override { arrangeWindows(); }
    void showHelp() override;
    void showAbout() override;
    void takeFocus() override;
    void exitProgram() override;
    void recentFilesChanged() override { updateRecentCaptions(); }
    bool chooseWadMap(WadImportChoice& choice) override;
    void showWizard(WizardDialog which) override;
    std::vector<std::string> selectListItems() const override;

    // MapShell
    void deselectSideDef() override;
    void selWall(int32_t n) override;
    void clearSelectList() override;
    void addSelectItem(const std::string& item) override;
    void doEvents() override;
    void setStatusPanelText(int panel, const std::string& text) override;
    void resetList() override;
    void addTreeNode(const std::string& parentKey, const std::string& key, const std::string& text) override;

    std::unique_ptr<FileDialogs> ownDialogs_;
    FileDialogs* dialogs_;
    QMdiArea* mdi_;
    QLabel* statusPanel1_;
    QLabel* statusPanel2_;
    QLabel* statusPanel3_;
    frmMap* map_view_ = nullptr;
    frmProject* project_ = nullptr;
    PropertyGridWindow* properties_ = nullptr;
    frmSelect* select_ = nullptr;
    frmDragDrop* dragDrop_ = nullptr;
    SideEditorWindow* sideEditor_ = nullptr;
    HelpWindow* help_ = nullptr;
    // The wizard dialogs, each made on first use and kept hidden between uses.
    std::map<WizardDialog, QDialog*> wizards_;
    frmCheckMap* checkMap_ = nullptr;
    // Closing goes ahead without asking: the user has answered already.
    bool closeDecided_ = false;
    // The session ended without a chance to ask: the recovery file stays for the next start.
    bool keepRecovery_ = false;
    std::unique_ptr<ProjectSelection> selection_;
    std::unique_ptr<MainCommands> commands_;
    std::unique_ptr<clsMap> map_;
    std::unique_ptr<MapDocument> document_;
    std::unique_ptr<UndoRefresh> undoRefresh_;
    std::unique_ptr<WorkKeeper> workKeeper_;
    HandEditWindows* handEdit_ = nullptr;
};

}  // namespace qzedit
