#include "editor/shell/frm_map.h"

#include <QEvent>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QTimer>

#include "editor/shell/logic/command_guard.h"
#include "editor/shell/logic/window_layout.h"
#include "editor/shell/picture_box.h"

namespace qzedit {

namespace {

QRect pixels(const TwipRect& r)
{
    return QRect(twipsToPixels(r.left), twipsToPixels(r.top), twipsToPixels(r.width), twipsToPixels(r.height));
}

}  // namespace

frmMap::frmMap(QWidget* parent)
    : QWidget(parent),
      picture_(new PictureBox(this)),
      hScroll_(new QScrollBar(Qt::Horizontal, this)),
      vScroll_(new QScrollBar(Qt::Vertical, this)),
      tmrFlash_(new QTimer(this)),
      controller_(picture_->surface(), *this)
{
    setObjectName("frmMap");
    setWindowTitle("Map");
    hScroll_->setObjectName("HScroll1");
    vScroll_->setObjectName("VScroll1");
    tmrFlash_->setObjectName("tmrFlash");
    for (QScrollBar* bar : {hScroll_, vScroll_}) {
        bar->setRange(0, MapViewController::kScrollSpan);
        bar->setSingleStep(20);
        bar->setPageStep(200);
        connect(bar, &QScrollBar::valueChanged, this, [this] { runGuarded([this] { controller_.redraw(); }); });
    }
    tmrFlash_->setInterval(500);
    connect(tmrFlash_, &QTimer::timeout, this, [this] { runGuarded([this] { controller_.flashTick(); }); });
    picture_->setController(&controller_);
    connect(picture_, &PictureBox::resized, this, [this] { runGuarded([this] { controller_.redraw(); }); });
    setFocusPolicy(Qt::StrongFocus);
}

void frmMap::applyLayout(int w, int h)
{
    MapViewLayout layout = mapViewLayout(w, h);
    vScroll_->setGeometry(pixels(layout.vScroll));
    hScroll_->setGeometry(pixels(layout.hScroll));
    picture_->setGeometry(pixels(layout.picture));
}

// The layout is given for the whole view window, frame included, as the MDI child is sized.
void frmMap::relayout()
{
    QWidget* frame = qobject_cast<QMdiSubWindow*>(parentWidget()) ? parentWidget() : this;
    applyLayout(pixelsToTwips(frame->width()), pixelsToTwips(frame->height()));
}

bool frmMap::event(QEvent* event)
{
    if (event->type() == QEvent::Resize || event->type() == QEvent::ParentChange) relayout();
    return QWidget::event(event);
}

double frmMap::horizontalFraction() const
{
    return hScroll_->value() / static_cast<double>(MapViewController::kScrollSpan);
}

double frmMap::verticalFraction() const
{
    return vScroll_->value() / static_cast<double>(MapViewController::kScrollSpan);
}

// Set during a redraw, which reads the positions next: a position the new range cuts back must
// not start a second redraw.
void frmMap::setScrollRanges(const ScrollRanges& ranges)
{
    QSignalBlocker quietH(hScroll_);
    QSignalBlocker quietV(vScroll_);
    hScroll_->setRange(ranges.hMin, ranges.hMax);
    vScroll_->setRange(ranges.vMin, ranges.vMax);
}

void frmMap::setScrollPositions(int horizontal, int vertical)
{
    QSignalBlocker quietH(hScroll_);
    QSignalBlocker quietV(vScroll_);
    hScroll_->setValue(horizontal);
    vScroll_->setValue(vertical);
}

void frmMap::clearPicture() { picture_->surface().clear(); }

void frmMap::drawGridUnder(const GridLines& lines) { picture_->drawGridUnder(lines); }

void frmMap::pictureChanged() { picture_->update(); }

bool frmMap::flashTimerEnabled() const { return tmrFlash_->isActive(); }

void frmMap::setFlashTimerEnabled(bool enabled)
{
    if (enabled && !tmrFlash_->isActive())
        tmrFlash_->start();
    else if (!enabled)
        tmrFlash_->stop();
}


}  // namespace qzedit
