#include "editor/wizards/frm_split_wall.h"

#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "editor/document/map_document.h"
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
    addFinishCancelRow(this, layout, [this] { cmdOK_Click(); });
}

void frmSplitWall::cmdOK_Click()
{
    wizard_.doubleSplit = optSplit_->isChecked();
    if (wizard_.finish(document_)) accept();
}

}  // namespace qzedit
