#include "editor/wizards/frm_passage_wizard.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <utility>

#include "editor/document/map_document.h"
#include "editor/wizards/dialog_parts.h"

namespace qzedit {

frmPassageWizard::frmPassageWizard(MapDocument& document, WallList selectedWalls, QWidget* parent)
    : QDialog(parent), document_(document), selectedWalls_(std::move(selectedWalls)),
      chkSplitWall_(new QCheckBox("Triple split current wall", this))
{
    setObjectName("frmPassageWizard");
    setWindowTitle(PassageWizard::kCaption);
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(titleLabel("Passage Wizard", this));

    auto* frame = new QGroupBox("Current wall information", this);
    frame->setObjectName("Frame1");
    auto* info = new QGridLayout(frame);
    info->addWidget(namedLabel("lblWallHeightCaption", "Wall height:", frame), 0, 0);
    info->addWidget(lblWallHeight_ = namedLabel("lblWallHeight", "", frame), 0, 1);
    info->addWidget(namedLabel("lblStartHeightCaption", "Start height:", frame), 1, 0);
    info->addWidget(lblStartHeight_ = namedLabel("lblStartHeight", "", frame), 1, 1);
    info->addWidget(namedLabel("lblEndHeightCaption", "End height:", frame), 2, 0);
    info->addWidget(lblEndHeight_ = namedLabel("lblEndHeight", "", frame), 2, 1);
    layout->addWidget(frame);

    auto* grid = new QGridLayout;
    layout->addLayout(grid);
    txtHeight_ = addTextRow(grid, 0, "Label2", "Passage height:", "txtHeight");
    txtStartHeight_ = addTextRow(grid, 1, "lblPassageStart", "Passage start height:", "txtStartHeight");
    bindText(txtHeight_, wizard_.height);
    bindText(txtStartHeight_, wizard_.startHeight);
    chkSplitWall_->setObjectName("chkSplitWall");
    connect(chkSplitWall_, &QCheckBox::toggled, this, [this](bool on) { wizard_.tripleSplit = on; });
    layout->addWidget(chkSplitWall_);

    addFinishCancelRow(this, layout, [this] { cmdOK_Click(); });
}

void frmPassageWizard::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    Form_Activate();
}

void frmPassageWizard::Form_Activate()
{
    wizard_.activate(document_.map(), selectedWalls_());
    txtHeight_->setText(QString::fromStdString(wizard_.height));
    txtStartHeight_->setText(QString::fromStdString(wizard_.startHeight));
    lblWallHeight_->setText(QString::fromStdString(wizard_.wallHeightLabel));
    lblStartHeight_->setText(QString::fromStdString(wizard_.startHeightLabel));
    lblEndHeight_->setText(QString::fromStdString(wizard_.endHeightLabel));
}

void frmPassageWizard::cmdOK_Click()
{
    if (wizard_.finish(document_, selectedWalls_())) accept();
}

}  // namespace qzedit
