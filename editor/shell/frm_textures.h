#pragma once
#include <QDockWidget>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace qzedit {

class FileDialogs;
class TextureBrowser;

// The texture browser (caption "Textures"), a dockable window: the header in use (lblHeader, and
// cmdPickHeader "Header..." to choose another), the field a choice sets (cboTextureField) and the
// textures of that field's list with their numbers (lstTextures). A click on a texture gives it to
// the selected walls or area.
class frmTextures : public QDockWidget {
    Q_OBJECT
public:
    static constexpr int kIconSide = 64;

    frmTextures(TextureBrowser& browser, FileDialogs& dialogs, QWidget* parent = nullptr);

    QListWidget& list() { return *lstTextures_; }
    // Marks the texture the selected walls have in the field, or none when they differ.
    void showSelected();

private:
    void refresh();
    void pickHeader();

    TextureBrowser& browser_;
    FileDialogs& dialogs_;
    QLabel* lblHeader_;
    QPushButton* cmdPickHeader_;
    QComboBox* cboTextureField_;
    QListWidget* lstTextures_;
};

}  // namespace qzedit
