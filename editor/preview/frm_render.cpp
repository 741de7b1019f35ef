#include "editor/preview/frm_render.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include "editor/preview/engine_picture.h"
#include "editor/shell/logic/command_guard.h"
#include "platform/qt/qt_virtual_keys.h"

namespace qzedit {

namespace {

// Keys go to the picture, so a button never takes Space or an arrow for itself.
QPushButton* button(const char* name, const char* caption, QWidget* parent)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

}  // namespace

frmRender::frmRender(EngineBinding& engine, PreviewSource& source, QWidget* parent)
    : QWidget(parent),
      cmdInit(button("cmdInit", "Init", this)),
      cmdRender(button("cmdRender", "Render", this)),
      cmdForward(button("cmdForward", "Forward", this)),
      cmdFlush(button("cmdFlush", "Flush", this)),
      Picture1(new EnginePicture(RenderWindowLogic::kFrameWidth, RenderWindowLogic::kFrameHeight,
                                 EnginePicture::Fit::Actual, this)),
      logic_(engine, source, *this)
{
    setObjectName("frmRender");
    setWindowTitle("Render Map");
    auto* row = new QHBoxLayout;
    for (QPushButton* b : {cmdInit, cmdRender, cmdForward, cmdFlush}) row->addWidget(b);
    row->addStretch();
    auto* column = new QVBoxLayout(this);
    column->addLayout(row);
    column->addWidget(Picture1);
    column->addStretch();
    connect(cmdInit, &QPushButton::clicked, this, [this] { cmdInit_Click(); });
    connect(cmdRender, &QPushButton::clicked, this, [this] { cmdRender_Click(); });
    connect(cmdForward, &QPushButton::clicked, this, [this] { cmdForward_Click(); });
    connect(cmdFlush, &QPushButton::clicked, this, [this] { cmdFlush_Click(); });
    Picture1->keyHandler = [this](int key, bool down, bool) {
        if (down) Picture1_KeyDown(key);
    };
    buttonsChanged();
}

void frmRender::cmdInit_Click()
{
    runGuarded([this] { logic_.init(); });
    Picture1->setFocus();
}

void frmRender::cmdRender_Click() { runGuarded([this] { logic_.render(); }); }

void frmRender::cmdForward_Click() { runGuarded([this] { logic_.forward(); }); }

void frmRender::cmdFlush_Click() { runGuarded([this] { logic_.flush(); }); }

void frmRender::Picture1_KeyDown(int keyCode) { runGuarded([this, keyCode] { logic_.keyDown(keyCode); }); }

void frmRender::Form_KeyDown(int keyCode) { Picture1_KeyDown(keyCode); }

void frmRender::keyPressEvent(QKeyEvent* event)
{
    std::optional<uint32_t> code = qz::virtualKeyOf(event->key());
    if (!code) return QWidget::keyPressEvent(event);
    event->accept();
    Form_KeyDown(static_cast<int>(*code));
}

int32_t frmRender::pictureDC() { return Picture1->dc(); }

void frmRender::pictureChanged() { Picture1->update(); }

void frmRender::setCaption(const std::string& caption) { setWindowTitle(QString::fromStdString(caption)); }

void frmRender::buttonsChanged()
{
    const RenderWindowLogic::Buttons& b = logic_.buttons();
    cmdInit->setEnabled(b.init);
    cmdRender->setEnabled(b.render);
    cmdForward->setEnabled(b.forward);
    cmdFlush->setEnabled(b.flush);
}

}  // namespace qzedit
