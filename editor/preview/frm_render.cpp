#include "editor/preview/frm_render.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include "editor/preview/engine_picture.h"
#include "editor/preview/preview_window_parts.h"
#include "editor/shell/logic/command_guard.h"

namespace qzedit {

frmRender::frmRender(EngineBinding& engine, PreviewSource& source, QWidget* parent)
    : QWidget(parent),
      cmdInit(keylessButton("cmdInit", "Init", this)),
      cmdRender(keylessButton("cmdRender", "Render", this)),
      cmdForward(keylessButton("cmdForward", "Forward", this)),
      cmdFlush(keylessButton("cmdFlush", "Flush", this)),
      Picture1(new EnginePicture(RenderWindowLogic::kFrameWidth, RenderWindowLogic::kFrameHeight,
                                 EnginePicture::Fit::Actual, this)),
      logic_(engine, source, *this)
{
    setObjectName("frmRender");
    setWindowTitle("Render Map");
    auto* column = new QVBoxLayout(this);
    column->addLayout(buttonRow({cmdInit, cmdRender, cmdForward, cmdFlush}));
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
    if (!passEngineKey(event, [this](int keyCode) { Form_KeyDown(keyCode); })) QWidget::keyPressEvent(event);
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
