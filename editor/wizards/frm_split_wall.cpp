#include "editor/wizards/frm_split_wall.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "editor/document/map_document.h"
#include "editor/shell/logic/command_guard.h"
#include "editor/wizards/dialog_parts.h"

namespace qzedit {

frmSplitWall::frmSplitWall(MapDocument& document, QWidget* parent)
    : QDialog(parent), document_(document), optSplit_(new QRadioButton("Double split (two lines)", this))
{
    setObjectName("frmSplitWall");
    setWindowTitle(SplitWallWizard::kCaption);
    setModal(true);
    optSplit_->setObjectName("optSplit");
    auto* triple = new QRadioButton("Triple split (three lines)", this);
    triple->setObjectName("Option1");
    optSplit_->setChecked(wizard_.doubleSplit);
    triple->setChecked(!wizard_.doubleSplit);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(namedLabel("Label1", "Split Type:", this));
    layout->addWidget(optSplit_);
    layout->addWidget(triple);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    QPushButton* finish = finishButton(this);
    buttons->addWidget(finish);
    buttons->addWidget(cancelButton(this));
    layout->addLayout(buttons);
    connect(finish, &QPushButton::clicked, this, [this] { runGuarded([this] { cmdOK_Click(); }); });
}

void frmSplitWall::cmdOK_Click()
{
    wizard_.doubleSplit = optSplit_->isChecked();
    if (wizard_.finish(document_)) accept();
}

}  // namespace qzedit
