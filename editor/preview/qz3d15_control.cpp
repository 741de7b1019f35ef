#include "editor/preview/qz3d15_control.h"

#include <QApplication>
#include <QTimer>
#include <QVBoxLayout>

#include "editor/preview/engine_picture.h"
#include "editor/preview/logic/shared_library.h"

namespace qzedit {

namespace {

// Each is loaded when a first call needs it, by full path from the program's folder.
SharedLibrary& recordDatabase()
{
    static SharedLibrary database("zuRA.so", SharedLibrary::shippedPath("zuRA.so"));
    return database;
}

SharedLibrary& basicInterpreter()
{
    static SharedLibrary interpreter("ZERurav.so", SharedLibrary::shippedPath("ZERurav.so"));
    return interpreter;
}

}  // namespace

QZ3D15::QZ3D15(EngineBinding& engine, QWidget* parent)
    : QWidget(parent),
      EngineControl(engine, *this, recordDatabase(), basicInterpreter()),
      picture_(new EnginePicture(320, 200, EnginePicture::Fit::Actual, this)),
      timer_(new QTimer(this))
{
    setObjectName("QZ3D15");
    timer_->setObjectName("Timer1");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(picture_);
}

int32_t QZ3D15::pictureDC() { return picture_->dc(); }

void QZ3D15::setPictureSize(int32_t width, int32_t height) { picture_->setSurfaceSize(width, height); }

void QZ3D15::processEvents() { QApplication::processEvents(QEventLoop::ExcludeUserInputEvents); }

void QZ3D15::setBorderStyle(int style) { picture_->setBorderStyle(style); }

// Enabled without an interval, the timer never fires: nothing waits on it.
void QZ3D15::enableTimer() { timerEnabled_ = true; }

void QZ3D15::pictureChanged() { picture_->update(); }

}  // namespace qzedit
