#include "editor/preview/preview_windows.h"

#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <unistd.h>

#include "editor/document/map_document.h"
#include "editor/model/clsMap.h"
#include "editor/preview/frm_control.h"
#include "editor/preview/engine_picture.h"
#include "editor/preview/frm_render.h"
#include "editor/preview/live_preview_window.h"
#include "editor/preview/logic/scratch_files.h"
#include "editor/preview/viewer_marker.h"
#include "editor/shell/frm_map.h"
#include "editor/shell/logic/command_guard.h"
#include "editor/shell/mdi_form1.h"
#include "editor/shell/picture_box.h"
#include "platform/files.h"
#include "platform/program_folders.h"

namespace qzedit {

namespace {

// The live preview's own header and map, one pair per running editor.
HeaderChoice livePreviewFiles(std::string& mapPath)
{
    const std::string folder = editorScratchFolder();
    const std::string stem = "live-preview-" + std::to_string(getpid());
    mapPath = folder.empty() ? std::string() : folder + "/" + stem + ".mpb";
    return writePrivateHeader(qz::currentDirectory(), qz::programFolder(), folder, stem + ".hdr", mapPath);
}

}  // namespace

PreviewWindows::PreviewWindows(MDIForm1& editor, FileDialogs& dialogs, EngineBinding& engine)
    : QObject(&editor), editor_(editor), source_(editor.map())
{
    render_ = new frmRender(engine, source_);
    addChild(render_);
    control_ = new frmControl(engine, source_);
    addChild(control_);

    std::string livePath;
    HeaderChoice liveHeader = livePreviewFiles(livePath);
    live_ = new LivePreviewWindow(engine, editor.map(), liveHeader.path, livePath, liveHeader.fault, &editor);
    editor.addDockWidget(Qt::RightDockWidgetArea, live_);
    live_->hide();

    frmMap* mapView = editor.findChild<frmMap*>("frmMap");
    marker_ = new ViewerMarker(editor.map(), &mapView->picture());
    live_->viewerMovedHandler = [this](const std::optional<ViewerPlace>& place) { marker_->setPlace(place); };
    // A closed preview leaves no marker behind.
    connect(live_, &QDockWidget::visibilityChanged, this, [this](bool visible) {
        if (!visible) marker_->setPlace(std::nullopt);
    });
    // The right button sets the insertion point as it presses, before the menu shows.
    auto* fromHere = new QAction("Preview from here", &mapView->picture());
    fromHere->setObjectName("itmPreviewFromHere");
    mapView->picture().addAction(fromHere);
    mapView->picture().setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(fromHere, &QAction::triggered, this, [this] { runGuarded([this] { previewFromHere(); }); });

    editor.document().addListener([this](const MapDocument::Event&) { live_->scheduleRefresh(); });

    PreviewCommands::Hooks hooks;
    hooks.busyPointer = [](bool busy) {
        if (busy)
            QApplication::setOverrideCursor(Qt::ForbiddenCursor);
        else
            QApplication::restoreOverrideCursor();
    };
    hooks.clock = [] { return qz::secondsSinceMidnight(); };
    hooks.redrawMap = [mapView] { mapView->controller().redraw(); };
    hooks.relistMap = [&editor] { editor.map().listLines(); };
    commands_ = std::make_unique<PreviewCommands>(editor.map(), &editor.document(), dialogs, hooks);

    MainCommands& commands = editor.commands();
    commands.add("render", [this] { showChild(render_); });
    commands.add("itmRenderWin", [this] { showChild(control_); });
    commands.add("itmSetViewer", [this] { commands_->setViewerToInsert(); });
    commands.add("itmExportMap", [this] { commands_->compileAndSave(); });
    commands.add("itmLivePreview", [this, &editor] {
        // Beside the map, as wide as the frame at its own size.
        if (!live_->isVisible()) editor.resizeDocks({live_}, {LivePreview::kFrameWidth + 8}, Qt::Horizontal);
        live_->show();
        live_->raise();
        live_->picture().setFocus();
    });
    if (auto* window = editor.findChild<QMenu*>("mnuWindow")) {
        QAction* item = window->addAction("3D Preview");
        item->setObjectName("itmLivePreview");
        connect(item, &QAction::triggered, this, [&commands] { commands.run("itmLivePreview"); });
    }
}

PreviewWindows::~PreviewWindows() = default;

QMdiSubWindow* PreviewWindows::addChild(QWidget* form)
{
    // Like the editor's other child windows: created once, hidden rather than destroyed.
    auto* window = new QMdiSubWindow;
    window->setObjectName(form->objectName() + "Window");
    window->setWidget(form);
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    window->setWindowIcon(editor_.windowIcon());
    editor_.findChild<QMdiArea*>("MDIClient")->addSubWindow(window);
    window->hide();
    return window;
}

void PreviewWindows::showChild(QWidget* form)
{
    auto* window = qobject_cast<QMdiSubWindow*>(form->parentWidget());
    window->show();
    window->adjustSize();
    window->raise();
    editor_.findChild<QMdiArea*>("MDIClient")->setActiveSubWindow(window);
}

void PreviewWindows::previewFromHere()
{
    if (!live_->isVisible()) live_->show();
    const clsMap& map = editor_.map();
    live_->preview().placeViewer(map.insertX, map.insertY);
}

}  // namespace qzedit
