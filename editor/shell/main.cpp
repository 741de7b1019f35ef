#include <QApplication>
#include <QStringList>
#include <QTimer>

#include "editor/shell/frm_splash.h"
#include "editor/shell/logic/startup_log.h"
#include "editor/shell/mdi_form1.h"
#include "editor/shell/screenshot.h"
#include "editor/shell/test_hooks.h"
#include "editor/shell/work_keeper.h"
#include "platform/qt/qt_message_box.h"
#include "platform/qt/qt_question_box.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("QZ3Dedit");
    QApplication::setApplicationDisplayName("Quarzite3D Map Editor");
    QApplication::setApplicationVersion(
        QString("%1.%2.%3").arg(QZ_VERSION_MAJOR).arg(QZ_VERSION_MINOR).arg(QZ_VERSION_REVISION));
    qz::installQtMessageSinks();
    qz::installQtQuestionSink();
    qzedit::installTestAnswer();

    QStringList arguments = QApplication::arguments().mid(1);
    qzedit::ScreenshotRequest screenshot = qzedit::takeScreenshotRequest(arguments);

    qzedit::StartupLog log;
    log.open();
    auto* splash = new qzedit::frmSplash(true);
    splash->show();
    QApplication::processEvents();

    qzedit::MDIForm1 editor(log);
    editor.show();
    if (!arguments.isEmpty()) editor.commands().openMapFile(arguments.first().toStdString());
    editor.commands().offerRecovery(editor.workKeeper().folder());
    qzedit::applyTestMove(editor);
    if (screenshot.wanted()) qzedit::scheduleScreenshot(editor, screenshot);
    return QApplication::exec();
}
