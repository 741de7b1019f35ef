#pragma once
#include <QString>
#include <string>

class QDialog;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace qzedit {

// The pieces every wizard dialog is made of, each named as the drive script and the tests find it.

// A caption label and a text box on one row of the grid.
QLineEdit* addTextRow(QGridLayout* grid, int row, const char* labelName, const QString& label, const char* boxName);
QLabel* namedLabel(const char* name, const QString& text, QWidget* parent);
// The box shows the text and keeps it as the user types: the logic's field is always the box's.
void bindText(QLineEdit* box, std::string& text);
// The dialog's title line in Arial.
QLabel* titleLabel(const QString& text, QWidget* parent);
// "&Finish", the default button (Enter), and "&Cancel", which hides the dialog as Esc does.
QPushButton* finishButton(QDialog* dialog);
QPushButton* cancelButton(QDialog* dialog);

}  // namespace qzedit
