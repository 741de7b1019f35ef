#include "editor/wizards/dialog_parts.h"

#include <QDialog>
#include <QFont>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

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

QPushButton* finishButton(QDialog* dialog)
{
    auto* button = new QPushButton("&Finish", dialog);
    button->setObjectName("cmdOK");
    button->setDefault(true);
    button->setAutoDefault(true);
    return button;
}

QPushButton* cancelButton(QDialog* dialog)
{
    auto* button = new QPushButton("&Cancel", dialog);
    button->setObjectName("cmdCancel");
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, dialog, &QDialog::reject);
    return button;
}

}  // namespace qzedit
