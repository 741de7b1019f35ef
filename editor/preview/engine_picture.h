#pragma once
#include <QFrame>
#include <QImage>
#include <functional>

namespace qzedit {

// A picture box the engine's frames are copied into: a 32-bit surface registered with the
// platform's graphics, so BitBlt reaches it through its device context. It shows the surface at
// its own size in the corner, or scaled smoothly to fill the box with the frame's proportions.
// Keys pressed in it go to keyHandler as virtual key codes.
class EnginePicture : public QFrame {
    Q_OBJECT
public:
    enum class Fit { Actual, Scaled };

    EnginePicture(int width, int height, Fit fit, QWidget* parent = nullptr);
    ~EnginePicture() override;

    int32_t dc() const { return static_cast<int32_t>(dc_); }
    const QImage& surface() const { return surface_; }
    // A new surface of that size (what it showed is kept where it fits).
    void setSurfaceSize(int width, int height);
    // 1: a single fixed border; 0: none.
    void setBorderStyle(int style);

    std::function<void(int virtualKey, bool down, bool repeat)> keyHandler;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void key(QKeyEvent* event, bool down);

    Fit fit_;
    QImage surface_;
    uint32_t dc_ = 0;
};

}  // namespace qzedit
