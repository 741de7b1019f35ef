#include "editor/shell/frm_select.h"

#include <QListWidget>
#include <QVBoxLayout>

namespace qzedit {

frmSelect::frmSelect(QWidget* parent) : QWidget(parent), lstWall_(new QListWidget(this))
{
    setObjectName("frmSelect");
    setWindowTitle("Wall Selection");
    lstWall_->setObjectName("lstWall");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(lstWall_);
}

void frmSelect::clearList() { lstWall_->clear(); }

void frmSelect::addItem(const std::string& text) { lstWall_->addItem(QString::fromStdString(text)); }

}  // namespace qzedit
