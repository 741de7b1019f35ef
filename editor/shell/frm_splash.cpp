#include "editor/shell/frm_splash.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QTimer>

#include "editor/shell/toolbar_icons.h"

namespace qzedit {

frmSplash::frmSplash(bool closeByTimer, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), timer_(new QTimer(this))
{
    setObjectName("frmSplash");
    setWindowTitle("Quarzite3D Map Editor");
    setAttribute(Qt::WA_DeleteOnClose);

    auto* frame = new QFrame(this);
    frame->setObjectName("Frame1");
    frame->setFrameShape(QFrame::Box);
    auto* logo = new QLabel(frame);
    logo->setObjectName("imgLogo");
    logo->setPixmap(logoPixmap(96));
    auto* product = new QLabel("Quarzite3D Map Editor", frame);
    product->setObjectName("lblProductName");
    QFont big = product->font();
    big.setPointSize(big.pointSize() * 2);
    big.setBold(true);
    product->setFont(big);
    auto* platform = new QLabel("Windows 95/98 and NT", frame);
    platform->setObjectName("lblPlatform");
    auto* version = new QLabel(versionText(), frame);
    version->setObjectName("lblVersion");
    auto* notice = new QLabel("Floor plans for the Quarzite3D engine: rooms, columns, stairs and passages.", frame);
    notice->setObjectName("lblWarning");
    notice->setWordWrap(true);

    auto* grid = new QGridLayout(frame);
    grid->setContentsMargins(16, 16, 16, 16);
    grid->addWidget(logo, 0, 0, 4, 1, Qt::AlignTop);
    grid->addWidget(product, 0, 1);
    grid->addWidget(platform, 1, 1);
    grid->addWidget(version, 2, 1);
    grid->addWidget(notice, 3, 1);
    auto* outer = new QGridLayout(this);
    outer->setContentsMargins(4, 4, 4, 4);
    outer->addWidget(frame);
    for (QWidget* w : std::initializer_list<QWidget*>{frame, logo, product, platform, version, notice})
        w->installEventFilter(this);

    timer_->setObjectName("Timer1");
    timer_->setInterval(3000);
    timer_->setSingleShot(true);
    connect(timer_, &QTimer::timeout, this, &QWidget::close);
    if (closeByTimer) timer_->start();
    resize(sizeHint().expandedTo(QSize(480, 200)));
}

QString frmSplash::versionText()
{
    return QString("Version %1.%2.%3").arg(QZ_VERSION_MAJOR).arg(QZ_VERSION_MINOR).arg(QZ_VERSION_REVISION);
}

void frmSplash::keyPressEvent(QKeyEvent*) { close(); }

bool frmSplash::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        close();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace qzedit
