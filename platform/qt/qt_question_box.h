#pragma once

namespace qz {

// Routes questions to Qt: a modal QMessageBox over the active window with one push button per
// answer, in the order given; a button captioned "Cancel" is also what Esc and closing the box choose.
// Needs a QApplication.
void installQtQuestionSink();

}  // namespace qz
