#include "platform/qt/qt_message_box.h"

#include <QApplication>
#include <QMessageBox>
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

int showMessage(const std::string& text, const std::string& title, int style)
{
    // A message without a title carries the program's name, as the desktop expects.
    QString caption = title.empty() ? QApplication::applicationDisplayName() : QString::fromStdString(title);
    QMessageBox box(iconOf(style), caption, QString::fromStdString(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
    return kMsgResultOk;
}

}  // namespace

void installQtMessageSinks()
{
    setMessageSink(showMessage);
    setBeepSink([] { QApplication::beep(); });
}

}  // namespace qz
