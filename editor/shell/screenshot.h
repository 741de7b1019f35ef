#pragma once
#include <QString>
#include <QStringList>

namespace qzedit {

class MDIForm1;

// The documentation's pictures: "--screenshot FILE" grabs the main window once it has settled and
// quits; "--select-wall N" selects a wall first, so the property grid shows it, and "--zoom-in N"
// zooms in N steps.
struct ScreenshotRequest {
    QString file;
    int wall = -1;
    int zoomSteps = 0;
    bool wanted() const { return !file.isEmpty(); }
};

// Takes the options out of the arguments.
ScreenshotRequest takeScreenshotRequest(QStringList& arguments);
void scheduleScreenshot(MDIForm1& editor, const ScreenshotRequest& request);

}  // namespace qzedit
