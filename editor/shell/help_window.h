#pragma once
#include <QTextBrowser>

namespace qzedit {

// The editor's manual ("qz3d.hlp" is the name the program gives its help), bundled with the program.
class HelpWindow : public QTextBrowser {
    Q_OBJECT
public:
    static constexpr const char* kHelpFile = "qz3d.hlp";

    explicit HelpWindow(QWidget* parent = nullptr);
};

}  // namespace qzedit
