#include "editor/shell/main_menu.h"

#include <QAction>
#include <QActionGroup>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include "editor/shell/toolbar_icons.h"

namespace qzedit {

namespace {

// Items whose windows are not part of this editor yet are shown disabled.
enum Flags { kNone = 0, kHidden = 1, kDisabled = 2 };

struct Item {
    const char* name;  // nullptr: a separator
    const char* caption;
    int flags = kNone;
    QKeySequence shortcut = {};
};

struct Menu {
    const char* name;
    const char* caption;
    std::vector<Item> items;
};

const Item kSeparator {nullptr, ""};

std::vector<Menu> menus()
{
    return {
        {"mnuFile",
         "&File",
         {{"itmNewMap", "&New Map"},
          kSeparator,
          {"itmOpenMap", "&Open Map..."},
          {"itmSaveMap", "&Save Map..."},
          {"itmSaveAs", "Save Map &As..."},
          kSeparator,
          {"itmExportMap", "&Compile and save map binary..."},
          kSeparator,
          {"itmImportWAD", "&Import Doom WAD map..."},
          kSeparator,
          {"itmRecentFile1", "&1 "},
          {"itmRecentFile2", "&2"},
          {"itmRecentFile3", "&3"},
          {"itmRecentFile4", "&4"},
          kSeparator,
          {"itmExit", "E&xit"}}},
        {"mnuEdit",
         "&Edit",
         {{"itmCut", "Cut", kNone, QKeySequence(Qt::CTRL | Qt::Key_X)},
          {"itmCopy", "Copy", kNone, QKeySequence(Qt::CTRL | Qt::Key_C)},
          {"itmPaste", "Paste", kNone, QKeySequence(Qt::CTRL | Qt::Key_V)},
          kSeparator,
          {"itmClear", "Clear"},
          {"itmDelArea", "Delete Area"}}},
        {"mnuView",
         "&View",
         {{"itmRedraw", "&Redraw", kNone, QKeySequence(Qt::CTRL | Qt::Key_R)},
          kSeparator,
          {"itmDrawTree", "Draw Tree", kHidden | kDisabled},
          {"itmZoomIn", "Zoom &In"},
          {"itmZoomOut", "Zoom &Out"}}},
        {"mnuSpecial",
         "Wi&zards",
         {{"itmRoomWizard", "&Room Wizard..."},
          {"itmShapeWizard", "Shape Wizard..."},
          {"itmColWizard", "&Column Wizard..."},
          {"itmWallWizard", "&Wall Wizard...", kHidden},
          {"itmSplitWall", "&Split wall..."},
          {"itmStairWizard", "Stair wizard..."},
          {"itmSwitchWizard", "Switch Wizard"},
          {"itmPassageWizard", "Passage Wizard..."},
          {"itmCaveWizard", "Cave wizard"},
          {"itmSetViewer", "Set viewer to Insert Position"}}},
        {"mnuWindow",
         "&Window",
         {{"itmAdjustWin", "Adjust windows"},
          kSeparator,
          {"itmPropWin", "Properties window", kNone, QKeySequence(Qt::Key_F4)},
          {"itmProjectWin", "Project window"},
          {"itmDragDropWin", "Drag and drop window"},
          {"itmRenderWin", "Render window"},
          {"itmSelectWin", "Select window"}}},
        {"mnuHelp",
         "&Help",
         {{"itmHelpContents", "Contents (press F1)", kNone, QKeySequence(Qt::Key_F1)},
          kSeparator,
          {"itmAbout", "About Quarzite3D Map Editor..."}}},
    };
}

struct Button {
    const char* key;
    const char* tip;
    const char* image;
};

const Button kSeparatorButton {nullptr, nullptr, nullptr};

}  // namespace

void buildMenuBar(QMainWindow& window, const CommandRunner& run)
{
    QMenuBar* bar = window.menuBar();
    for (const Menu& m : menus()) {
        QMenu* menu = bar->addMenu(m.caption);
        menu->setObjectName(m.name);
        for (const Item& item : m.items) {
            QAction* action = item.name ? menu->addAction(item.caption) : menu->addSeparator();
            action->setVisible(!(item.flags & kHidden));
            if (!item.name) continue;
            action->setObjectName(item.name);
            action->setEnabled(!(item.flags & kDisabled));
            if (!item.shortcut.isEmpty()) action->setShortcut(item.shortcut);
            QString name = item.name;
            QObject::connect(action, &QAction::triggered, &window, [run, name] { run(name); });
        }
    }
    // F1 opens the manual from every window of the editor.
    if (auto* help = window.findChild<QAction*>("itmHelpContents")) help->setShortcutContext(Qt::ApplicationShortcut);
}

void buildToolbar(QMainWindow& window, const CommandRunner& run)
{
    QToolBar* toolbar = window.addToolBar("Toolbar1");
    toolbar->setObjectName("Toolbar1");
    toolbar->setMovable(false);
    toolbar->setIconSize(QSize(24, 24));
    auto* tools = new QActionGroup(toolbar);
    tools->setExclusive(true);
    const Button buttons[] = {
        {"new", "New map", "new"},
        {"open", "Open new map", "open"},
        {"save", "Save current map", "save"},
        kSeparatorButton,
        {"select", "Select", "select"},
        {"move", "Move Selection", "move"},
        {"scale", "Scale Selection", "scale"},
        {"rotate", "Rotate Selection", "rotate"},
        {"shear", "Shear Selection", "shear"},
        kSeparatorButton,
        {"cut", "Cut (Ctrl-X)", "cut"},
        {"copy", "Copy (Ctrl-C)", "copy"},
        {"paste", "Paste (Ctrl-V)", "paste"},
        {"paint", "Paint current texture scheme", "paint"},
        kSeparatorButton,
        {"props", "Show Properties window", "props"},
        {"objects", "Show Project window", "objects"},
        {"wizard", "Show drag & drop window", "project"},
        {"render", "Show Render window", "render"},
    };
    for (const Button& b : buttons) {
        if (!b.key) {
            toolbar->addSeparator();
            continue;
        }
        QString key = b.key;
        QAction* action = toolbar->addAction(toolbarIcon(b.image), b.tip);
        action->setObjectName(key);
        action->setToolTip(b.tip);
        if (key == "select" || key == "move" || key == "scale" || key == "rotate" || key == "shear") {
            action->setCheckable(true);
            action->setChecked(key == "select");
            tools->addAction(action);
        }
        QObject::connect(action, &QAction::triggered, &window, [run, key] { run(key); });
    }
}

}  // namespace qzedit
