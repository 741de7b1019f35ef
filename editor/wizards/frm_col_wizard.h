#pragma once
#include <QDialog>

#include "editor/wizards/logic/column_wizard.h"

class QLineEdit;

namespace qzedit {

class MapDocument;

// The column wizard (caption "Column Wizard"): one free-standing column at the insertion point.
class frmColWizard : public QDialog {
    Q_OBJECT
public:
    frmColWizard(MapDocument& document, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Form_Activate();
    void cmdOK_Click();

    MapDocument& document_;
    ColumnWizard wizard_;
    QLineEdit* txtStartX_;
    QLineEdit* txtStartY_;
    QLineEdit* txtNumSides_;
    QLineEdit* txtSideLen_;
    QLineEdit* txtHeight_;
    QLineEdit* txtTexture_;
    QLineEdit* txtFlags_;
};

}  // namespace qzedit
