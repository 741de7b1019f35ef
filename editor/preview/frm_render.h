#pragma once
#include <QWidget>

#include "editor/preview/logic/preview_source.h"
#include "editor/preview/logic/render_window_logic.h"

class QPushButton;

namespace qzedit {

class EnginePicture;

// The render window (caption "Render Map"): Init, Render, Forward and Flush in a row above the
// picture box, driving the engine library directly.
class frmRender : public QWidget, private PreviewPort {
    Q_OBJECT
public:
    frmRender(EngineBinding& engine, PreviewSource& source, QWidget* parent = nullptr);

    RenderWindowLogic& logic() { return logic_; }
    EnginePicture& picture() { return *Picture1; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void cmdInit_Click();
    void cmdRender_Click();
    void cmdForward_Click();
    void cmdFlush_Click();
    void Picture1_KeyDown(int keyCode);
    void Form_KeyDown(int keyCode);

    int32_t pictureDC() override;
    void pictureChanged() override;
    void setCaption(const std::string& caption) override;
    void buttonsChanged() override;

    QPushButton* cmdInit;
    QPushButton* cmdRender;
    QPushButton* cmdForward;
    QPushButton* cmdFlush;
    EnginePicture* Picture1;
    RenderWindowLogic logic_;
};

}  // namespace qzedit
