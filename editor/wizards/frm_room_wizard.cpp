#include "editor/wizards/frm_room_wizard.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

#include <tuple>

#include "editor/document/map_document.h"
#include "editor/wizards/dialog_parts.h"

namespace qzedit {

frmRoomWizard::frmRoomWizard(MapDocument& document, QWidget* parent)
    : QDialog(parent), document_(document), List1_(new QListWidget(this)), chkNewMap_(new QCheckBox("New Map", this))
{
    setObjectName("frmRoomWizard");
    setWindowTitle(RoomWizard::kCaption);
    setModal(true);
    List1_->setObjectName("List1");
    for (const char* type : RoomWizard::kRoomTypes) List1_->addItem(type);
    List1_->setMaximumHeight(60);
    chkNewMap_->setObjectName("chkNewMap");

    auto* grid = new QGridLayout;
    grid->addWidget(namedLabel("lblRoomType", "Room Type:", this), 0, 0);
    grid->addWidget(List1_, 0, 1);
    grid->addWidget(chkNewMap_, 1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    std::tie(txtStartX_, txtStartY_) = addBeginRow(grid, 2);
    txtNumSides_ = addTextRow(grid, 3, "lblNumSides", "Num Sides", "txtNumSides");
    txtSideLen_ = addTextRow(grid, 4, "lblSideLen", "Side length:", "txtSideLen");
    txtNumPillars_ = addTextRow(grid, 5, "lblNumPillars", "# pillars", "txtNumPillars");
    txtNumPillarSides_ = addTextRow(grid, 6, "lblNumPillarSides", "# of pillar sides", "txtNumPillarSides");
    txtNumColumns_ = addTextRow(grid, 7, "lblNumColumns", "# columns", "txtNumColumns");
    txtCeilingHeight_ = addTextRow(grid, 8, "lblCeilingHeight", "Ceiling height:", "txtCeilingHeight");

    addFinishCancelRow(this, layout, [this] { cmdOK_Click(); });

    List1_->setCurrentRow(wizard_.roomType);
    fromWizard();
}

void frmRoomWizard::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    Form_Activate();
}

void frmRoomWizard::Form_Activate()
{
    wizard_.activate(document_.map());
    txtStartX_->setText(QString::fromStdString(wizard_.startX));
    txtStartY_->setText(QString::fromStdString(wizard_.startY));
}

void frmRoomWizard::toWizard()
{
    QListWidgetItem* current = List1_->currentItem();
    wizard_.roomType = current && current->isSelected() ? List1_->row(current) : -1;
    wizard_.newMap = chkNewMap_->isChecked();
    wizard_.startX = txtStartX_->text().toStdString();
    wizard_.startY = txtStartY_->text().toStdString();
    wizard_.numSides = txtNumSides_->text().toStdString();
    wizard_.sideLen = txtSideLen_->text().toStdString();
    wizard_.numPillars = txtNumPillars_->text().toStdString();
    wizard_.numPillarSides = txtNumPillarSides_->text().toStdString();
    wizard_.numColumns = txtNumColumns_->text().toStdString();
    wizard_.ceilingHeight = txtCeilingHeight_->text().toStdString();
}

void frmRoomWizard::fromWizard()
{
    chkNewMap_->setChecked(wizard_.newMap);
    txtStartX_->setText(QString::fromStdString(wizard_.startX));
    txtStartY_->setText(QString::fromStdString(wizard_.startY));
    txtNumSides_->setText(QString::fromStdString(wizard_.numSides));
    txtSideLen_->setText(QString::fromStdString(wizard_.sideLen));
    txtNumPillars_->setText(QString::fromStdString(wizard_.numPillars));
    txtNumPillarSides_->setText(QString::fromStdString(wizard_.numPillarSides));
    txtNumColumns_->setText(QString::fromStdString(wizard_.numColumns));
    txtCeilingHeight_->setText(QString::fromStdString(wizard_.ceilingHeight));
}

void frmRoomWizard::cmdOK_Click()
{
    toWizard();
    if (!wizard_.finish(document_)) return;
    chkNewMap_->setChecked(wizard_.newMap);
    accept();
}

}  // namespace qzedit
