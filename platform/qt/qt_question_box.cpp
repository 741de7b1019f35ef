#include "platform/qt/qt_question_box.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

#include "platform/message_box.h"
#include "platform/question_box.h"

namespace qz {

namespace {

QMessageBox::Icon iconOf(int style)
{
    switch (style & 0x70) {
    case kMsgCritical: return QMessageBox::Critical;
    case kMsgQuestion: return QMessageBox::Question;
    case kMsgExclamation: return QMessageBox::Warning;
    case kMsgInformation: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

// As for message boxes: a window that deletes itself on closing (the splash) must not own the box.
QWidget* lastingOwner()
{
    QWidget* owner = QApplication::activeWindow();
    while (owner && owner->testAttribute(Qt::WA_DeleteOnClose)) owner = owner->parentWidget();
    return owner ? owner->window() : nullptr;
}

int ask(const std::string& text, const std::string& title, int style, const std::vector<std::string>& buttons)
{
    QString caption = title.empty() ? QApplication::applicationDisplayName() : QString::fromStdString(title);
    QPointer<QMessageBox> box =
        new QMessageBox(iconOf(style), caption, QString::fromStdString(text), QMessageBox::NoButton,
                        lastingOwner());
    box->setObjectName("msgQuestion");
    box->setWindowModality(Qt::ApplicationModal);
    std::vector<QPushButton*> pushButtons;
    for (const std::string& label : buttons) {
        const bool cancel = label == "Cancel";
        QPushButton* button = box->addButton(QString::fromStdString(label),
                                             cancel ? QMessageBox::RejectRole : QMessageBox::AcceptRole);
        if (cancel) box->setEscapeButton(button);
        pushButtons.push_back(button);
    }
    if (!pushButtons.empty()) box->setDefaultButton(pushButtons.front());
    box->exec();
    int answer = kNoAnswer;
    if (box) {
        for (size_t i = 0; i < pushButtons.size(); ++i)
            if (box->clickedButton() == pushButtons[i]) answer = static_cast<int>(i);
        delete box.data();
    }
    return answer;
}

}  // namespace

void installQtQuestionSink() { setQuestionSink(ask); }

}  // namespace qz
