#pragma once

namespace qzedit {

class MapDocument;
class RecoveryFolder;

// At start: offers each map left behind by an editor that ended without saving it, oldest first.
// "Recover" puts it in place as a change of the document (undo brings back the map before), the
// map belonging to its own file and marked as not saved; "Discard" removes it; a question closed
// without an answer keeps it for the next start. A recovery file that cannot be read is reported
// and kept. True when a map was recovered.
bool offerLeftWork(RecoveryFolder& folder, MapDocument& document);

}  // namespace qzedit
