#include "editor/shell/frm_drag_drop.h"

#include <QDrag>
#include <QListWidget>
#include <QMimeData>

#include "editor/shell/logic/window_layout.h"
#include "editor/shell/picture_box.h"
#include "editor/shell/toolbar_icons.h"
#include "editor/shell/tool_window_frame.h"

namespace qzedit {

namespace {

// A list whose items carry their palette key when dragged.
class PaletteList : public QListWidget {
public:
    using QListWidget::QListWidget;

protected:
    QMimeData* mimeData(const QList<QListWidgetItem*>& items) const override
    {
        auto* dragged = new QMimeData;
        if (!items.isEmpty())
            dragged->setData(PictureBox::kPaletteMimeType, items.first()->data(Qt::UserRole).toByteArray());
        return dragged;
    }
    QStringList mimeTypes() const override { return {PictureBox::kPaletteMimeType}; }
};

}  // namespace

frmDragDrop::frmDragDrop(QWidget* parent) : QWidget(parent), listView_(new PaletteList(this))
{
    setObjectName("frmDragDrop");
    setWindowTitle("Drag and Drop Palette");
    listView_->setObjectName("ListView1");
    listView_->setViewMode(QListView::IconMode);
    listView_->setIconSize(QSize(32, 32));
    listView_->setMovement(QListView::Static);
    listView_->setResizeMode(QListView::Adjust);
    listView_->setDragEnabled(true);
    listView_->setDragDropMode(QAbstractItemView::DragOnly);
    const QIcon icon = paletteIcon();
    const std::pair<const char*, const char*> items[] = {
        {"room", "Room"}, {"octagon", "Octagon column"}, {"square", "Square column"}, {"stairs", "Stairs"}};
    for (const auto& [key, text] : items) {
        auto* item = new QListWidgetItem(icon, text, listView_);
        item->setData(Qt::UserRole, QByteArray(key));
    }
}

void frmDragDrop::sizeList()
{
    QSize frame = frameSizeOf(this);
    TwipRect r = toolListLayout(pixelsToTwips(frame.width()), pixelsToTwips(frame.height()));
    listView_->setGeometry(twipsToPixels(r.left), twipsToPixels(r.top), twipsToPixels(r.width),
                           twipsToPixels(r.height));
}

void frmDragDrop::resizeEvent(QResizeEvent*) { sizeList(); }

}  // namespace qzedit
