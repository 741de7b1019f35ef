#include <QApplication>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <cstdio>

#include "editor/preview/logic/engine_library.h"
#include "editor/preview/preview_windows.h"
#include "editor/shell/editor_drive_script.h"
#include "editor/shell/frm_splash.h"
#include "editor/shell/logic/startup_log.h"
#include "editor/shell/mdi_form1.h"
#include "editor/shell/screenshot.h"
#include "editor/shell/work_keeper.h"
#include "platform/qt/qt_message_box.h"
#include "platform/qt/qt_question_box.h"

namespace {

constexpr const char* kUsage =
    "Usage: QZ3Dedit [--drive STEPS] [MAP]\n"
    "\n"
    "Opens MAP (a .map file) in the map editor. --drive plays STEPS after start-up, separated by\n"
    "spaces (a space inside a step is written %20); controls are named by their object names, or by\n"
    "a path such as frmRender/cmdInit:\n"
    "  menu:NAME          choose the menu item or toolbar button NAME (itmExportMap, render, ...)\n"
    "  click:NAME         press the button NAME, or a message box's button by its text (click:OK)\n"
    "  pick:NAME=ENTRY    choose the entry ENTRY of the list, tree or combo box NAME\n"
    "  type:NAME=TEXT     type TEXT into the text box NAME\n"
    "  key:NAME=K1,K2     press and release keys in the window or control NAME\n"
    "  press:NAME=K       release:NAME=K   hold a key down, let it go\n"
    "                     (Up Down Left Right Space Shift Return Escape Tab Backspace Delete,\n"
    "                     letters, digits)\n"
    "  mouse:NAME=X,Y     click at (X, Y) in the control NAME (X,Y,right: the right button;\n"
    "                     X,Y,double: a double-click)\n"
    "  move:NAME=X,Y      move the pointer to (X, Y) in the control NAME\n"
    "  ticks:N            wait N ticks of 50 ms\n"
    "  grab:NAME=FILE     save a picture of the window or control NAME (MDIForm1: the editor)\n"
    "  quit               end the editor\n"
    "A step naming a control that does not exist ends the editor with status 1.\n";

// Takes "--drive STEPS" out of the arguments; nothing when it is not there.
std::optional<QStringList> takeDriveSteps(QStringList& arguments)
{
    const qsizetype at = arguments.indexOf("--drive");
    if (at < 0) return std::nullopt;
    QStringList steps = at + 1 < arguments.size() ? qzedit::EditorDriveScript::split(arguments[at + 1]) : QStringList();
    arguments.remove(at, std::min<qsizetype>(2, arguments.size() - at));
    return steps;
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("QZ3Dedit");
    QApplication::setApplicationDisplayName("Quarzite3D Map Editor");
    QApplication::setApplicationVersion(
        QString("%1.%2.%3").arg(QZ_VERSION_MAJOR).arg(QZ_VERSION_MINOR).arg(QZ_VERSION_REVISION));

    QStringList arguments = QApplication::arguments().mid(1);
    if (arguments.contains("--help") || arguments.contains("-h")) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    std::optional<QStringList> drive = takeDriveSteps(arguments);
    if (drive) {
        if (auto fault = qzedit::EditorDriveScript::fault(*drive); fault || drive->isEmpty()) {
            std::fprintf(stderr, "QZ3Dedit: %s\n%s", fault ? qPrintable(*fault) : "--drive needs steps", kUsage);
            return 2;
        }
    }
    qz::installQtMessageSinks();
    qz::installQtQuestionSink();
    qzedit::ScreenshotRequest screenshot = qzedit::takeScreenshotRequest(arguments);

    qzedit::StartupLog log;
    log.open();
    // The splash deletes itself when it closes; a run that ends sooner (a drive script) deletes it.
    QPointer<qzedit::frmSplash> splash = new qzedit::frmSplash(true);
    splash->show();
    QApplication::processEvents();

    qzedit::MDIForm1 editor(log);
    qzedit::PreviewWindows previews(editor, editor.fileDialogs(), qzedit::EngineLibrary::shipped());
    editor.show();
    if (!arguments.isEmpty()) editor.commands().openMapFile(arguments.first().toStdString());
    if (screenshot.wanted()) qzedit::scheduleScreenshot(editor, screenshot);
    // The steps start before the offer of recovery, so that they can answer it.
    qzedit::EditorDriveScript script(drive.value_or(QStringList()));
    if (drive) script.start();
    editor.commands().offerRecovery(editor.workKeeper().folder());
    const int status = QApplication::exec();
    delete splash.data();
    return status;
}
