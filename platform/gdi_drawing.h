#pragma once
#include <cstdint>
#include <optional>

#include "platform/gdi.h"

// Pens, brushes, lines and rectangles on the device contexts of the graphics stand-ins, for the
// few outlines the engine draws straight onto a window (the compass). Pixels reach the context
// through BitBlt, so they land wherever a frame would: a host's window surface or a 32-bit bitmap.
// Pens and brushes have their own select and delete calls (the windowsx.h names), since the
// stand-ins' SelectObject and DeleteObject handle bitmaps and palettes only.
namespace qz {

using COLORREF = uint32_t;  // 0x00BBGGRR

constexpr COLORREF RGB(uint8_t red, uint8_t green, uint8_t blue)
{
    return static_cast<COLORREF>(red) | (static_cast<COLORREF>(green) << 8) | (static_cast<COLORREF>(blue) << 16);
}

struct POINT {
    int32_t x, y;
    friend bool operator==(const POINT&, const POINT&) = default;
};

struct RECT {
    int32_t left, top, right, bottom;
};

inline constexpr int32_t PS_SOLID = 0;
inline constexpr int32_t PS_INSIDEFRAME = 6;
inline constexpr int32_t WHITE_BRUSH = 0;
inline constexpr int32_t BLACK_PEN = 7;

// The colour of a brush, for hosts painting a window class's background.
std::optional<COLORREF> brushColour(Handle brush);

}  // namespace qz

extern "C" {

qz::Handle CreatePen(int32_t style, int32_t width, qz::COLORREF colour);
qz::Handle CreateSolidBrush(qz::COLORREF colour);
// WHITE_BRUSH or BLACK_PEN; stock objects are never deleted.
qz::Handle GetStockObject(int32_t object);

// Each returns the pen or brush it replaces (a context starts with the black pen and the white
// brush), or 0 on failure.
qz::Handle SelectPen(qz::Handle dc, qz::Handle pen);
qz::Handle SelectBrush(qz::Handle dc, qz::Handle brush);
int32_t DeletePen(qz::Handle pen);
int32_t DeleteBrush(qz::Handle brush);

// Outline with the pen on the inside of left .. right - 1 and top .. bottom - 1, filled with the
// brush.
int32_t Rectangle(qz::Handle dc, int32_t left, int32_t top, int32_t right, int32_t bottom);
// Fills left .. right - 1, top .. bottom - 1 with the brush; no outline.
int32_t FillRect(qz::Handle dc, const qz::RECT* rect, qz::Handle brush);

// Lines stop one pixel short of their end point, as on Windows.
int32_t MoveToEx(qz::Handle dc, int32_t x, int32_t y, qz::POINT* previous);
int32_t LineTo(qz::Handle dc, int32_t x, int32_t y);
// Lines between consecutive points; the current position is neither used nor changed.
int32_t Polyline(qz::Handle dc, const qz::POINT* points, int32_t count);

}  // extern "C"
