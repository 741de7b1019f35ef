#include "editor/shell/frm_check_map.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "editor/shell/logic/command_guard.h"

namespace qzedit {

frmCheckMap::frmCheckMap(ProjectSelection& selection, MapViewController& mapView, QWidget* parent)
    : QWidget(parent),
      list_(selection, mapView),
      lblSummary_(new QLabel(this)),
      lstFindings_(new QListWidget(this)),
      cmdCheckAgain_(new QPushButton("Check &Again", this))
{
    setObjectName("frmCheckMap");
    setWindowTitle("Check Map");
    lblSummary_->setObjectName("lblSummary");
    lstFindings_->setObjectName("lstFindings");
    lstFindings_->setWordWrap(true);
    cmdCheckAgain_->setObjectName("cmdCheckAgain");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(lblSummary_);
    layout->addWidget(lstFindings_);
    layout->addWidget(cmdCheckAgain_);
    connect(cmdCheckAgain_, &QPushButton::clicked, this, [this] { runGuarded([this] { checkAgain(); }); });
    connect(lstFindings_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        runGuarded([&] { list_.choose(lstFindings_->row(item)); });
    });
}

void frmCheckMap::checkAgain()
{
    list_.check();
    lstFindings_->clear();
    for (const std::string& line : list_.lines()) lstFindings_->addItem(QString::fromStdString(line));
    lblSummary_->setText(QString::fromStdString(list_.summary()));
}

}  // namespace qzedit
