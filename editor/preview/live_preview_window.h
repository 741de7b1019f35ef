#pragma once
#include <QDockWidget>
#include <functional>
#include <memory>
#include <optional>
#include <set>

#include "editor/preview/logic/live_preview.h"

class QLabel;
class QStackedWidget;
class QTimer;

namespace qzedit {

class EnginePicture;

// The "3D Preview" window, docked beside the map view: the map as it is after every change,
// walked with held keys (arrows or W/A/S/D, Shift faster) at the viewer's 50 ms tick. When the
// map cannot be shown, its face says why.
class LivePreviewWindow : public QDockWidget, private LivePreviewPort {
    Q_OBJECT
public:
    // The preview's own files: headerPath names mapPath. fault: why they could not be made ("").
    LivePreviewWindow(EngineBinding& engine, const clsMap& map, const std::string& headerPath,
                      const std::string& mapPath, const std::string& fault, QWidget* parent = nullptr);
    ~LivePreviewWindow() override;

    LivePreview& preview() { return *preview_; }
    EnginePicture& picture() { return *picture_; }
    // A refresh once the events of the moment are handled, so a burst of changes draws once.
    void scheduleRefresh();

    // Where the viewer stands after each frame; nothing when there is no picture.
    std::function<void(const std::optional<ViewerPlace>&)> viewerMovedHandler;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void refreshNow();
    void key(int virtualKey, bool down);
    void tmrWalk_Timer();
    WalkKeys heldKeys() const;

    int32_t pictureDC() override;
    void frameShown() override;
    void showFault(const std::string& text) override;
    void viewerMoved(const ViewerPlace& place) override;

    QStackedWidget* face_;
    EnginePicture* picture_;
    QLabel* lblFault_;
    QLabel* lblViewer_;
    QTimer* tmrWalk_;
    std::string setupFault_;
    std::unique_ptr<LivePreview> preview_;
    std::set<int> held_;
    bool refreshPending_ = false;
};

}  // namespace qzedit
