#pragma once
#include <QDialog>

#include "editor/wizards/logic/stair_wizard.h"

class QLineEdit;

namespace qzedit {

class MapDocument;

// The stair wizard (caption "Stair Wizard"): a flight of square steps from the insertion point.
class frmStairWizard : public QDialog {
    Q_OBJECT
public:
    frmStairWizard(MapDocument& document, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Form_Activate();
    void cmdOK_Click();

    MapDocument& document_;
    StairWizard wizard_;
    QLineEdit* txtStartX_;
    QLineEdit* txtStartY_;
};

}  // namespace qzedit
