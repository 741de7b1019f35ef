#pragma once
#include <QObject>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QMainWindow;

namespace qzedit {

class FileDialogs;
class HandEditCommands;
class MainCommands;
class MapDocument;
class ProjectSelection;
class PropertyGridWindow;
class TextureBrowser;
class frmMap;
class frmTextures;
class QtClipboard;

// Editing by hand in the editor: the Draw tool's toolbar button and menu item, Edit's Delete,
// Duplicate and the clipboard's items, the texture browser (Window › Texture browser) and the
// property grid's texture swatches. The main window makes it once its map and windows exist.
class HandEditWindows : public QObject {
    Q_OBJECT
public:
    HandEditWindows(QMainWindow& window, MainCommands& commands, MapDocument& document, ProjectSelection& selection,
                    PropertyGridWindow& properties, frmMap& mapView, FileDialogs& dialogs,
                    std::function<std::vector<std::string>()> pickedWalls);
    ~HandEditWindows() override;

    HandEditCommands& commands() { return *commands_; }
    TextureBrowser& textures() { return *textures_; }
    frmTextures& textureWindow() { return *textureWindow_; }

private:
    void showSwatches();

    QMainWindow& window_;
    PropertyGridWindow& properties_;
    std::unique_ptr<QtClipboard> clipboard_;
    std::unique_ptr<HandEditCommands> commands_;
    std::unique_ptr<TextureBrowser> textures_;
    frmTextures* textureWindow_;
};

}  // namespace qzedit
