#pragma once
#include <functional>

#include "platform/window_messages.h"
#include "platform/window_resources.h"

class QMainWindow;

namespace qz {

using WindowMessage = std::function<LRESULT(uint32_t message, WPARAM wParam, LPARAM lParam)>;

// The window's menu bar from a menu resource. Items send WM_COMMAND when chosen and
// WM_MENUSELECT while highlighted (with the popup's position for a popup title, and the
// closed-menu form when a menu closes). A popup marked to align right starts a second bar in the
// right corner. Shortcut labels after a tab are shown only: no accelerator is made. Popups are
// named "mnu" + their title ("mnuFile"), actions by the item's id ("0xC00").
void installMenuBar(QMainWindow& window, const MenuResource& menu, Handle menuHandle, WindowMessage send);

}  // namespace qz
