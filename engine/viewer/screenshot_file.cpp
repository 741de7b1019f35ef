#include "engine/viewer/screenshot_file.h"

#include <algorithm>

#include "engine/engine_state.h"
#include "platform/bytes.h"
#include "platform/files.h"
#include "platform/numbers.h"
#include "platform/random.h"

namespace engine::viewer {

namespace {

constexpr int32_t kPixelOffset = 1078;
constexpr int32_t kInfoHeaderSize = 40;
constexpr int kNameAttempts = 1000;

}  // namespace

std::vector<uint8_t> screenshotBytes()
{
    const EngineState& s = state();
    const int32_t width = std::max(s.screenWidth, 0);
    const int32_t height = s.frameBuffer ? std::max(s.screenHeight, 0) : 0;
    const int32_t pixels = width * height;
    qz::ByteWriter file;
    file.raw("BM", 2);
    file.i32(kPixelOffset + pixels);
    file.i16(0);
    file.i16(0);
    file.i32(kPixelOffset);
    file.i32(kInfoHeaderSize);
    file.i32(width);
    file.i32(height);
    file.i16(1);
    file.i16(8);
    for (int32_t field : {0, pixels, 0, 0, 0, 0}) file.i32(field);
    for (const auto& bgr : s.paletteTable) {
        const uint8_t entry[4] = {bgr[0], bgr[1], bgr[2], 0};
        file.raw(entry, sizeof entry);
    }
    for (int32_t row = height; row-- > 0;)
        file.raw(s.frameBuffer + static_cast<size_t>(row) * static_cast<size_t>(width), static_cast<size_t>(width));
    return file.bytes();
}

std::string screenshotName()
{
    std::string number = qz::numText(qz::rnd() * 100.0f);
    number.erase(0, number.find_first_not_of(' '));
    return "shot" + number + ".BMP";
}

std::string saveScreenshot()
{
    if (!state().frameBuffer) return "";
    std::string name = screenshotName();
    for (int attempt = 1; attempt < kNameAttempts && qz::fileExists(qz::inCurrentDirectory(name)); ++attempt)
        name = screenshotName();
    const std::string path = qz::inCurrentDirectory(name);
    if (qz::fileExists(path)) return "";
    std::string unreported;
    return qz::writeFileReplacing(path, screenshotBytes(), &unreported) ? name : "";
}

}  // namespace engine::viewer
