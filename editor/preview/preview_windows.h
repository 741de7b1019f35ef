#pragma once
#include <QObject>
#include <memory>

#include "editor/preview/logic/engine_binding.h"
#include "editor/preview/logic/preview_commands.h"
#include "editor/preview/logic/preview_source.h"

class QAction;
class QMdiSubWindow;

namespace qzedit {

class MDIForm1;
class FileDialogs;
class frmControl;
class frmRender;
class LivePreviewWindow;
class ViewerMarker;

// The 3D preview in the editor: the render window, the control window, the live preview docked
// beside the map view with its marker on the map, and the main window's commands that go with
// them ("render", "Render window", "Set viewer to Insert Position", "&Compile and save map
// binary...", "3D Preview" and the map view's "Preview from here").
class PreviewWindows : public QObject {
    Q_OBJECT
public:
    PreviewWindows(MDIForm1& editor, FileDialogs& dialogs, EngineBinding& engine);
    ~PreviewWindows() override;

    frmRender& renderWindow() { return *render_; }
    frmControl& controlWindow() { return *control_; }
    LivePreviewWindow& livePreview() { return *live_; }
    ViewerMarker& marker() { return *marker_; }
    PreviewCommands& commands() { return *commands_; }

private:
    QMdiSubWindow* addChild(QWidget* form);
    void showChild(QWidget* form);
    void previewFromHere();

    MDIForm1& editor_;
    PreviewSource source_;
    frmRender* render_;
    frmControl* control_;
    LivePreviewWindow* live_;
    ViewerMarker* marker_;
    std::unique_ptr<PreviewCommands> commands_;
};

}  // namespace qzedit
