#pragma once
#include <QWidget>
#include <array>

#include "editor/shell/logic/side_editor.h"

class QLineEdit;

namespace qzedit {

// The side editor `frmProps` (caption "Properties"): text boxes for one record of the older segment
// list. Not to be confused with the property grid window, which bears the same caption.
class SideEditorWindow : public QWidget {
    Q_OBJECT
public:
    explicit SideEditorWindow(QWidget* parent = nullptr);

    SideEditor& editor() { return editor_; }

private:
    void refresh();
    void run(void (SideEditor::*action)());

    SideEditor editor_;
    std::array<QLineEdit*, SideEditor::kBoxCount> boxes_ {};
};

}  // namespace qzedit
