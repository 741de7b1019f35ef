#include "editor/shell/mdi_form1.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QListWidget>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSessionManager>
#include <QStatusBar>

#include "editor/model/clsMap.h"
#include "editor/shell/authoring_menus.h"
#include "editor/shell/frm_check_map.h"
#include "editor/shell/frm_drag_drop.h"
#include "editor/shell/frm_import_wad.h"
#include "editor/shell/frm_map.h"
#include "editor/shell/frm_project.h"
#include "editor/shell/property_grid_window.h"
#include "editor/shell/side_editor_window.h"
#include "editor/shell/frm_select.h"
#include "editor/shell/hand_edit_windows.h"
#include "editor/shell/frm_splash.h"
#include "editor/shell/help_window.h"
#include "editor/shell/logic/startup_log.h"
#include "editor/shell/logic/undo_refresh.h"
#include "editor/shell/logic/window_caption.h"
#include "editor/shell/logic/window_layout.h"
#include "editor/shell/main_menu.h"
#include "editor/shell/qt_file_dialogs.h"
#include "editor/shell/toolbar_icons.h"
#include "editor/wizards/frm_col_wizard.h"
#include "editor/wizards/frm_passage_wizard.h"
#include "editor/wizards/frm_room_wizard.h"
#include "editor/wizards/frm_shape_wizard.h"
#include "editor/wizards/frm_split_wall.h"
#include "editor/wizards/frm_stair_wizard.h"
#include "platform/program_folders.h"
#include "editor/shell/work_keeper.h"

namespace qzedit {

namespace {

QRect pixels(const TwipRect& r)
{
    return QRect(twipsToPixels(r.left), twipsToPixels(r.top), twipsToPixels(r.width), twipsToPixels(r.height));
}

// A menu caption shows "&" as a mnemonic; an ampersand in a path must stay one.
QString menuCaption(const std::string& caption)
{
    QString text = QString::fromStdString(caption);
    qsizetype split = text.indexOf(' ');
    return text.left(split + 1) + text.mid(split + 1).replace("&", "&&");
}

}  // namespace

MDIForm1::MDIForm1(StartupLog& log, FileDialogs* dialogs)
    : ownDialogs_(dialogs ? nullptr : std::make_unique<QtFileDialogs>(this)),
      dialogs_(dialogs ? dialogs : ownDialogs_.get()),
      mdi_(new QMdiArea(this)),
      statusPanel1_(new QLabel(this)),
      statusPanel2_(new QLabel(this)),
      statusPanel3_(new QLabel(this))
{
    setObjectName("MDIForm1");
    setWindowTitle("Quarzite3D Map Editor");
    setWindowIcon(QIcon(logoPixmap(64)));
    mdi_->setObjectName("MDIClient");
    mdi_->setBackground(QColor(128, 128, 128));
    setCentralWidget(mdi_);
    statusBar()->setObjectName("StatusBar1");
    statusPanel1_->setObjectName("Panel1");
    statusPanel1_->setMinimumWidth(220);
    statusBar()->addWidget(statusPanel1_);
    statusPanel2_->setObjectName("Panel2");
    statusPanel2_->setMinimumWidth(220);
    statusBar()->addWidget(statusPanel2_);
    statusPanel3_->setObjectName("Panel3");
    statusPanel3_->setMinimumWidth(220);
    statusBar()->addWidget(statusPanel3_);
    resize(1280, 800);

    CommandRunner run = [this](const QString& name) {
        if (commands_) commands_->run(name.toStdString());
        updateAuthoringState();
    };
    buildMenuBar(*this, run);
    addAuthoringMenus(*this, run);
    buildToolbar(*this, run);

    log.line("Loading INI");
    map_view_ = new frmMap;
    properties_ = new PropertyGridWindow;
    selection_ = std::make_unique<ProjectSelection>(properties_->grid(), map_view_->controller());
    ShellWindows& windows = *this;
    commands_ = std::make_unique<MainCommands>(windows, *dialogs_, map_view_->controller(),
                                               *selection_);
    commands_->recentFiles().load();
    map_view_->controller().setGrid(loadGridSettings());
    log.line("Setting recent files");
    updateRecentCaptions();
    log.line("Setting HLP");

    log.line("Loading Map");
    addChild(map_view_);
    log.line("Loading Project");
    project_ = new frmProject;
    addChild(project_);
    log.line("Loading Props");
    addChild(properties_);
    log.line("Load Render");
    log.line("Load Select");
    select_ = new frmSelect;
    addChild(select_);
    dragDrop_ = new frmDragDrop;
    addChild(dragDrop_);
    sideEditor_ = new SideEditorWindow(this);
    checkMap_ = new frmCheckMap(*selection_, map_view_->controller());
    addChild(checkMap_)->resize(720, 280);
    commands_->add("itmCheckMap", [this] { showCheckMap(); });
    log.line("Finished forms");

    project_->setSelection(selection_.get());
    selection_->selectNode = [this](const std::string& key) { project_->selectNode(key); };
    selection_->clearSelectList = [this] { select_->clearList(); };
    properties_->grid().redrawMap = [this] { map_view_->controller().redraw(); };
    sideEditor_->editor().redrawMap = [this] { map_view_->controller().redraw(); };

    log.line("Adjusting windows");
    arrangeWindows();

    log.line("Creating a class");
    map_ = std::make_unique<clsMap>();
    MapShell& shell = *this;
    map_->setShell(&shell);
    document_ = std::make_unique<MapDocument>(*map_);
    map_view_->setMap(map_.get());
    map_view_->controller().setDocument(document_.get());
    properties_->grid().setMap(map_.get());
    properties_->grid().setDocument(document_.get());
    selection_->setMap(map_.get());
    commands_->setDocument(document_.get());
    checkMap_->list().setMap(map_.get());
    undoRefresh_ = std::make_unique<UndoRefresh>(*document_, *selection_, properties_->grid(), map_view_->controller());
    workKeeper_ = std::make_unique<WorkKeeper>(*document_);
    workKeeper_->autosave().onFailure = [this](const std::string& message) {
        statusBar()->showMessage(QString::fromStdString(message), 10000);
    };
    document_->addStateListener([this] { updateAuthoringState(); });
    document_->addListener([this](const MapDocument::Event&) {
        if (checkMap_->isVisible()) checkMap_->checkAgain();
    });
    handEdit_ = new HandEditWindows(*this, *commands_, *document_, *selection_, *properties_, *map_view_, *dialogs_,
                                    [this] { return selectListItems(); });
    connect(qApp, &QGuiApplication::commitDataRequest, this, &MDIForm1::commitData);
    updateAuthoringState();

    for (QWidget* form : std::initializer_list<QWidget*>{map_view_, project_, properties_}) form->parentWidget()->show();

    log.line("Listing lines");
    map_->listLines();
    log.line("Done.");
    log.close();
}

MDIForm1::~MDIForm1()
{
    // The windows go before the map; none of them may reach it while they are torn down.
    if (map_) map_->setShell(nullptr);
    map_view_->setMap(nullptr);
}

QMdiSubWindow* MDIForm1::addChild(QWidget* form)
{
    // Closing a child hides it; it is created once and kept.
    auto* window = new QMdiSubWindow;
    window->setObjectName(form->objectName() + "Window");
    window->setWidget(form);
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    window->setWindowTitle(form->windowTitle());
    window->setWindowIcon(windowIcon());
    mdi_->addSubWindow(window);
    window->hide();
    return window;
}

void MDIForm1::showChild(QWidget* form)
{
    QWidget* window = form->parentWidget();
    window->show();
    window->raise();
    mdi_->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(window));
}

void MDIForm1::arrangeWindows()
{
    QSize size = frameGeometry().size();
    WindowArrangement a = qzedit::arrangeWindows(pixelsToTwips(size.width()), pixelsToTwips(size.height()));
    project_->parentWidget()->setGeometry(pixels(a.project));
    properties_->parentWidget()->setGeometry(pixels(a.properties));
    map_view_->parentWidget()->setGeometry(pixels(a.map));
}

void MDIForm1::selectWall(int32_t n)
{
    selection_->selWall(n);
    clearSelectList();
    addSelectItem("Wall #" + std::to_string(n));
}

void MDIForm1::updateRecentCaptions()
{
    for (int n = 1; n <= RecentFiles::kCount; ++n)
        if (auto* action = findChild<QAction*>("itmRecentFile" + QString::number(n))) {
            action->setText(menuCaption(commands_->recentFiles().caption(n)));
            // An entry without a map is no use to show.
            action->setVisible(!commands_->recentFiles().path(n).empty());
        }
}

void MDIForm1::updateAuthoringState()
{
    if (!document_) return;
    setWindowTitle(QString::fromStdString(mainWindowCaption(document_->path(), document_->modified())));
    updateAuthoringMenus(*this, document_.get(), map_view_->controller().grid());
}

void MDIForm1::showCheckMap()
{
    checkMap_->checkAgain();
    showChild(checkMap_);
}

void MDIForm1::closeEvent(QCloseEvent* event)
{
    // Unsaved changes are the user's to keep or drop; Cancel leaves the editor as it was.
    if (!closeDecided_ && commands_ && !commands_->mayCloseMap()) {
        event->ignore();
        return;
    }
    closeDecided_ = true;
    // A clean exit leaves nothing to recover.
    if (workKeeper_ && !keepRecovery_) workKeeper_->autosave().finish();
    // Closing the main window ends the editor, whatever tool windows are still open.
    event->accept();
    QApplication::quit();
}

void MDIForm1::commitData(QSessionManager& manager)
{
    if (closeDecided_ || !commands_) return;
    if (manager.allowsInteraction()) {
        const bool mayEnd = commands_->mayCloseMap();
        manager.release();
        if (mayEnd)
            closeDecided_ = true;
        else
            manager.cancel();
        return;
    }
    if (document_ && document_->modified() && workKeeper_) {
        workKeeper_->autosave().keepNow();
        keepRecovery_ = true;
    }
    closeDecided_ = true;
}

void MDIForm1::showMapView() { showChild(map_view_); }

void MDIForm1::showPropertyGrid() { showChild(properties_); }

void MDIForm1::showProject() { showChild(project_); }

void MDIForm1::showDragDrop() { showChild(dragDrop_); }

void MDIForm1::showSelect() { showChild(select_); }

void MDIForm1::showSideEditor()
{
    QRect frame = frameGeometry();
    sideEditor_->move(frame.left() + frame.width(), frame.top());
    sideEditor_->show();
    sideEditor_->raise();
}

void MDIForm1::showHelp()
{
    if (!help_) help_ = new HelpWindow(this);
    help_->show();
    help_->raise();
    help_->activateWindow();
}

void MDIForm1::showAbout()
{
    auto* about = new frmSplash(false, this);
    about->show();
}

void MDIForm1::takeFocus() { activateWindow(); }

bool MDIForm1::chooseWadMap(WadImportChoice& choice)
{
    frmImportWAD dialog(choice, this);
    return dialog.exec() == QDialog::Accepted;
}

void MDIForm1::showWizard(WizardDialog which)
{
    QDialog*& dialog = wizards_[which];
    if (!dialog) {
        MapDocument& doc = *document_;
        switch (which) {
        case WizardDialog::Room: dialog = new frmRoomWizard(doc, this); break;
        case WizardDialog::Column: dialog = new frmColWizard(doc, this); break;
        case WizardDialog::Stair: dialog = new frmStairWizard(doc, this); break;
        case WizardDialog::Passage:
            dialog = new frmPassageWizard(doc, [this] { return selectListItems(); }, this);
            break;
        case WizardDialog::SplitWall: dialog = new frmSplitWall(doc, this); break;
        case WizardDialog::Shape: dialog = new frmShapeWizard(doc, qz::dataFolder(qz::programFolder(), "shapes"), this); break;
        }
    }
    dialog->exec();
}

std::vector<std::string> MDIForm1::selectListItems() const
{
    std::vector<std::string> items;
    for (int i = 0; i < select_->list().count(); ++i) items.push_back(select_->list().item(i)->text().toStdString());
    return items;
}

void MDIForm1::exitProgram()
{
    // The user was asked before this; the window's close must not ask again.
    closeDecided_ = true;
    close();
}

void MDIForm1::deselectSideDef() { map_view_->controller().deselectSideDef(); }

void MDIForm1::selWall(int32_t n) { selection_->selWall(n); }

void MDIForm1::clearSelectList() { select_->clearList(); }

void MDIForm1::addSelectItem(const std::string& item) { select_->addItem(item); }

void MDIForm1::doEvents() { QApplication::processEvents(QEventLoop::ExcludeUserInputEvents); }

void MDIForm1::setStatusPanelText(int panel, const std::string& text)
{
    if (panel == 1) statusPanel1_->setText(QString::fromStdString(text));
    if (panel == 2) statusPanel2_->setText(QString::fromStdString(text));
    if (panel == 3) statusPanel3_->setText(QString::fromStdString(text));
}

void MDIForm1::resetList() { project_->resetList(); }

void MDIForm1::addTreeNode(const std::string& parentKey, const std::string& key, const std::string& text)
{
    project_->addNode(parentKey, key, text);
}

}  // namespace qzedit
