#pragma once
#include <QDialog>

#include "editor/wizards/logic/split_wall_wizard.h"

class QRadioButton;

namespace qzedit {

class MapDocument;

// The split-wall dialog (caption "Split Wall"): the selected wall in two or three pieces.
class frmSplitWall : public QDialog {
    Q_OBJECT
public:
    frmSplitWall(MapDocument& document, QWidget* parent = nullptr);

private:
    void cmdOK_Click();

    MapDocument& document_;
    SplitWallWizard wizard_;
    QRadioButton* optSplit_;
};

}  // namespace qzedit
