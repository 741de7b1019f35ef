#include "engine/viewer/test_commands.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "engine/lifecycle.h"
#include "engine/texture_loaders.h"
#include "engine/viewer/viewer_window.h"
#include "engine/viewer/window_controls.h"
#include "platform/gdi_drawing.h"
#include "platform/message_box.h"
#include "platform/numbers.h"
#include "platform/window_services.h"

namespace engine::viewer {

namespace {

constexpr uint8_t kOverlayClear = 255;
constexpr int32_t kFlatSide = 64;
constexpr int32_t kTestBitmapLeft = 10;
constexpr int32_t kTestBitmapTop = 10;

int64_t squared(int64_t value) { return value * value; }

qz::LOGPALETTE redRampPalette()
{
    qz::LOGPALETTE palette {0x300, 255, {}};
    for (uint16_t i = 0; i < palette.palNumEntries; ++i) palette.palPalEntry[i] = {static_cast<uint8_t>(i), 0, 0, 0};
    return palette;
}

// A 64 x 64 8-bit bitmap of the flat's bytes whose colours are the red ramp.
qz::Handle flatBitmap(const TextureRef& flat)
{
    qz::BITMAPINFO info {};
    info.bmiHeader = {40, kFlatSide, -kFlatSide, 1, 8, qz::kBiRgb, 0, 0, 0, 256, 256};
    for (size_t i = 0; i < 255; ++i) info.bmiColors[i] = {0, 0, static_cast<uint8_t>(i), 0};
    void* bits = nullptr;
    const qz::Handle bitmap = CreateDIBSection(0, &info, qz::kDibRgbColors, &bits, 0, 0);
    if (bitmap != 0 && flat.data) std::memcpy(bits, flat.data, std::min<size_t>(flat.size, kFlatBytes));
    return bitmap;
}

}  // namespace

uint8_t nearestToRed(const qz::LOGPALETTE& palette)
{
    uint8_t best = 0;
    int64_t bestDistance = INT64_MAX;
    for (uint16_t i = 0; i < std::min<uint16_t>(palette.palNumEntries, 255); ++i) {
        const qz::PALETTEENTRY& entry = palette.palPalEntry[i];
        const int64_t distance = squared(255 - entry.peRed) + squared(entry.peGreen) + squared(entry.peBlue);
        if (distance < bestDistance) {
            bestDistance = distance;
            best = static_cast<uint8_t>(i);
        }
    }
    return best;
}

void redOverlayTest(qz::Handle window)
{
    EngineState& s = state();
    if (!s.engineReady) return;
    std::vector<uint8_t>& image = s.overlayImages[1];
    const std::vector<uint8_t> savedImage = image;
    const int32_t savedToggle = s.overlayToggle;
    const uint8_t red = nearestToRed(s.logicalPalette);
    std::replace_if(
        image.begin(), image.end(), [](uint8_t index) { return index != kOverlayClear; }, red);

    s.overlayToggle = 1;
    const qz::Handle dc = GetDC(window);
    drawQZ(dc);
    ReleaseDC(window, dc);
    setStatusText("Player Position:" + qz::numText(s.viewX) + "," + qz::numText(s.viewY) + "," + qz::numText(s.eyeZ));

    image = savedImage;
    s.overlayToggle = savedToggle;
}

void floorBitmapTest(qz::Handle window)
{
    EngineState& s = state();
    if (!s.engineReady) return;
    const TextureRef savedFloor = s.lastFloor;
    LoadFlatImage(ImageKind::Floor, "floor00.bmp", kFlatBytes);
    const TextureRef flat = s.lastFloor;
    s.lastFloor = savedFloor;

    const qz::Handle dc = GetDC(window);
    const qz::LOGPALETTE ramp = redRampPalette();
    const qz::Handle rampPalette = CreatePalette(&ramp);
    SelectPalette(dc, rampPalette, 0);
    RealizePalette(dc);
    const qz::Handle bitmap = flatBitmap(flat);
    const qz::Handle memory = CreateCompatibleDC(dc);
    SelectObject(memory, bitmap);
    BitBlt(dc, kTestBitmapLeft, kTestBitmapTop, kFlatSide, kFlatSide, memory, 0, 0, qz::kSrcCopy);
    qz::messageBox(qz::decimal(static_cast<int32_t>(bitmap)), "", qz::kMsgOkOnly);

    DeleteDC(memory);
    DeleteObject(bitmap);
    SelectPalette(dc, s.paletteHandle, 0);
    RealizePalette(dc);
    DeleteObject(rampPalette);
    const qz::RECT shown {kTestBitmapLeft, kTestBitmapTop, kTestBitmapLeft + kFlatSide, kTestBitmapTop + kFlatSide};
    FillRect(dc, &shown, GetStockObject(qz::WHITE_BRUSH));
    drawQZ(dc);
    ReleaseDC(window, dc);
}

}  // namespace engine::viewer
