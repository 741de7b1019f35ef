#pragma once
#include <cstdint>

// Graphics stand-ins: device contexts, 8-bit device-independent bitmaps with a colour table,
// logical palettes and block transfer, under the names and with the calls of the Windows graphics
// services that the engine and its hosts use. Everything is exported with C linkage, so a host in
// any language can drive the engine. Handles are 32-bit numbers from tables, never pointers;
// 0 means none or failure.
//
// Rows of a bitmap are packed (width * bytes per pixel, no padding to 4 bytes), so the engine's
// row offsets y * width address the pixels of any width.

namespace qz {

using Handle = uint32_t;

struct BITMAPINFOHEADER {
    uint32_t biSize;
    int32_t biWidth;
    int32_t biHeight;  // negative: top-down rows
    uint16_t biPlanes;
    uint16_t biBitCount;
    uint32_t biCompression;
    uint32_t biSizeImage;
    int32_t biXPelsPerMeter;
    int32_t biYPelsPerMeter;
    uint32_t biClrUsed;
    uint32_t biClrImportant;
};

struct RGBQUAD {
    uint8_t rgbBlue, rgbGreen, rgbRed, rgbReserved;
};

// The header and a colour table of biClrUsed entries (all 256 when biClrUsed is 0).
struct BITMAPINFO {
    BITMAPINFOHEADER bmiHeader;
    RGBQUAD bmiColors[256];
};

struct PALETTEENTRY {
    uint8_t peRed, peGreen, peBlue, peFlags;
};

struct LOGPALETTE {
    uint16_t palVersion;  // 0x300
    uint16_t palNumEntries;
    PALETTEENTRY palPalEntry[256];
};

inline constexpr uint32_t kSrcCopy = 0xCC0020;
inline constexpr uint32_t kDibRgbColors = 0;
inline constexpr uint32_t kBiRgb = 0;
inline constexpr uint32_t kGdiError = 0xFFFFFFFF;

}  // namespace qz

extern "C" {

// A window surface of 32-bit pixels (0xAARRGGBB, stride in bytes) that a host draws to the screen:
// the handle is a device context that BitBlt can target. The buffer stays the host's.
qz::Handle RegisterWindowSurface(uint32_t* pixels, int32_t width, int32_t height, int32_t strideBytes);
int32_t UnregisterWindowSurface(qz::Handle dc);

qz::Handle CreateCompatibleDC(qz::Handle dc);
int32_t DeleteDC(qz::Handle dc);

// Selects a bitmap into a memory context; returns the bitmap it replaces (0 when there was none)
// or 0 on failure. A bitmap is selected into one context at a time.
qz::Handle SelectObject(qz::Handle dc, qz::Handle object);

// Deletes a bitmap or palette; fails (0) while it is selected into a context.
int32_t DeleteObject(qz::Handle object);

// Copies a rectangle (plain copy only). 8-bit to 8-bit and 32-bit to 32-bit copy bytes; an 8-bit
// bitmap to a 32-bit surface goes through the bitmap's colour table. The rectangle is clipped to
// both sides. Nonzero on success.
int32_t BitBlt(qz::Handle destination, int32_t x, int32_t y, int32_t width, int32_t height, qz::Handle source,
               int32_t sourceX, int32_t sourceY, uint32_t rasterOperation);

// 8- or 32-bit uncompressed bitmaps with RGB colours; *bits receives the pixel memory, which
// lives as long as the bitmap. With RGB colours the context plays no part, as on Windows.
qz::Handle CreateDIBSection(qz::Handle dc, const qz::BITMAPINFO* info, uint32_t usage, void** bits,
                            qz::Handle section, uint32_t offset);

// Copies entries start .. start + count - 1 of the colour table of the 8-bit bitmap selected into a
// memory context; returns the number copied.
uint32_t GetDIBColorTable(qz::Handle dc, uint32_t start, uint32_t count, qz::RGBQUAD* colours);

// Copies up to byteCount bytes of the bitmap's pixels, top row first; returns the bytes copied.
int32_t GetBitmapBits(qz::Handle bitmap, int32_t byteCount, void* bits);

qz::Handle CreatePalette(const qz::LOGPALETTE* palette);
qz::Handle SelectPalette(qz::Handle dc, qz::Handle palette, int32_t forceBackground);
// Returns the number of entries of the context's palette, or kGdiError.
uint32_t RealizePalette(qz::Handle dc);

}  // extern "C"
