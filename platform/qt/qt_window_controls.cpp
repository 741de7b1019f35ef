#include "platform/qt/qt_window_controls.h"

#include <QEvent>
#include <QHelpEvent>
#include <QImage>
#include <QLabel>
#include <QToolButton>
#include <QToolTip>
#include <vector>

#include "platform/codepage.h"

namespace qz {

namespace {

constexpr const char* kCommandProperty = "qzCommand";

// Image `index` of a strip of bitmapWidth x bitmapHeight images side by side.
QIcon stripImage(Handle bitmap, int32_t count, int32_t index, int32_t width, int32_t height)
{
    if (bitmap == 0 || count <= 0 || index < 0 || index >= count || width <= 0 || height <= 0) return {};
    const int32_t stripWidth = count * width;
    std::vector<uint32_t> pixels(static_cast<size_t>(stripWidth) * static_cast<size_t>(height));
    const int32_t bytes = static_cast<int32_t>(pixels.size() * sizeof(uint32_t));
    if (GetBitmapBits(bitmap, bytes, pixels.data()) != bytes) return {};
    QImage strip(
        reinterpret_cast<const uchar*>(pixels.data()), stripWidth, height, stripWidth * 4, QImage::Format_ARGB32);
    return QIcon(QPixmap::fromImage(strip.copy(index * width, 0, width, height)));
}

QString fromWindowsText(const char* text) { return QString::fromStdString(cp1252ToUtf8(text ? text : "")); }

}  // namespace

QtToolbarControl::QtToolbarControl(
    QWidget* clientArea, Handle handle, const ToolbarCreation& creation, ParentMessage toParent)
    : QToolBar(clientArea)
    , handle_(handle)
    , tooltips_((creation.style & TBSTYLE_TOOLTIPS) != 0)
    , toParent_(std::move(toParent))
{
    setObjectName("toolbar");
    setMovable(false);
    setFocusPolicy(Qt::NoFocus);
    setIconSize(QSize(creation.bitmapWidth, creation.bitmapHeight));
    for (const TBBUTTON& button : creation.buttons) {
        auto* tool = new QToolButton(this);
        const uint32_t command = static_cast<uint32_t>(button.idCommand);
        tool->setObjectName("button_" + QString::number(command, 16).toUpper());
        tool->setProperty(kCommandProperty, command);
        tool->setFocusPolicy(Qt::NoFocus);
        tool->setIcon(stripImage(
            creation.bitmap, creation.bitmapCount, button.iBitmap, creation.bitmapWidth, creation.bitmapHeight));
        tool->setEnabled((button.fsState & TBSTATE_ENABLED) != 0);
        tool->installEventFilter(this);
        connect(tool, &QToolButton::clicked, this,
            [this, command] { toParent_(WM_COMMAND, MAKEWPARAM(command, 0), static_cast<LPARAM>(handle_)); });
        addWidget(tool);
    }
    layOut();
    show();
}

bool QtToolbarControl::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ToolTip || !tooltips_) return QToolBar::eventFilter(watched, event);
    NMTTDISPINFOA request {};
    request.hdr = {handle_, watched->property(kCommandProperty).toUInt(), TTN_GETDISPINFOA};
    toParent_(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&request));
    const QString text = fromWindowsText(request.lpszText);
    if (text.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), text, static_cast<QWidget*>(watched));
    return true;
}

LRESULT QtToolbarControl::message(uint32_t message, WPARAM, LPARAM)
{
    if (message == WM_SIZE || message == TB_AUTOSIZE) layOut();
    return 0;
}

void QtToolbarControl::layOut()
{
    const QWidget* client = parentWidget();
    setGeometry(0, 0, client ? client->width() : width(), sizeHint().height());
}

QtStatusBarControl::QtStatusBarControl(QWidget* clientArea, const std::string& text)
    : QStatusBar(clientArea)
    , text_(new QLabel(fromWindowsText(text.c_str()), this))
{
    setObjectName("statusBar");
    text_->setObjectName("statusText");
    addWidget(text_, 1);
    layOut();
    show();
}

LRESULT QtStatusBarControl::message(uint32_t message, WPARAM, LPARAM lParam)
{
    if (message == SB_SETTEXTA) text_->setText(fromWindowsText(reinterpret_cast<const char*>(lParam)));
    if (message == WM_SIZE) layOut();
    return 0;
}

void QtStatusBarControl::layOut()
{
    const QWidget* client = parentWidget();
    const int height = sizeHint().height();
    if (client) setGeometry(0, client->height() - height, client->width(), height);
}

}  // namespace qz
