#include "editor/wizards/dialog_parts.h"

#include <QDialog>
#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "editor/shell/logic/command_guard.h"

namespace qzedit {

QLabel* namedLabel(const char* name, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

QLineEdit* addTextRow(QGridLayout* grid, int row, const char* labelName, const QString& label, const char* boxName)
{
    QWidget* parent = grid->parentWidget();
    auto* box = new QLineEdit(parent);
    box->setObjectName(boxName);
    QLabel* caption = namedLabel(labelName, label, parent);
    caption->setBuddy(box);
    grid->addWidget(caption, row, 0);
    grid->addWidget(box, row, 1);
    return box;
}

std::pair<QLineEdit*, QLineEdit*> addBeginRow(QGridLayout* grid, int row)
{
    QLineEdit* x = addTextRow(grid, row, "lblBegin", "Begin (x,y):", "txtStartX");
    auto* y = new QLineEdit(grid->parentWidget());
    y->setObjectName("txtStartY");
    grid->addWidget(y, row, 2);
    return {x, y};
}

void bindText(QLineEdit* box, std::string& text)
{
    box->setText(QString::fromStdString(text));
    QObject::connect(box, &QLineEdit::textChanged, box, [&text](const QString& now) { text = now.toStdString(); });
}

QLabel* titleLabel(const QString& text, QWidget* parent)
{
    QLabel* title = namedLabel("lblTitle", text, parent);
    QFont font("Arial");
    font.setPointSize(14);
    font.setBold(true);
    title->setFont(font);
    return title;
}

void addFinishCancelRow(QDialog* dialog, QBoxLayout* layout, std::function<void()> finish)
{
    auto* finishButton = new QPushButton("&Finish", dialog);
    finishButton->setObjectName("cmdOK");
    finishButton->setDefault(true);
    finishButton->setAutoDefault(true);
    QObject::connect(finishButton, &QPushButton::clicked, dialog, [finish = std::move(finish)] { runGuarded(finish); });
    auto* cancelButton = new QPushButton("&Cancel", dialog);
    cancelButton->setObjectName("cmdCancel");
    cancelButton->setAutoDefault(false);
    QObject::connect(cancelButton, &QPushButton::clicked, dialog, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(finishButton);
    buttons->addWidget(cancelButton);
    layout->addLayout(buttons);
}

}  // namespace qzedit
