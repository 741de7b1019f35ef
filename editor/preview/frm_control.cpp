#include "editor/preview/frm_control.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "editor/preview/engine_picture.h"
#include "editor/preview/preview_window_parts.h"
#include "editor/preview/qz3d15_control.h"
#include "editor/shell/logic/command_guard.h"

namespace qzedit {

frmControl::frmControl(EngineBinding& engine, PreviewSource& source, QWidget* parent)
    : QWidget(parent),
      cmdInit(keylessButton("cmdInit", "Init", this)),
      cmdJump(keylessButton("cmdJump", "Jump to Insert", this)),
      cmdFlush(keylessButton("cmdFlush", "Flush", this)),
      Label1(new QLabel("Use the W,A,S, and D keys to move", this)),
      QZ3D151(new QZ3D15(engine, this)),
      logic_(*QZ3D151, engine, source, *this)
{
    setObjectName("frmControl");
    setWindowTitle("QZ3D15 Control");
    Label1->setObjectName("Label1");
    QZ3D151->setObjectName("QZ3D151");
    setFocusPolicy(Qt::StrongFocus);
    auto* column = new QVBoxLayout(this);
    column->addLayout(buttonRow({cmdInit, cmdJump, cmdFlush}));
    column->addWidget(QZ3D151);
    column->addWidget(Label1);
    column->addStretch();
    connect(cmdInit, &QPushButton::clicked, this, [this] { cmdInit_Click(); });
    connect(cmdJump, &QPushButton::clicked, this, [this] { cmdJump_Click(); });
    connect(cmdFlush, &QPushButton::clicked, this, [this] { cmdFlush_Click(); });
    // The control's picture passes its keys on to the window.
    QZ3D151->picture().keyHandler = [this](int key, bool down, bool) {
        if (down) Form_KeyDown(key);
    };
    buttonsChanged();
}

void frmControl::cmdInit_Click()
{
    runGuarded([this] { logic_.init(); });
    QZ3D151->picture().setFocus();
}

void frmControl::cmdJump_Click() { runGuarded([this] { logic_.jump(); }); }

void frmControl::cmdFlush_Click() { runGuarded([this] { logic_.flush(); }); }

void frmControl::Form_KeyDown(int keyCode) { runGuarded([this, keyCode] { logic_.keyDown(keyCode); }); }

void frmControl::Form_Unload() { runGuarded([this] { logic_.unload(); }); }

void frmControl::keyPressEvent(QKeyEvent* event)
{
    if (!passEngineKey(event, [this](int keyCode) { Form_KeyDown(keyCode); })) QWidget::keyPressEvent(event);
}

void frmControl::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    QWidget::closeEvent(event);
}

// Closed as a child of the main window, the window is hidden: it unloads all the same.
void frmControl::hideEvent(QHideEvent* event)
{
    if (!event->spontaneous()) Form_Unload();
    QWidget::hideEvent(event);
}

int32_t frmControl::pictureDC() { return QZ3D151->picture().dc(); }

void frmControl::pictureChanged() { QZ3D151->picture().update(); }

void frmControl::setCaption(const std::string& caption) { setWindowTitle(QString::fromStdString(caption)); }

void frmControl::buttonsChanged()
{
    const ControlWindowLogic::Buttons& b = logic_.buttons();
    cmdInit->setEnabled(b.init);
    cmdJump->setEnabled(b.jump);
    cmdFlush->setEnabled(b.flush);
}

}  // namespace qzedit
