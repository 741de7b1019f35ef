#pragma once
#include <QString>
#include <functional>

class QMainWindow;

namespace qzedit {

// The menu bar and the toolbar Toolbar1 of the main window. Each menu item's action is named as
// the item (itmOpenMap), each toolbar button's by its key ("open"); both call run with that name.
using CommandRunner = std::function<void(const QString& name)>;

void buildMenuBar(QMainWindow& window, const CommandRunner& run);
void buildToolbar(QMainWindow& window, const CommandRunner& run);

}  // namespace qzedit
