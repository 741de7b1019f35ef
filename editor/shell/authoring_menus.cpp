#include "editor/shell/authoring_menus.h"

#include <QAction>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>

#include "editor/shell/logic/map_grid.h"
#include "editor/shell/logic/undo_menu.h"

namespace qzedit {

namespace {

QAction* makeAction(QMainWindow& window, const CommandRunner& run, const char* name, const char* caption,
                    const QList<QKeySequence>& shortcuts = {})
{
    auto* action = new QAction(caption, &window);
    action->setObjectName(name);
    action->setShortcuts(shortcuts);
    QString command = name;
    QObject::connect(action, &QAction::triggered, &window, [run, command] { run(command); });
    return action;
}

void setShortcut(QMainWindow& window, const char* name, const QKeySequence& shortcut)
{
    if (auto* action = window.findChild<QAction*>(name)) action->setShortcut(shortcut);
}

void show(QMainWindow& window, const char* name, const MenuItemState& state)
{
    if (auto* action = window.findChild<QAction*>(name)) {
        action->setText(QString::fromStdString(state.caption));
        action->setEnabled(state.enabled);
    }
}

void check(QMainWindow& window, const char* name, bool checked)
{
    if (auto* action = window.findChild<QAction*>(name)) action->setChecked(checked);
}

}  // namespace

void addAuthoringMenus(QMainWindow& window, const CommandRunner& run)
{
    setShortcut(window, "itmNewMap", QKeySequence(Qt::CTRL | Qt::Key_N));
    setShortcut(window, "itmOpenMap", QKeySequence(Qt::CTRL | Qt::Key_O));
    setShortcut(window, "itmSaveMap", QKeySequence(Qt::CTRL | Qt::Key_S));
    setShortcut(window, "itmSaveAs", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    setShortcut(window, "itmExit", QKeySequence(Qt::CTRL | Qt::Key_Q));

    if (auto* edit = window.findChild<QMenu*>("mnuEdit")) {
        QAction* first = edit->actions().value(0);
        edit->insertAction(first, makeAction(window, run, "itmUndo", "&Undo", {QKeySequence(Qt::CTRL | Qt::Key_Z)}));
        edit->insertAction(first, makeAction(window, run, "itmRedo", "&Redo",
                                             {QKeySequence(Qt::CTRL | Qt::Key_Y),
                                              QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}));
        edit->insertSeparator(first);
        edit->addSeparator();
        edit->addAction(makeAction(window, run, "itmCheckMap", "Check &Map"));
    }
    if (auto* view = window.findChild<QMenu*>("mnuView")) {
        view->addSeparator();
        view->addAction(makeAction(window, run, "itmZoomToFit", "Zoom to &Fit", {QKeySequence(Qt::Key_Home)}));
        view->addSeparator();
        QAction* showGrid = makeAction(window, run, "itmShowGrid", "Show &Grid");
        QAction* snap = makeAction(window, run, "itmSnapToGrid", "&Snap to Grid");
        for (QAction* toggle : {showGrid, snap}) toggle->setCheckable(true);
        view->addAction(showGrid);
        view->addAction(snap);
        view->addAction(makeAction(window, run, "itmFinerGrid", "Finer Grid", {QKeySequence(Qt::Key_BracketLeft)}));
        view->addAction(makeAction(window, run, "itmCoarserGrid", "Coarser Grid", {QKeySequence(Qt::Key_BracketRight)}));
    }
}

void updateAuthoringMenus(QMainWindow& window, const MapDocument* document, const GridSettings& grid)
{
    show(window, "itmUndo", undoMenuItem(document));
    show(window, "itmRedo", redoMenuItem(document));
    check(window, "itmShowGrid", grid.shown);
    check(window, "itmSnapToGrid", grid.snap);
}

}  // namespace qzedit
