#include "editor/shell/property_grid_window.h"

#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTableWidget>
#include <algorithm>
#include <climits>

#include "editor/shell/logic/command_guard.h"
#include "editor/shell/logic/window_layout.h"
#include "editor/shell/tool_window_frame.h"
#include "platform/numbers.h"

namespace qzedit {

namespace {

QRect pixels(const TwipRect& r)
{
    return QRect(twipsToPixels(r.left), twipsToPixels(r.top), twipsToPixels(r.width), twipsToPixels(r.height));
}

QString qs(const std::string& text) { return QString::fromStdString(text); }

// The number a texture cell shows; text being typed may not fit a texture number at all.
int32_t textureNumber(const std::string& cell)
{
    return static_cast<int32_t>(std::clamp(qz::val(cell), double {INT32_MIN}, double {INT32_MAX}));
}

}  // namespace

PropertyGridWindow::PropertyGridWindow(QWidget* parent)
    : QWidget(parent),
      lblSelType_(new QLabel(this)),
      grdProps_(new QTableWidget(0, 3, this)),
      txtValue_(new QComboBox(this)),
      cmdOK_(new QPushButton("OK", this)),
      cmdCancel_(new QPushButton("X", this))
{
    setObjectName("frmProperties");
    setWindowTitle("Properties");
    lblSelType_->setObjectName("lblSelType");
    grdProps_->setObjectName("grd_Props");
    txtValue_->setObjectName("txt_Value");
    cmdOK_->setObjectName("cmd_PropOK");
    cmdCancel_->setObjectName("cmd_PropCancel");

    grdProps_->setHorizontalHeaderLabels({"Property", "Value", ""});
    grdProps_->verticalHeader()->hide();
    grdProps_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    grdProps_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdProps_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdProps_->setSelectionMode(QAbstractItemView::SingleSelection);
    txtValue_->setEditable(true);
    txtValue_->setInsertPolicy(QComboBox::NoInsert);
    // What is typed is stored as typed: completing "1" to "16 - Animated Texture" would store 16.
    txtValue_->setCompleter(nullptr);
    // Drawn as the default button; Enter reaches it from the value box and the grid (below), as a
    // default button only does by itself inside a dialog.
    cmdOK_->setDefault(true);

    grid_.onChanged = [this] { refresh(); };
    grid_.onFocusValueBox = [this] { focusValueBox(); };

    connect(grdProps_, &QTableWidget::cellClicked, this,
            [this](int row, int) { runGuarded([&] { grid_.rowClick(row + 1); }); });
    connect(txtValue_, &QComboBox::editTextChanged, this, [this](const QString& text) {
        if (!refreshing_) grid_.setValueText(text.toStdString());
    });
    connect(cmdOK_, &QPushButton::clicked, this, &PropertyGridWindow::pressOK);
    connect(txtValue_->lineEdit(), &QLineEdit::returnPressed, this, &PropertyGridWindow::pressOK);
    grdProps_->installEventFilter(this);
    connect(cmdCancel_, &QPushButton::clicked, this, &PropertyGridWindow::pressCancel);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    connect(escape, &QShortcut::activated, this, &PropertyGridWindow::pressCancel);
    refresh();
}

void PropertyGridWindow::pressOK()
{
    runGuarded([this] { grid_.ok(); });
}

void PropertyGridWindow::pressCancel()
{
    runGuarded([this] { grid_.cancel(); });
}

bool PropertyGridWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == grdProps_ && event->type() == QEvent::KeyPress) {
        int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            pressOK();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void PropertyGridWindow::setSwatches(Swatches swatches)
{
    swatches_ = std::move(swatches);
    refresh();
}

void PropertyGridWindow::focusValueBox()
{
    txtValue_->setFocus();
    txtValue_->lineEdit()->setSelection(grid_.selectionStart(), grid_.selectionLength());
}

void PropertyGridWindow::refresh()
{
    refreshing_ = true;
    lblSelType_->setText(qs(grid_.selTypeLabel()));
    const auto& rows = grid_.rows();
    grdProps_->setRowCount(static_cast<int>(rows.size()) - 1);
    for (size_t r = 1; r < rows.size(); ++r) {
        int row = static_cast<int>(r) - 1;
        for (int column = 0; column < 3; ++column) {
            QString text = column == 0 ? qs(rows[r].label) : column == 1 ? qs(rows[r].value) : QString();
            QTableWidgetItem* item = grdProps_->item(row, column);
            if (!item)
                grdProps_->setItem(row, column, item = new QTableWidgetItem(text));
            else if (item->text() != text)
                item->setText(text);
        }
        const std::optional<TextureField> field = textureFieldOfRow(rows[r].label);
        grdProps_->item(row, 2)->setIcon(field && swatches_ ? QIcon(swatches_(*field, textureNumber(rows[r].value))) : QIcon());
    }
    if (grid_.currentRow() >= 1)
        grdProps_->setCurrentCell(grid_.currentRow() - 1, 1);
    else
        grdProps_->clearSelection();
    QStringList choices;
    for (const std::string& choice : grid_.valueChoices()) choices << qs(choice);
    QStringList shown;
    for (int i = 0; i < txtValue_->count(); ++i) shown << txtValue_->itemText(i);
    if (shown != choices) {
        txtValue_->clear();
        txtValue_->addItems(choices);
    }
    txtValue_->setEditText(qs(grid_.valueText()));
    txtValue_->lineEdit()->setSelection(grid_.selectionStart(), grid_.selectionLength());
    refreshing_ = false;
}

void PropertyGridWindow::resizeEvent(QResizeEvent*)
{
    QSize frame = frameSizeOf(this);
    PropertyGridLayout l = propertyGridLayout(pixelsToTwips(frame.width()), pixelsToTwips(frame.height()));
    lblSelType_->setGeometry(pixels(l.selTypeLabel));
    txtValue_->setGeometry(pixels(l.valueBox));
    cmdOK_->setGeometry(pixels(l.okButton));
    cmdCancel_->setGeometry(pixels(l.cancelButton));
    grdProps_->setGeometry(pixels(l.grid));
    grdProps_->setColumnWidth(0, twipsToPixels(l.nameColumnWidth));
    grdProps_->setColumnWidth(1, twipsToPixels(l.valueColumnWidth));
    grdProps_->setColumnWidth(2, twipsToPixels(l.narrowColumnWidth));
}

}  // namespace qzedit
