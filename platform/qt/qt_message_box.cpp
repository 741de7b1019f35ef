#include "platform/qt/qt_message_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QString>

#include "platform/message_box.h"

namespace qz {

namespace {

QMessageBox::Icon iconOf(int style)
{
    switch (style & 0x70) {
    case kMsgCritical:
        return QMessageBox::Critical;
    case kMsgQuestion:
        return QMessageBox::Question;
    case kMsgExclamation:
        return QMessageBox::Warning;
    case kMsgInformation:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

// The window to own a message box: the active window, unless it deletes itself when it closes
// (a splash window closing on its timer while the box is up would take the box with it); then
// the nearest window above it that stays, or none.
QWidget* lastingOwner()
{
    QWidget* owner = QApplication::activeWindow();
    while (owner && owner->testAttribute(Qt::WA_DeleteOnClose)) owner = owner->parentWidget();
    return owner ? owner->window() : nullptr;
}

int showMessage(const std::string& text, const std::string& title, int style)
{
    // A message without a title carries the program's name, as the desktop expects.
    QString caption = title.empty() ? QApplication::applicationDisplayName() : QString::fromStdString(title);
    // Owned by the heap, not the stack: should its owner still be deleted while it is up, the box
    // goes with it and is not freed a second time here.
    QPointer<QMessageBox> box =
        new QMessageBox(iconOf(style), caption, QString::fromStdString(text), QMessageBox::Ok, lastingOwner());
    box->setWindowModality(Qt::ApplicationModal);
    box->exec();
    delete box.data();
    return kMsgResultOk;
}

}  // namespace

void installQtMessageSinks()
{
    setMessageSink(showMessage);
    setBeepSink([] { QApplication::beep(); });
}

}  // namespace qz
