#pragma once
#include <QHash>
#include <QSet>
#include <QString>
#include <QWidget>
#include <string>

class QTreeWidget;
class QTreeWidgetItem;

namespace qzedit {

class ProjectSelection;

// The project window (caption "Project"): the tree of areas with their walls, free walls,
// viewpoints and globals.
class frmProject : public QWidget {
    Q_OBJECT
public:
    explicit frmProject(QWidget* parent = nullptr);

    void setSelection(ProjectSelection* selection) { selection_ = selection; }
    QTreeWidget& tree() { return *tree_; }

    // Back to the four empty roots: "Areas" (text and key), "Walls" (text "Free walls"),
    // "Viewpoints" and "Global".
    void resetList();
    // A child under the root parentKey; text in the map's code page.
    void addNode(const std::string& parentKey, const std::string& key, const std::string& text);
    void selectNode(const std::string& key);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QTreeWidget* tree_;
    QHash<QString, QTreeWidgetItem*> nodes_;
    QSet<QString> expanded_;
    ProjectSelection* selection_ = nullptr;
};

}  // namespace qzedit
