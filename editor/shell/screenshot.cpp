#include "editor/shell/screenshot.h"

#include <QApplication>
#include <QPixmap>
#include <QTimer>

#include "editor/model/clsMap.h"
#include "editor/shell/mdi_form1.h"

namespace qzedit {

namespace {

constexpr int kSettleMilliseconds = 3500;

QString takeOption(QStringList& arguments, const QString& name)
{
    qsizetype at = arguments.indexOf(name);
    if (at < 0 || at + 1 >= arguments.size()) return {};
    QString value = arguments.at(at + 1);
    arguments.remove(at, 2);
    return value;
}

}  // namespace

ScreenshotRequest takeScreenshotRequest(QStringList& arguments)
{
    ScreenshotRequest request;
    request.file = takeOption(arguments, "--screenshot");
    QString wall = takeOption(arguments, "--select-wall");
    if (!wall.isEmpty()) request.wall = wall.toInt();
    request.zoomSteps = takeOption(arguments, "--zoom-in").toInt();
    return request;
}

void scheduleScreenshot(MDIForm1& editor, const ScreenshotRequest& request)
{
    for (int step = 0; step < request.zoomSteps; ++step) editor.commands().run("itmZoomIn");
    if (request.wall >= 0 && request.wall < editor.map().numWalls) editor.selectWall(request.wall);
    QTimer::singleShot(kSettleMilliseconds, &editor, [&editor, request] {
        editor.grab().save(request.file);
        QApplication::quit();
    });
}

}  // namespace qzedit
