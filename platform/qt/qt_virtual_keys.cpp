#include "platform/qt/qt_virtual_keys.h"

#include <Qt>

#include "platform/window_messages.h"

namespace qz {

namespace {

constexpr uint32_t kFirstFunctionKey = 0x70;  // VK_F1
constexpr uint32_t kEscape = 0x1B;
constexpr uint32_t kBackspace = 0x08;
constexpr uint32_t kEnd = 0x23;
constexpr uint32_t kHome = 0x24;
constexpr uint32_t kInsert = 0x2D;
constexpr uint32_t kDelete = 0x2E;
constexpr uint32_t kControl = 0x11;
constexpr uint32_t kAlt = 0x12;

}  // namespace

std::optional<uint32_t> virtualKeyOf(int qtKey)
{
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return static_cast<uint32_t>('A' + (qtKey - Qt::Key_A));
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return static_cast<uint32_t>('0' + (qtKey - Qt::Key_0));
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return kFirstFunctionKey + static_cast<uint32_t>(qtKey - Qt::Key_F1);
    switch (qtKey) {
    case Qt::Key_Up: return VK_UP;
    case Qt::Key_Down: return VK_DOWN;
    case Qt::Key_Left: return VK_LEFT;
    case Qt::Key_Right: return VK_RIGHT;
    case Qt::Key_Shift: return VK_SHIFT;
    case Qt::Key_Space: return VK_SPACE;
    case Qt::Key_PageUp: return VK_PRIOR;
    case Qt::Key_PageDown: return VK_NEXT;
    // Shift+Tab arrives as Backtab; the Shift key's own message says that Shift is held.
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return VK_TAB;
    case Qt::Key_Return:
    case Qt::Key_Enter: return VK_RETURN;
    case Qt::Key_Escape: return kEscape;
    case Qt::Key_Backspace: return kBackspace;
    case Qt::Key_Home: return kHome;
    case Qt::Key_End: return kEnd;
    case Qt::Key_Insert: return kInsert;
    case Qt::Key_Delete: return kDelete;
    case Qt::Key_Control: return kControl;
    case Qt::Key_Alt: return kAlt;
    default: return std::nullopt;
    }
}

}  // namespace qz
