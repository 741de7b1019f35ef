#pragma once
#include <QObject>
#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

namespace qzedit {

// Steps played into the editor after start-up, for demonstrations, the documentation's pictures
// and tests. Controls are found by object name in every window and dialog, modal ones included
// (a step that opens a modal dialog goes on with the next step inside it). NAME may be a path,
// "frmRender/cmdInit", to choose among controls of the same name. Steps, separated by spaces
// (write a space inside a step as %20):
//   menu:NAME          choose the menu item or toolbar button NAME
//   click:NAME         press the button NAME (also the text of a message box's button: click:OK)
//   pick:NAME=ENTRY    choose the entry ENTRY (its text) of the list, tree or combo box NAME
//   type:NAME=TEXT     type TEXT into the text box NAME, replacing what it held
//   key:NAME=K1,K2     press and release keys in the window or control NAME
//   press:NAME=K       release:NAME=K   hold a key down, let it go
//                      keys: Up Down Left Right Space Shift Return Escape Tab Backspace Delete,
//                      letters, digits
//   mouse:NAME=X,Y     click the left button at (X, Y) in the control NAME; X,Y,right clicks the
//                      right button, X,Y,double double-clicks the left
//   move:NAME=X,Y      move the pointer to (X, Y) in the control NAME, no button held
//   ticks:N            wait N ticks of 50 ms
//   grab:NAME=FILE     save a picture of the window or control NAME as FILE (PNG)
//   quit               end the editor
// A step naming a control that does not exist stops the run: the message goes to standard error
// and the editor ends with status 1.
class EditorDriveScript final : public QObject {
public:
    static constexpr int kTickMs = 50;

    explicit EditorDriveScript(QStringList steps, QObject* parent = nullptr);

    // Why the steps cannot be played (an unknown verb, a missing argument), or nothing.
    static std::optional<QString> fault(const QStringList& steps);
    // The steps of a --drive argument.
    static QStringList split(const QString& text);

    void start();

private:
    void next();
    void play(const QString& step);
    void stop(const QString& step, const QString& why);

    QStringList steps_;
    qsizetype position_ = 0;
};

}  // namespace qzedit
