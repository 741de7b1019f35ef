#include "editor/wizards/frm_shape_wizard.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <utility>

#include "editor/document/map_document.h"
#include "editor/shell/logic/command_guard.h"
#include "editor/wizards/dialog_parts.h"

namespace qzedit {

ShapePreview::ShapePreview(QWidget* parent) : QWidget(parent)
{
    setObjectName("pctPreview");
    // One map unit a pixel: room for a shape of up to 320 by 240 units on each side of its origin.
    setFixedSize(640, 480);
}

void ShapePreview::setLines(std::vector<PreviewLine> lines)
{
    lines_ = std::move(lines);
    update();
}

void ShapePreview::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(Qt::black);
    for (const PreviewLine& l : lines_) painter.drawLine(QLineF(l.x1, l.y1, l.x2, l.y2));
}

frmShapeWizard::frmShapeWizard(MapDocument& document, const std::string& shapeFolder, QWidget* parent)
    : QDialog(parent), document_(document), cmbShapes_(new QComboBox(this)), pctPreview_(new ShapePreview(this))
{
    setObjectName("frmShapeWizard");
    setWindowTitle(ShapeWizard::kCaption);
    setModal(true);
    wizard_.load(shapeFolder);
    cmbShapes_->setObjectName("cmbShapes");
    for (const std::string& name : wizard_.shapes()) cmbShapes_->addItem(QString::fromStdString(name));
    cmbShapes_->setCurrentIndex(wizard_.selected);
    connect(cmbShapes_, &QComboBox::currentIndexChanged, this, [this](int index) { wizard_.selected = index; });
    QLabel* note = namedLabel("lblNoShapes", QString::fromStdString(wizard_.emptyNote()), this);
    note->setVisible(wizard_.shapes().empty());

    auto* preview = new QPushButton("Preview", this);
    preview->setObjectName("cmdPreview");
    auto* create = new QPushButton("Create", this);
    create->setObjectName("cmdCreate");
    for (QPushButton* button : {preview, create}) button->setEnabled(!wizard_.shapes().empty());
    // Shown for what shapes may one day ask of the user; nothing reads it yet.
    auto* grdUserVars = new QTableWidget(4, 2, this);
    grdUserVars->setObjectName("grdUserVars");
    grdUserVars->setHorizontalHeaderLabels({"Variable", "Value"});
    grdUserVars->setMaximumHeight(120);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(cmbShapes_);
    layout->addWidget(note);
    layout->addWidget(pctPreview_);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(preview);
    buttons->addWidget(create);
    layout->addLayout(buttons);
    layout->addWidget(grdUserVars);
    connect(preview, &QPushButton::clicked, this, [this] { runGuarded([this] { cmdPreview_Click(); }); });
    connect(create, &QPushButton::clicked, this, [this] { runGuarded([this] { cmdCreate_Click(); }); });
}

void frmShapeWizard::cmdPreview_Click()
{
    pctPreview_->setLines(wizard_.preview(pctPreview_->width(), pctPreview_->height()));
}

void frmShapeWizard::cmdCreate_Click()
{
    pctPreview_->setLines(wizard_.create(document_, pctPreview_->width(), pctPreview_->height()));
    accept();
}

}  // namespace qzedit
