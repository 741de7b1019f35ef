#include "editor/shell/help_window.h"

#include <QUrl>

// Qt registers a resource from the global namespace only.
static void initHelpResources() { Q_INIT_RESOURCE(help); }

namespace qzedit {

HelpWindow::HelpWindow(QWidget* parent) : QTextBrowser(parent)
{
    initHelpResources();
    setObjectName("HelpWindow");
    setWindowFlag(Qt::Window);
    setWindowTitle("Quarzite3D Map Editor Help");
    setOpenExternalLinks(false);
    setSource(QUrl("qrc:/help/manual.html"));
    resize(640, 560);
}

}  // namespace qzedit
