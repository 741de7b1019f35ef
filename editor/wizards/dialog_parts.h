#pragma once
#include <QString>
#include <functional>
#include <string>
#include <utility>

class QBoxLayout;
class QDialog;
class QGridLayout;
class QLabel;
class QLineEdit;
class QWidget;

namespace qzedit {

// The pieces every wizard dialog is made of, each named as the drive script and the tests find it.

// A caption label and a text box on one row of the grid.
QLineEdit* addTextRow(QGridLayout* grid, int row, const char* labelName, const QString& label, const char* boxName);
// "Begin (x,y):" with the boxes txtStartX and txtStartY side by side.
std::pair<QLineEdit*, QLineEdit*> addBeginRow(QGridLayout* grid, int row);
QLabel* namedLabel(const char* name, const QString& text, QWidget* parent);
// The box shows the text and keeps it as the user types: the logic's field is always the box's.
void bindText(QLineEdit* box, std::string& text);
// The dialog's title line in Arial.
QLabel* titleLabel(const QString& text, QWidget* parent);
// A row at the right under the controls: "&Finish", the default button (Enter), which runs
// `finish`, and "&Cancel", which hides the dialog as Esc does.
void addFinishCancelRow(QDialog* dialog, QBoxLayout* layout, std::function<void()> finish);

}  // namespace qzedit
