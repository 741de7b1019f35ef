#pragma once
#include <QWidget>

class QListWidget;

namespace qzedit {

// The drag-and-drop palette (caption "Drag and Drop Palette"): object kinds to drag onto the map.
class frmDragDrop : public QWidget {
    Q_OBJECT
public:
    explicit frmDragDrop(QWidget* parent = nullptr);

    QListWidget& list() { return *listView_; }
    // Lays the list out for the window's size.
    void sizeList();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QListWidget* listView_;
};

}  // namespace qzedit
