#pragma once
#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "editor/wizards/logic/passage_wizard.h"

class QCheckBox;
class QLabel;
class QLineEdit;

namespace qzedit {

class MapDocument;

// The passage wizard (caption "Passage Wizard"): a passage cut between the two walls of the select
// window's list. Its text boxes are filled once; later openings keep what was typed.
class frmPassageWizard : public QDialog {
    Q_OBJECT
public:
    using WallList = std::function<std::vector<std::string>()>;
    // selectedWalls gives the select window's items, top first.
    frmPassageWizard(MapDocument& document, WallList selectedWalls, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Form_Activate();
    void cmdOK_Click();

    MapDocument& document_;
    WallList selectedWalls_;
    PassageWizard wizard_;
    QLabel* lblWallHeight_;
    QLabel* lblStartHeight_;
    QLabel* lblEndHeight_;
    QLineEdit* txtHeight_;
    QLineEdit* txtStartHeight_;
    QCheckBox* chkSplitWall_;
};

}  // namespace qzedit
