#pragma once
#include <functional>

namespace qzedit {

class MapDocument;

// Before the map is put aside (New, Open, a recent file, an import, Exit): when it has changes not
// yet saved, asks "Save changes to NAME?" with Save, Discard and Cancel. True when the command may
// go on: nothing was unsaved, the user chose Discard, or chose Save and save() saved the map.
// Cancel, a save that did not happen, or closing the question keeps everything as it was.
bool mayDiscardChanges(const MapDocument& document, const std::function<bool()>& save);

}  // namespace qzedit
