#pragma once
#include <cstdint>
#include <string>

namespace qzedit {

// What the logic of a preview window asks of the window.
class PreviewPort {
public:
    virtual ~PreviewPort() = default;
    // The picture box's device context, fetched anew before every draw.
    virtual int32_t pictureDC() = 0;
    virtual void pictureChanged() = 0;
    virtual void setCaption(const std::string& caption) = 0;
    // The buttons' enabled states changed.
    virtual void buttonsChanged() = 0;
};

// Virtual key codes of the keys the preview windows know.
inline constexpr int kKeyLeft = 37, kKeyUp = 38, kKeyRight = 39, kKeyDown = 40;
inline constexpr int kKeyA = 65, kKeyD = 68, kKeyS = 83, kKeyW = 87;

}  // namespace qzedit
