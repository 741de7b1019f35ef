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
    // The tree is listed again after every change: nodes the user opened stay open.
    for (auto node = nodes_.cbegin(); node != nodes_.cend(); ++node)
        if (node.value()->isExpanded())
            expanded_.insert(node.key());
        else
            expanded_.remove(node.key());
    tree_->clear();
    nodes_.clear();
    // The walls of rooms are listed under their areas; the "Walls" root keeps the walls of none.
    const std::pair<const char*, const char*> roots[] = {
        {"Areas", "Areas"}, {"Walls", "Free walls"}, {"Viewpoints", "Viewpoints"}, {"Global", "Global"}};
    for (const auto& [key, text] : roots) {
        auto* item = new QTreeWidgetItem(tree_, QStringList(text));
        item->setData(0, kKeyRole, QString(key));
        nodes_.insert(key, item);
        item->setExpanded(expanded_.contains(key));
    }
}

void frmProject::addNode(const std::string& parentKey, const std::string& key, const std::string& text)
{
    QTreeWidgetItem* parent = nodes_.value(QString::fromStdString(parentKey));
    if (!parent) return;
    auto* item = new QTreeWidgetItem(parent, QStringList(QString::fromStdString(qz::cp1252ToUtf8(text))));
    const QString nodeKey = QString::fromStdString(key);
    item->setData(0, kKeyRole, nodeKey);
    nodes_.insert(nodeKey, item);
    if (expanded_.contains(nodeKey)) item->setExpanded(true);
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
