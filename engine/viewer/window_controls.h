#pragma once
#include <string>

#include "platform/window_messages.h"

// The viewer window's toolbar and status bar: made on create, sized with the window, and fed
// with the string table's texts for tooltips and highlighted menu items.
namespace engine::viewer {

void createControls(qz::Handle window);
// A tooltip asking for its text gets the string of the button's command.
void answerNotify(qz::LPARAM notifyHeader);
void showMenuItemString(qz::WPARAM menuSelectWParam);
void resizeControls(qz::WPARAM wParam, qz::LPARAM lParam);

void setStatusText(const std::string& text);

}  // namespace engine::viewer
