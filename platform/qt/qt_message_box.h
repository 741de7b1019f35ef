#pragma once

namespace qz {

// Routes message boxes and beeps to Qt: a modal QMessageBox over the active window with the
// icon the style names. Needs a QApplication.
void installQtMessageSinks();

}  // namespace qz
