#include "editor/preview/live_preview_window.h"

#include <QLabel>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "editor/preview/engine_picture.h"
#include "editor/preview/logic/preview_port.h"
#include "editor/shell/logic/command_guard.h"

namespace qzedit {

namespace {

constexpr int kShift = 16;
constexpr int kTickMs = 50;

}  // namespace

LivePreviewWindow::LivePreviewWindow(EngineBinding& engine, const clsMap& map, const std::string& headerPath,
                                     const std::string& mapPath, const std::string& fault, QWidget* parent)
    : QDockWidget("3D Preview", parent),
      face_(new QStackedWidget),
      picture_(new EnginePicture(LivePreview::kFrameWidth, LivePreview::kFrameHeight, EnginePicture::Fit::Scaled)),
      lblFault_(new QLabel),
      lblViewer_(new QLabel),
      tmrWalk_(new QTimer(this)),
      setupFault_(fault),
      preview_(std::make_unique<LivePreview>(engine, map, static_cast<LivePreviewPort&>(*this), headerPath, mapPath))
{
    setObjectName("frmLivePreview");
    lblFault_->setObjectName("lblPreviewFault");
    lblViewer_->setObjectName("lblViewer");
    tmrWalk_->setObjectName("tmrWalk");
    lblFault_->setWordWrap(true);
    lblFault_->setAlignment(Qt::AlignCenter);
    lblFault_->setMargin(12);
    picture_->setMinimumSize(LivePreview::kFrameWidth / 2, LivePreview::kFrameHeight / 2);
    face_->addWidget(picture_);
    face_->addWidget(lblFault_);
    auto* body = new QWidget;
    auto* column = new QVBoxLayout(body);
    column->setContentsMargins(2, 2, 2, 2);
    column->addWidget(face_, 1);
    column->addWidget(lblViewer_);
    setWidget(body);
    tmrWalk_->setInterval(kTickMs);
    connect(tmrWalk_, &QTimer::timeout, this, [this] { tmrWalk_Timer(); });
    picture_->keyHandler = [this](int key, bool down, bool) { this->key(key, down); };
}

LivePreviewWindow::~LivePreviewWindow() = default;

void LivePreviewWindow::scheduleRefresh()
{
    if (refreshPending_) return;
    refreshPending_ = true;
    QTimer::singleShot(0, this, [this] { refreshNow(); });
}

void LivePreviewWindow::showEvent(QShowEvent* event)
{
    QDockWidget::showEvent(event);
    scheduleRefresh();
}

// A hidden preview does no work; showing it brings it up to date.
void LivePreviewWindow::refreshNow()
{
    refreshPending_ = false;
    if (!isVisible()) return;
    if (!setupFault_.empty()) return showFault(setupFault_);
    runGuarded([this] { preview_->refresh(); });
}

void LivePreviewWindow::key(int virtualKey, bool down)
{
    if (down)
        held_.insert(virtualKey);
    else
        held_.erase(virtualKey);
    if (heldKeys().any() && !tmrWalk_->isActive())
        tmrWalk_->start();
    else if (!heldKeys().any())
        tmrWalk_->stop();
}

WalkKeys LivePreviewWindow::heldKeys() const
{
    auto held = [this](int a, int b) { return held_.count(a) > 0 || held_.count(b) > 0; };
    return {held(kKeyUp, kKeyW), held(kKeyDown, kKeyS), held(kKeyLeft, kKeyA), held(kKeyRight, kKeyD),
            held_.count(kShift) > 0};
}

void LivePreviewWindow::tmrWalk_Timer()
{
    runGuarded([this] { preview_->walk(heldKeys()); });
}

int32_t LivePreviewWindow::pictureDC() { return picture_->dc(); }

void LivePreviewWindow::frameShown() { picture_->update(); }

void LivePreviewWindow::showFault(const std::string& text)
{
    lblFault_->setText(QString::fromStdString(text));
    face_->setCurrentWidget(text.empty() ? static_cast<QWidget*>(picture_) : lblFault_);
    if (!text.empty()) {
        lblViewer_->clear();
        if (viewerMovedHandler) viewerMovedHandler(std::nullopt);
    }
}

void LivePreviewWindow::viewerMoved(const ViewerPlace& place)
{
    lblViewer_->setText(QString("x %1  y %2  eye %3  angle %4").arg(place.x).arg(place.y).arg(place.z).arg(place.angle));
    if (viewerMovedHandler) viewerMovedHandler(place);
}

}  // namespace qzedit
