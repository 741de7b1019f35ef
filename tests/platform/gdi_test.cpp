#include <cstring>
#include <vector>

#include <gtest/gtest.h>

#include "platform/automation_strings.h"
#include "platform/gdi.h"

namespace {

qz::BITMAPINFO info8(int32_t width, int32_t height)
{
    qz::BITMAPINFO info {};
    info.bmiHeader = {40, width, height, 1, 8, qz::kBiRgb, 0, 0, 0, 0, 0};
    for (int i = 0; i < 256; ++i)
        info.bmiColors[i] = {static_cast<uint8_t>(i), static_cast<uint8_t>(i / 2), static_cast<uint8_t>(255 - i), 0};
    return info;
}

// Colour of palette index i in info8: red 255 - i, green i / 2, blue i.
uint32_t colourOf(int i) { return 0xFF000000u | uint32_t(255 - i) << 16 | uint32_t(i / 2) << 8 | uint32_t(i); }

struct Bitmap8 {
    qz::Handle handle = 0;
    uint8_t* bits = nullptr;
};

Bitmap8 makeBitmap(int32_t width, int32_t height)
{
    qz::BITMAPINFO info = info8(width, height);
    void* bits = nullptr;
    Bitmap8 b;
    b.handle = CreateDIBSection(0, &info, qz::kDibRgbColors, &bits, 0, 0);
    b.bits = static_cast<uint8_t*>(bits);
    return b;
}

TEST(GdiTest, BlitToWindowSurfaceGoesThroughTheColourTable)
{
    Bitmap8 bitmap = makeBitmap(4, -3);  // top-down
    ASSERT_NE(bitmap.handle, 0u);
    for (int i = 0; i < 12; ++i) bitmap.bits[i] = static_cast<uint8_t>(i * 10);
    std::vector<uint32_t> surface(6 * 4, 0x12345678);  // 5 pixels wide, stride 6 pixels
    qz::Handle window = RegisterWindowSurface(surface.data(), 5, 4, 24);
    qz::Handle memory = CreateCompatibleDC(window);
    ASSERT_NE(window, 0u);
    ASSERT_NE(memory, 0u);
    EXPECT_EQ(SelectObject(memory, bitmap.handle), 0u) << "nothing was selected before";

    ASSERT_EQ(BitBlt(window, 0, 0, 4, 3, memory, 0, 0, qz::kSrcCopy), 1);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x) EXPECT_EQ(surface[y * 6 + x], colourOf((y * 4 + x) * 10)) << x << "," << y;
    EXPECT_EQ(surface[4], 0x12345678u) << "outside the copied rectangle";
    EXPECT_EQ(surface[5], 0x12345678u) << "the stride's padding";

    std::fill(surface.begin(), surface.end(), 0);
    ASSERT_EQ(BitBlt(window, 3, -1, 10, 10, memory, 1, 0, qz::kSrcCopy), 1);
    // Clipped: destination columns 3..4 take source columns 1..2; destination row 0 takes source row 1.
    EXPECT_EQ(surface[0 * 6 + 3], colourOf(5 * 10));
    EXPECT_EQ(surface[0 * 6 + 4], colourOf(6 * 10));
    EXPECT_EQ(surface[1 * 6 + 3], colourOf(9 * 10));
    EXPECT_EQ(surface[2 * 6 + 3], 0u) << "the source has no row 3";
    EXPECT_EQ(surface[0 * 6 + 2], 0u);

    qz::RGBQUAD colours[10] {};
    EXPECT_EQ(GetDIBColorTable(memory, 250, 10, colours), 6u);
    EXPECT_EQ(colours[5].rgbBlue, 255);
    EXPECT_EQ(colours[5].rgbRed, 0);
    EXPECT_EQ(GetDIBColorTable(window, 0, 10, colours), 0u) << "a window surface has no colour table";

    EXPECT_EQ(BitBlt(window, 0, 0, 4, 3, memory, 0, 0, 0x00EE0086), 0) << "only plain copies";
    EXPECT_EQ(BitBlt(memory, 0, 0, 4, 3, window, 0, 0, qz::kSrcCopy), 0) << "32-bit to 8-bit is not offered";
    EXPECT_EQ(DeleteDC(window), 0) << "a window surface is unregistered, not deleted";
    EXPECT_EQ(DeleteDC(memory), 1);
    EXPECT_EQ(UnregisterWindowSurface(window), 1);
    EXPECT_EQ(BitBlt(window, 0, 0, 1, 1, memory, 0, 0, qz::kSrcCopy), 0) << "both handles are gone";
    EXPECT_EQ(DeleteObject(bitmap.handle), 1);
}

TEST(GdiTest, BottomUpBitmapsReadTopRowFirst)
{
    Bitmap8 up = makeBitmap(3, 2);
    ASSERT_NE(up.handle, 0u);
    std::memcpy(up.bits, "\1\2\3\4\5\6", 6);  // memory holds the bottom row first
    std::vector<uint8_t> read(10, 0xEE);
    EXPECT_EQ(GetBitmapBits(up.handle, 10, read.data()), 6);
    EXPECT_EQ(read, (std::vector<uint8_t> {4, 5, 6, 1, 2, 3, 0xEE, 0xEE, 0xEE, 0xEE}));
    EXPECT_EQ(GetBitmapBits(up.handle, 4, read.data()), 4);

    Bitmap8 down = makeBitmap(3, -2);
    qz::Handle from = CreateCompatibleDC(0), to = CreateCompatibleDC(0);
    SelectObject(from, up.handle);
    SelectObject(to, down.handle);
    ASSERT_EQ(BitBlt(to, 0, 0, 3, 2, from, 0, 0, qz::kSrcCopy), 1);
    EXPECT_EQ(std::vector<uint8_t>(down.bits, down.bits + 6), (std::vector<uint8_t> {4, 5, 6, 1, 2, 3}));
    DeleteDC(from);
    DeleteDC(to);
    DeleteObject(up.handle);
    DeleteObject(down.handle);
}

TEST(GdiTest, SelectionRulesAndHandleKinds)
{
    Bitmap8 a = makeBitmap(2, -2), b = makeBitmap(2, -2);
    qz::Handle first = CreateCompatibleDC(0), second = CreateCompatibleDC(0);
    EXPECT_EQ(SelectObject(first, a.handle), 0u);
    EXPECT_EQ(SelectObject(first, a.handle), a.handle) << "selecting it again";
    EXPECT_EQ(SelectObject(second, a.handle), 0u) << "one context at a time";
    EXPECT_EQ(DeleteObject(a.handle), 0) << "still selected";
    EXPECT_EQ(SelectObject(first, b.handle), a.handle);
    EXPECT_EQ(SelectObject(second, a.handle), 0u);
    EXPECT_EQ(SelectObject(first, a.handle), 0u) << "now selected into the second context";
    EXPECT_EQ(DeleteDC(second), 1);
    EXPECT_EQ(DeleteObject(a.handle), 1);
    EXPECT_EQ(DeleteObject(a.handle), 0) << "a stale handle";

    EXPECT_EQ(SelectObject(b.handle, first), 0u) << "a bitmap is not a context";
    EXPECT_EQ(DeleteDC(b.handle), 0);
    EXPECT_EQ(CreateCompatibleDC(b.handle), 0u);
    EXPECT_EQ(GetBitmapBits(first, 4, &a), 0);
    EXPECT_NE(first & 0xFF000000u, b.handle & 0xFF000000u);
    EXPECT_LT(static_cast<int32_t>(first), 0x7FFFFFFF) << "handles pass as positive Longs";
    DeleteDC(first);
    DeleteObject(b.handle);
}

TEST(GdiTest, PalettesAreSelectedAndRealised)
{
    qz::LOGPALETTE logical {};
    logical.palVersion = 0x300;
    logical.palNumEntries = 255;
    qz::Handle palette = CreatePalette(&logical);
    ASSERT_NE(palette, 0u);
    logical.palVersion = 0x200;
    EXPECT_EQ(CreatePalette(&logical), 0u);
    logical.palVersion = 0x300;
    logical.palNumEntries = 0;
    EXPECT_EQ(CreatePalette(&logical), 0u);

    std::vector<uint32_t> pixels(4);
    qz::Handle window = RegisterWindowSurface(pixels.data(), 2, 2, 8);
    EXPECT_EQ(RealizePalette(window), 0u);
    EXPECT_EQ(SelectPalette(window, palette, 1), 0u);
    EXPECT_EQ(RealizePalette(window), 255u);
    EXPECT_EQ(DeleteObject(palette), 0) << "selected into a context";
    EXPECT_EQ(RealizePalette(0x7123), qz::kGdiError);
    UnregisterWindowSurface(window);
    EXPECT_EQ(DeleteObject(palette), 1);
    EXPECT_EQ(RegisterWindowSurface(pixels.data(), 2, 2, 4), 0u) << "stride shorter than a row";
    EXPECT_EQ(RegisterWindowSurface(nullptr, 2, 2, 8), 0u);
}

TEST(GdiTest, UnsupportedBitmapsAreRefused)
{
    void* bits = reinterpret_cast<void*>(1);
    qz::BITMAPINFO info = info8(4, 4);
    info.bmiHeader.biBitCount = 24;
    EXPECT_EQ(CreateDIBSection(0, &info, qz::kDibRgbColors, &bits, 0, 0), 0u);
    EXPECT_EQ(bits, nullptr);
    info = info8(4, 4);
    info.bmiHeader.biCompression = 1;
    EXPECT_EQ(CreateDIBSection(0, &info, qz::kDibRgbColors, &bits, 0, 0), 0u);
    info = info8(0, 4);
    EXPECT_EQ(CreateDIBSection(0, &info, qz::kDibRgbColors, &bits, 0, 0), 0u);
    info = info8(4, INT32_MIN);
    EXPECT_EQ(CreateDIBSection(0, &info, qz::kDibRgbColors, &bits, 0, 0), 0u);
    info = info8(100000, 100000);
    EXPECT_EQ(CreateDIBSection(0, &info, qz::kDibRgbColors, &bits, 0, 0), 0u);
    info = info8(4, 4);
    EXPECT_EQ(CreateDIBSection(0, &info, 1, &bits, 0, 0), 0u) << "palette-index colour tables";
    EXPECT_EQ(CreateDIBSection(0, nullptr, qz::kDibRgbColors, &bits, 0, 0), 0u);
}

TEST(AutomationStringTest, LengthPrefixedBytes)
{
    char* text = SysAllocStringByteLen("a\0b", 3);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(SysStringByteLen(text), 3u);
    EXPECT_EQ(qz::automationText(text), std::string("a\0b", 3));
    EXPECT_EQ(text[3], '\0') << "zero-terminated";
    SysFreeString(text);

    char* zeros = SysAllocStringByteLen(nullptr, 4);
    EXPECT_EQ(qz::automationText(zeros), std::string(4, '\0'));
    SysFreeString(zeros);
    EXPECT_EQ(SysStringByteLen(nullptr), 0u);
    EXPECT_EQ(qz::automationText(nullptr), "");
    SysFreeString(nullptr);
    char* copy = qz::newAutomationString("Area0           ");
    EXPECT_EQ(SysStringByteLen(copy), 16u);
    SysFreeString(copy);
}

}  // namespace
