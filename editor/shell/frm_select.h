#pragma once
#include <QWidget>
#include <string>

class QListWidget;

namespace qzedit {

// The selection window (caption "Wall Selection"): the walls picked in the map view.
class frmSelect : public QWidget {
    Q_OBJECT
public:
    explicit frmSelect(QWidget* parent = nullptr);

    void clearList();
    void addItem(const std::string& text);
    QListWidget& list() { return *lstWall_; }

private:
    QListWidget* lstWall_;
};

}  // namespace qzedit
