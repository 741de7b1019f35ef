#pragma once
#include <QDialog>

class QCheckBox;
class QListWidget;
class QPushButton;

namespace qzedit {

class WadImportChoice;

// The Import Doom WAD map dialog: the maps of the chosen WAD to pick one from, and whether to take
// only the part around the player start that fits. The choice holds the logic.
class frmImportWAD : public QDialog {
    Q_OBJECT
public:
    frmImportWAD(WadImportChoice& choice, QWidget* parent = nullptr);

private:
    void lstMaps_Click();
    void updateOK();

    WadImportChoice& choice_;
    QListWidget* maps_;
    QCheckBox* fit_;
    QPushButton* ok_;
};

}  // namespace qzedit
