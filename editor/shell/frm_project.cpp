#include "editor/shell/frm_project.h"

#include <QTreeWidget>

#include "editor/shell/logic/command_guard.h"
#include "editor/shell/logic/project_selection.h"
#include "editor/shell/logic/window_layout.h"
#include "editor/shell/tool_window_frame.h"
#include "platform/codepage.h"

namespace qzedit {

namespace {

constexpr int kKeyRole = Qt::UserRole;

}  // namespace

frmProject::frmProject(QWidget* parent) : QWidget(parent), tree_(new QTreeWidget(this))
{
    setObjectName("frmProject");
    setWindowTitle("Project");
    tree_->setObjectName("TreeView1");
    tree_->setHeaderHidden(true);
    tree_->setUniformRowHeights(true);
    connect(tree_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
        if (!selection_ || !item) return;
        std::string key = item->data(0, kKeyRole).toString().toStdString();
        runGuarded([&] { selection_->nodeClick(key); });
    });
    resetList();
}

void frmProject::resetList()
{
    tree_->clear();
    nodes_.clear();
    for (const char* root : {"Walls", "Areas", "Viewpoints", "Global"}) {
        auto* item = new QTreeWidgetItem(tree_, QStringList(root));
        item->setData(0, kKeyRole, QString(root));
        nodes_.insert(root, item);
    }
}

void frmProject::addNode(const std::string& parentKey, const std::string& key, const std::string& text)
{
    QTreeWidgetItem* parent = nodes_.value(QString::fromStdString(parentKey));
    if (!parent) return;
    auto* item = new QTreeWidgetItem(parent, QStringList(QString::fromStdString(qz::cp1252ToUtf8(text))));
    item->setData(0, kKeyRole, QString::fromStdString(key));
    nodes_.insert(QString::fromStdString(key), item);
}

void frmProject::selectNode(const std::string& key)
{
    QTreeWidgetItem* item = nodes_.value(QString::fromStdString(key));
    if (!item) return;
    QSignalBlocker quiet(tree_);
    tree_->setCurrentItem(item);
    tree_->scrollToItem(item);
}

void frmProject::resizeEvent(QResizeEvent*)
{
    QSize frame = frameSizeOf(this);
    TwipRect r = toolListLayout(pixelsToTwips(frame.width()), pixelsToTwips(frame.height()));
    tree_->setGeometry(twipsToPixels(r.left), twipsToPixels(r.top), twipsToPixels(r.width), twipsToPixels(r.height));
}

}  // namespace qzedit
