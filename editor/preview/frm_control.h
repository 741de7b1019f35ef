#pragma once
#include <QWidget>

#include "editor/preview/logic/control_window_logic.h"

class QLabel;
class QPushButton;

namespace qzedit {

class QZ3D15;

// The control window (caption "QZ3D15 Control"): the engine control QZ3D151 with Init, Jump to
// Insert and Flush; W, A, S and D walk.
class frmControl : public QWidget, private PreviewPort {
    Q_OBJECT
public:
    frmControl(EngineBinding& engine, PreviewSource& source, QWidget* parent = nullptr);

    ControlWindowLogic& logic() { return logic_; }
    QZ3D15& control() { return *QZ3D151; }
    // Form_Unload: what closing the window does.
    void Form_Unload();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void cmdInit_Click();
    void cmdJump_Click();
    void cmdFlush_Click();
    void Form_KeyDown(int keyCode);

    int32_t pictureDC() override;
    void pictureChanged() override;
    void setCaption(const std::string& caption) override;
    void buttonsChanged() override;

    QPushButton* cmdInit;
    QPushButton* cmdJump;
    QPushButton* cmdFlush;
    QLabel* Label1;
    QZ3D15* QZ3D151;
    ControlWindowLogic logic_;
};

}  // namespace qzedit
