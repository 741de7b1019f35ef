#pragma once
#include <QWidget>

#include "editor/preview/logic/engine_control.h"

class QTimer;

namespace qzedit {

class EnginePicture;

// The engine control: a picture box Picture1 in which the engine's frames appear and a timer
// Timer1, with the control's public methods and properties (see EngineControl).
class QZ3D15 : public QWidget, public EngineControl, private ControlPicture {
    Q_OBJECT
public:
    explicit QZ3D15(EngineBinding& engine, QWidget* parent = nullptr);

    EnginePicture& picture() { return *picture_; }
    QTimer& timer() { return *timer_; }
    bool timerEnabled() const { return timerEnabled_; }

private:
    int32_t pictureDC() override;
    void setPictureSize(int32_t width, int32_t height) override;
    void processEvents() override;
    void setBorderStyle(int style) override;
    void enableTimer() override;
    void pictureChanged() override;

    EnginePicture* picture_;
    QTimer* timer_;
    bool timerEnabled_ = false;
};

}  // namespace qzedit
