#include "editor/shell/side_editor_window.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "editor/shell/logic/command_guard.h"

namespace qzedit {

SideEditorWindow::SideEditorWindow(QWidget* parent) : QWidget(parent, Qt::Tool)
{
    setObjectName("frmProps");
    setWindowTitle("Properties");
    const auto& names = SideEditor::boxNames();
    for (int box = 0; box < SideEditor::kBoxCount; ++box) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(names[box]);
        edit->setMaximumWidth(80);
        connect(edit, &QLineEdit::textEdited, this, [this, box](const QString& text) {
            editor_.setText(static_cast<SideEditor::Box>(box), text.toStdString());
        });
        boxes_[box] = edit;
    }
    auto button = [this](const char* name, const char* caption, const char* tip, void (SideEditor::*action)()) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(name);
        if (tip) b->setToolTip(tip);
        connect(b, &QPushButton::clicked, this, [this, action] { run(action); });
        return b;
    };
    const char* const toIP = "Set to insertion point";

    auto* points = new QGridLayout;
    points->addWidget(new QLabel("(x1,y1):"), 0, 0);
    points->addWidget(boxes_[SideEditor::kX1], 0, 1);
    points->addWidget(boxes_[SideEditor::kY1], 0, 2);
    points->addWidget(button("cmdIP1", "<", toIP, &SideEditor::takeInsertionPointAsStart), 0, 3);
    points->addWidget(button("toIP1", "> IP", toIP, &SideEditor::moveInsertionPointToStart), 0, 4);
    points->addWidget(new QLabel("(x2,y2):"), 1, 0);
    points->addWidget(boxes_[SideEditor::kX2], 1, 1);
    points->addWidget(boxes_[SideEditor::kY2], 1, 2);
    points->addWidget(button("IP2", "<", toIP, &SideEditor::takeInsertionPointAsEnd), 1, 3);
    points->addWidget(button("toIP2", "> IP", toIP, &SideEditor::moveInsertionPointToEnd), 1, 4);
    points->addWidget(new QLabel("Length"), 2, 0);
    points->addWidget(boxes_[SideEditor::kLength], 2, 1);

    auto* heights = new QGroupBox("Wall heights");
    auto* heightForm = new QFormLayout(heights);
    heightForm->addRow("Floor (h1):", boxes_[SideEditor::kH1]);
    heightForm->addRow("End floor (h2):", boxes_[SideEditor::kH2]);
    heightForm->addRow("Begin ceiling(h3):", boxes_[SideEditor::kH3]);
    heightForm->addRow("Ceiling (h4):", boxes_[SideEditor::kH4]);

    auto* textures = new QGroupBox("Wall Textures");
    auto* textureForm = new QFormLayout(textures);
    textureForm->addRow("Wall", boxes_[SideEditor::kWallTx]);
    textureForm->addRow("Front Floor:", boxes_[SideEditor::kFrontFloorTx]);
    textureForm->addRow("Front Ceiling:", boxes_[SideEditor::kFrontCeilTx]);
    textureForm->addRow("Back Floor:", boxes_[SideEditor::kBackFloorTx]);
    textureForm->addRow("Back Ceiling:", boxes_[SideEditor::kBackCeilTx]);

    auto* flags = new QGroupBox("Flags");
    auto* flagLayout = new QVBoxLayout(flags);
    for (const char* flag : {"Horiz Anim", "Vert Anim", "Multi-texture", "Texture Anim"})
        flagLayout->addWidget(new QCheckBox(flag));

    auto* groups = new QHBoxLayout;
    groups->addWidget(heights);
    groups->addWidget(textures);
    groups->addWidget(flags);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(points);
    layout->addLayout(groups);
    layout->addWidget(button("cmdSet", "Set Properties", nullptr, &SideEditor::setPropertiesOfCurrentSide), 0, Qt::AlignRight);
    refresh();
}

void SideEditorWindow::run(void (SideEditor::*action)())
{
    runGuarded([&] { (editor_.*action)(); });
    refresh();
}

void SideEditorWindow::refresh()
{
    for (int box = 0; box < SideEditor::kBoxCount; ++box) {
        QString text = QString::fromStdString(editor_.text(static_cast<SideEditor::Box>(box)));
        if (boxes_[box]->text() != text) boxes_[box]->setText(text);
    }
}

}  // namespace qzedit
