#pragma once
#include <QWidget>
#include <array>

#include "editor/shell/logic/side_editor.h"

class QLineEdit;

namespace qzedit {

// The side editor (caption "Properties"): text boxes for one record of the older segment list.
class frmProps : public QWidget {
    Q_OBJECT
public:
    explicit frmProps(QWidget* parent = nullptr);

    SideEditor& editor() { return editor_; }

private:
    void refresh();
    void run(void (SideEditor::*action)());

    SideEditor editor_;
    std::array<QLineEdit*, SideEditor::kBoxCount> boxes_ {};
};

}  // namespace qzedit
