#include "editor/shell/hand_edit_windows.h"

#include <QAction>
#include <QActionGroup>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QToolBar>

#include "editor/document/map_document.h"
#include "editor/model/clsMap.h"
#include "editor/shell/frm_map.h"
#include "editor/shell/frm_textures.h"
#include "editor/shell/logic/hand_edit_commands.h"
#include "editor/shell/logic/main_commands.h"
#include "editor/shell/logic/project_selection.h"
#include "editor/shell/logic/property_grid.h"
#include "editor/shell/logic/texture_browser.h"
#include "editor/shell/property_grid_window.h"
#include "editor/shell/texture_images.h"
#include "editor/shell/toolbar_icons.h"
#include "platform/files.h"
#include "platform/program_folders.h"

namespace qzedit {

// The desktop's clipboard through Qt.
class QtClipboard : public ClipboardPort {
public:
    std::string text() const override { return QGuiApplication::clipboard()->text().toStdString(); }
    void setText(const std::string& text) override { QGuiApplication::clipboard()->setText(QString::fromStdString(text)); }
};

namespace {

constexpr int kSwatchSide = 16;
constexpr int kBrowserHeight = 150;

QAction* menuAction(QMainWindow& window, MainCommands& commands, const char* name, const char* caption,
                    const QKeySequence& shortcut = {})
{
    auto* action = new QAction(caption, &window);
    action->setObjectName(name);
    if (!shortcut.isEmpty()) action->setShortcut(shortcut);
    const std::string command = name;
    QObject::connect(action, &QAction::triggered, &window, [&commands, command] { commands.run(command); });
    return action;
}

// Inserts the action after the one named `after` in the menu, or at its end.
void insertAfter(QMenu& menu, const char* after, QAction* action)
{
    const QList<QAction*> actions = menu.actions();
    for (qsizetype k = 0; k < actions.size(); ++k)
        if (actions[k]->objectName() == after) {
            menu.insertAction(k + 1 < actions.size() ? actions[k + 1] : nullptr, action);
            return;
        }
    menu.addAction(action);
}

void addMenus(QMainWindow& window, MainCommands& commands)
{
    QAction* drawTool = menuAction(window, commands, "itmDrawTool", "Dra&w Walls and Rooms", QKeySequence(Qt::Key_D));
    if (auto* edit = window.findChild<QMenu*>("mnuEdit")) {
        insertAfter(*edit, "itmPaste", menuAction(window, commands, "itmDuplicate", "D&uplicate", QKeySequence(Qt::CTRL | Qt::Key_D)));
        QAction* remove = menuAction(window, commands, "itmDelete", "&Delete", QKeySequence(QKeySequence::Delete));
        insertAfter(*edit, "itmDuplicate", remove);
        insertAfter(*edit, "itmDelArea", drawTool);
        edit->insertSeparator(drawTool);
    }
    if (auto* windows = window.findChild<QMenu*>("mnuWindow"))
        windows->addAction(menuAction(window, commands, "itmTextureWin", "&Texture browser"));

    // The Draw tool is the sixth of the toolbar's tools, after Shear.
    QAction* shear = window.findChild<QAction*>("shear");
    auto* toolbar = window.findChild<QToolBar*>("Toolbar1");
    if (!shear || !toolbar) return;
    auto* draw = new QAction(toolbarIcon("draw"), "Draw walls and rooms", toolbar);
    draw->setObjectName("draw");
    draw->setToolTip("Draw walls and rooms (D)");
    draw->setCheckable(true);
    const QList<QAction*> actions = toolbar->actions();
    const qsizetype at = actions.indexOf(shear);
    toolbar->insertAction(at + 1 < actions.size() ? actions[at + 1] : nullptr, draw);
    if (shear->actionGroup()) shear->actionGroup()->addAction(draw);
    QObject::connect(draw, &QAction::triggered, &window, [&commands] { commands.run("draw"); });
    // The menu item picks the same tool, so the button shows it picked.
    QObject::connect(drawTool, &QAction::triggered, draw, [draw] { draw->setChecked(true); });
}

}  // namespace

HandEditWindows::HandEditWindows(QMainWindow& window, MainCommands& commands, MapDocument& document,
                                 ProjectSelection& selection, PropertyGridWindow& properties, frmMap& mapView,
                                 FileDialogs& dialogs, std::function<std::vector<std::string>()> pickedWalls)
    : QObject(&window),
      window_(window),
      properties_(properties),
      clipboard_(std::make_unique<QtClipboard>()),
      commands_(std::make_unique<HandEditCommands>(document, selection, properties.grid(), mapView.controller(),
                                                   *clipboard_, std::move(pickedWalls)))
{
    commands_->addTo(commands);
    textures_ = std::make_unique<TextureBrowser>(document, [this] { return commands_->currentSelection(); });
    textureWindow_ = new frmTextures(*textures_, dialogs, &window);
    // Below the map, so that the windows at the right edge stay in sight; a row of textures high.
    window.addDockWidget(Qt::BottomDockWidgetArea, textureWindow_);
    textureWindow_->hide();
    commands.add("itmTextureWin", [this] {
        if (!textureWindow_->isVisible()) window_.resizeDocks({textureWindow_}, {kBrowserHeight}, Qt::Vertical);
        textureWindow_->show();
        textureWindow_->raise();
    });
    addMenus(window, commands);

    mapView.controller().roomDrawn = [&selection, &mapView](int32_t area) {
        selection.selArea(area);
        mapView.controller().flashArea(area);
    };
    PropertyGrid& grid = properties.grid();
    textures_->onChosen = [&grid, &mapView] {
        if (grid.selType() != PropertyGrid::kNothing) grid.showRecordAgain();
        mapView.controller().redraw();
    };
    const auto swatchesFollow = textures_->onChanged;
    textures_->onChanged = [this, swatchesFollow] {
        if (swatchesFollow) swatchesFollow();
        showSwatches();
    };
    textures_->useHeader(defaultTextureHeader(qz::currentDirectory(), qz::programFolder()));
    // Whatever selects another record shows it in the grid: the browser marks its texture.
    const auto gridShows = grid.onChanged;
    grid.onChanged = [this, gridShows] {
        if (gridShows) gridShows();
        textureWindow_->showSelected();
    };
}

HandEditWindows::~HandEditWindows() = default;

void HandEditWindows::showSwatches()
{
    properties_.setSwatches([this](TextureField field, int32_t number) {
        const TextureCatalogue& catalogue = textures_->catalogue();
        return QPixmap::fromImage(textureImage(catalogue.picture(listOf(field), number), catalogue.colours())
                                      .scaled(kSwatchSide, kSwatchSide, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    });
}

}  // namespace qzedit
