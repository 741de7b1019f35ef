#include "editor/wizards/frm_stair_wizard.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "editor/document/map_document.h"
#include "editor/wizards/dialog_parts.h"

namespace qzedit {

frmStairWizard::frmStairWizard(MapDocument& document, QWidget* parent) : QDialog(parent), document_(document)
{
    setObjectName("frmStairWizard");
    setWindowTitle(StairWizard::kCaption);
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(titleLabel("Stair Wizard", this));
    auto* grid = new QGridLayout;
    layout->addLayout(grid);
    bindText(addTextRow(grid, 0, "lblHeightInc", "Height increment", "txtHeightInc"), wizard_.heightInc);
    txtStartX_ = addTextRow(grid, 1, "lblStartX", "StartX:", "txtStartX");
    txtStartY_ = addTextRow(grid, 2, "lblStartY", "StartY:", "txtStartY");
    bindText(txtStartX_, wizard_.startX);
    bindText(txtStartY_, wizard_.startY);
    bindText(addTextRow(grid, 3, "lblStairWidth", "Stair width", "txtStairWidth"), wizard_.stairWidth);
    bindText(addTextRow(grid, 4, "lblNumStairs", "# stairs", "txtNumStairs"), wizard_.numStairs);

    addFinishCancelRow(this, layout, [this] { cmdOK_Click(); });
}

void frmStairWizard::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    Form_Activate();
}

void frmStairWizard::Form_Activate()
{
    wizard_.activate(document_.map());
    txtStartX_->setText(QString::fromStdString(wizard_.startX));
    txtStartY_->setText(QString::fromStdString(wizard_.startY));
}

void frmStairWizard::cmdOK_Click()
{
    if (wizard_.finish(document_)) accept();
}

}  // namespace qzedit
