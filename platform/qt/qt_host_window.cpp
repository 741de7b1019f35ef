#include "platform/qt/qt_host_window.h"

#include <QCloseEvent>
#include <QIcon>
#include <QImage>
#include <QMenuBar>
#include <QPixmap>
#include <algorithm>

#include "platform/codepage.h"
#include "platform/gdi_drawing.h"
#include "platform/qt/qt_client_area.h"
#include "platform/qt/qt_menu_bar.h"
#include "platform/window_resources.h"

namespace qz {

namespace {

constexpr int32_t kDefaultWidth = 640;
constexpr int32_t kDefaultHeight = 480;

QColor backgroundOf(Handle brush)
{
    const COLORREF colour = brushColour(brush).value_or(RGB(255, 255, 255));
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

QIcon iconOf(Handle icon)
{
    const ImageResource* image = findIcon(icon);
    if (!image || image->width <= 0 || image->height <= 0) return {};
    QImage picture(reinterpret_cast<const uchar*>(image->pixels.data()), image->width, image->height, image->width * 4,
        QImage::Format_ARGB32);
    return QIcon(QPixmap::fromImage(picture.copy()));
}

}  // namespace

QtHostWindow::QtHostWindow(Handle handle, const WindowCreation& creation, int scale)
    : handle_(handle)
    , procedure_(creation.procedure)
    , client_(new QtClientArea(this, scale, backgroundOf(creation.background),
          [this](uint32_t message, WPARAM wParam, LPARAM lParam) { return send(message, wParam, lParam); }))
{
    setObjectName(QString::fromStdString(cp1252ToUtf8(creation.title)));
    setWindowTitle(QString::fromStdString(cp1252ToUtf8(creation.title)));
    setWindowIcon(iconOf(creation.icon));
    if (const MenuResource* menu = findMenu(creation.menu)) {
        installMenuBar(*this, *menu, creation.menu,
            [this](uint32_t message, WPARAM wParam, LPARAM lParam) { return send(message, wParam, lParam); });
    }
    setCentralWidget(client_);
}

LRESULT QtHostWindow::send(uint32_t message, WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = procedure_ ? procedure_(handle_, message, wParam, lParam) : 0;
    client_->update();
    return result;
}

void QtHostWindow::resizeForCreation(int32_t width, int32_t height)
{
    if (width == CW_USEDEFAULT || width <= 0) width = kDefaultWidth;
    if (height == CW_USEDEFAULT || height <= 0) height = kDefaultHeight;
    const int menuHeight = menuWidget() ? menuWidget()->sizeHint().height() : 0;
    const int clientHeight = std::max(height - menuHeight, 1);
    resize(width * client_->scale(), menuHeight + clientHeight * client_->scale());
}

void QtHostWindow::closeEvent(QCloseEvent* event)
{
    if (destroyed_) {
        event->accept();
        return;
    }
    event->ignore();
    send(WM_CLOSE, 0, 0);
}

}  // namespace qz
