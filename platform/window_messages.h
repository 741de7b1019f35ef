#pragma once
#include <cstdint>

#include "platform/gdi.h"

// Window messages, virtual keys and the structures that travel with them, under their Windows
// names and numbers. Message parameters are pointer-sized, as on 64-bit Windows, because some
// (tooltip requests, status texts) carry addresses.
namespace qz {

using WPARAM = uintptr_t;
using LPARAM = intptr_t;
using LRESULT = intptr_t;
using WindowProcedure = LRESULT (*)(Handle window, uint32_t message, WPARAM wParam, LPARAM lParam);

inline constexpr uint32_t WM_CREATE = 0x0001;
inline constexpr uint32_t WM_DESTROY = 0x0002;
inline constexpr uint32_t WM_SIZE = 0x0005;
inline constexpr uint32_t WM_CLOSE = 0x0010;
inline constexpr uint32_t WM_NOTIFY = 0x004E;
inline constexpr uint32_t WM_KEYDOWN = 0x0100;
inline constexpr uint32_t WM_KEYUP = 0x0101;
inline constexpr uint32_t WM_COMMAND = 0x0111;
inline constexpr uint32_t WM_TIMER = 0x0113;
inline constexpr uint32_t WM_MENUSELECT = 0x011F;
inline constexpr uint32_t WM_USER = 0x0400;

// Messages to the common controls.
inline constexpr uint32_t SB_SETTEXTA = WM_USER + 1;
inline constexpr uint32_t TB_AUTOSIZE = WM_USER + 33;

inline constexpr uint32_t VK_TAB = 0x09;
inline constexpr uint32_t VK_RETURN = 0x0D;
inline constexpr uint32_t VK_SHIFT = 0x10;
inline constexpr uint32_t VK_SPACE = 0x20;
inline constexpr uint32_t VK_PRIOR = 0x21;
inline constexpr uint32_t VK_NEXT = 0x22;
inline constexpr uint32_t VK_LEFT = 0x25;
inline constexpr uint32_t VK_UP = 0x26;
inline constexpr uint32_t VK_RIGHT = 0x27;
inline constexpr uint32_t VK_DOWN = 0x28;

// WM_MENUSELECT: the high word of wParam holds these flags; 0xFFFF with no menu means it closed.
inline constexpr uint32_t MF_GRAYED = 0x0001;
inline constexpr uint32_t MF_POPUP = 0x0010;
inline constexpr uint32_t MF_HILITE = 0x0080;
inline constexpr uint32_t kMenuClosed = 0xFFFF;

inline constexpr uint32_t SIZE_RESTORED = 0;

// Window and control styles the viewer passes.
inline constexpr uint32_t WS_OVERLAPPEDWINDOW = 0x00CF0000;
inline constexpr uint32_t WS_CHILD = 0x40000000;
inline constexpr uint32_t WS_VISIBLE = 0x10000000;
inline constexpr uint32_t WS_BORDER = 0x00800000;
inline constexpr uint32_t CS_VREDRAW = 0x0001;
inline constexpr uint32_t CS_HREDRAW = 0x0002;
inline constexpr uint32_t TBSTYLE_TOOLTIPS = 0x0100;
inline constexpr uint8_t TBSTATE_ENABLED = 0x04;
inline constexpr uint8_t TBSTYLE_BUTTON = 0x00;
inline constexpr int32_t CW_USEDEFAULT = static_cast<int32_t>(0x80000000u);
inline constexpr int32_t SW_SHOWNORMAL = 1;

// A tooltip asking its owner for the text (TTN_NEEDTEXTA is the same code).
inline constexpr int32_t TTN_GETDISPINFOA = -520;

struct NMHDR {
    Handle hwndFrom;
    uintptr_t idFrom;  // for a toolbar button's tooltip: the button's command
    int32_t code;
};

struct NMTTDISPINFOA {
    NMHDR hdr;
    const char* lpszText;  // the owner points this at its text
    char szText[80];
    Handle hinst;
    uint32_t uFlags;
    LPARAM lParam;
};

struct TBBUTTON {
    int32_t iBitmap;
    int32_t idCommand;
    uint8_t fsState;
    uint8_t fsStyle;
    uintptr_t dwData;
    intptr_t iString;
};

constexpr uint32_t LOWORD(uintptr_t value) { return static_cast<uint32_t>(value & 0xFFFF); }
constexpr uint32_t HIWORD(uintptr_t value) { return static_cast<uint32_t>((value >> 16) & 0xFFFF); }
constexpr uintptr_t MAKEWPARAM(uint32_t low, uint32_t high) { return (low & 0xFFFF) | ((high & 0xFFFFu) << 16); }
constexpr intptr_t MAKELPARAM(uint32_t low, uint32_t high)
{
    return static_cast<intptr_t>(static_cast<uint32_t>((low & 0xFFFF) | ((high & 0xFFFFu) << 16)));
}

}  // namespace qz
