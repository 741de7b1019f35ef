#include "editor/shell/frm_import_wad.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "editor/shell/logic/wad_import_choice.h"

namespace qzedit {

frmImportWAD::frmImportWAD(WadImportChoice& choice, QWidget* parent)
    : QDialog(parent), choice_(choice), maps_(new QListWidget(this)), fit_(new QCheckBox(this)),
      ok_(new QPushButton("OK", this))
{
    setObjectName("frmImportWAD");
    setWindowTitle("Import Doom WAD map");
    auto* file = new QLabel(QString::fromStdString(choice.wadPath()), this);
    file->setObjectName("lblFile");
    maps_->setObjectName("lstMaps");
    for (const std::string& line : choice.mapLines()) maps_->addItem(QString::fromStdString(line));
    maps_->setCurrentRow(choice.selected());
    fit_->setObjectName("chkFit");
    fit_->setText("Import only the part around the player start that fits");
    fit_->setChecked(choice.fit);
    ok_->setObjectName("cmdOK");
    ok_->setDefault(true);
    auto* cancel = new QPushButton("Cancel", this);
    cancel->setObjectName("cmdCancel");

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(file);
    layout->addWidget(maps_);
    layout->addWidget(fit_);
    layout->addLayout(buttons);

    connect(maps_, &QListWidget::currentRowChanged, this, [this] { lstMaps_Click(); });
    connect(maps_, &QListWidget::itemDoubleClicked, this, [this] {
        if (choice_.okEnabled()) accept();
    });
    connect(fit_, &QCheckBox::toggled, this, [this](bool on) { choice_.fit = on; });
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    updateOK();
}

void frmImportWAD::lstMaps_Click()
{
    choice_.select(maps_->currentRow());
    updateOK();
}

void frmImportWAD::updateOK() { ok_->setEnabled(choice_.okEnabled()); }

}  // namespace qzedit
