#pragma once
#include <string>
#include <vector>

#include "editor/shell/logic/shell_windows.h"

// The main window's windows as the commands see them: every call is kept by name.
struct FakeShellWindows : qzedit::ShellWindows {
    void showMapView() override { calls.push_back("showMapView"); }
    void showPropertyGrid() override { calls.push_back("showPropertyGrid"); }
    void showProject() override { calls.push_back("showProject"); }
    void showDragDrop() override { calls.push_back("showDragDrop"); }
    void showSelect() override { calls.push_back("showSelect"); }
    void showSideEditor() override { calls.push_back("showSideEditor"); }
    void adjustWindows() override { calls.push_back("adjustWindows"); }
    void showHelp() override { calls.push_back("showHelp"); }
    void showAbout() override { calls.push_back("showAbout"); }
    void takeFocus() override { calls.push_back("takeFocus"); }
    void exitProgram() override { calls.push_back("exitProgram"); }
    void recentFilesChanged() override { calls.push_back("recentFilesChanged"); }
    bool chooseWadMap(qzedit::WadImportChoice&) override
    {
        calls.push_back("chooseWadMap");
        return false;
    }
    void showWizard(qzedit::WizardDialog) override { calls.push_back("showWizard"); }
    std::vector<std::string> selectListItems() const override { return {}; }

    std::vector<std::string> calls;
};
