#include "editor/shell/help_window.h"

#include <QUrl>

HelpWindow::HelpWindow(QWidget* parent) : QTextBrowser(parent)
{
    Q_INIT_RESOURCE(help);
    setObjectName("HelpWindow");
    setWindowFlag(Qt::Window);
    setWindowTitle("Quarzite3D Map Editor Help");
    setOpenExternalLinks(false);
    setSource(QUrl("qrc:/help/manual.html"));
    resize(640, 560);
}
