#include "editor/wizards/frm_col_wizard.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <tuple>

#include "editor/document/map_document.h"
#include "editor/wizards/dialog_parts.h"

namespace qzedit {

frmColWizard::frmColWizard(MapDocument& document, QWidget* parent) : QDialog(parent), document_(document)
{
    setObjectName("frmColWizard");
    setWindowTitle(ColumnWizard::kCaption);
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    layout->addLayout(grid);
    std::tie(txtStartX_, txtStartY_) = addBeginRow(grid, 0);
    txtNumSides_ = addTextRow(grid, 1, "lblNumSides", "Num Sides", "txtNumSides");
    txtSideLen_ = addTextRow(grid, 2, "lblSideLen", "Side length:", "txtSideLen");
    txtHeight_ = addTextRow(grid, 3, "lblHeight", "Height", "txtHeight");
    txtTexture_ = addTextRow(grid, 4, "lblTexture", "Texture #", "txtTexture");
    txtFlags_ = addTextRow(grid, 5, "lblFlags", "Texture type", "txtFlags");

    addFinishCancelRow(this, layout, [this] { cmdOK_Click(); });

    bindText(txtStartX_, wizard_.startX);
    bindText(txtStartY_, wizard_.startY);
    bindText(txtNumSides_, wizard_.numSides);
    bindText(txtSideLen_, wizard_.sideLen);
    bindText(txtHeight_, wizard_.height);
    bindText(txtTexture_, wizard_.texture);
    bindText(txtFlags_, wizard_.flags);
}

void frmColWizard::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    Form_Activate();
}

void frmColWizard::Form_Activate()
{
    wizard_.activate(document_.map());
    txtStartX_->setText(QString::fromStdString(wizard_.startX));
    txtStartY_->setText(QString::fromStdString(wizard_.startY));
}

void frmColWizard::cmdOK_Click()
{
    if (wizard_.finish(document_)) accept();
}

}  // namespace qzedit
