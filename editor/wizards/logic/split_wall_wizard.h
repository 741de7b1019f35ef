#pragma once

namespace qzedit {

class clsMap;
class MapDocument;

// The split dialog's choice and what the command and Finish do.
class SplitWallWizard {
public:
    static constexpr const char* kCaption = "Split Wall";

    // The upper option; the lower one splits in three. A first split most often halves a wall.
    bool doubleSplit = true;

    // The command's check: a wall is selected, else the message; true when the dialog may open.
    static bool selectionOk(const clsMap& map);
    // Splits the selected wall in two or three as one change; false while the dialog must stay
    // (the selection is no wall of the map, or the wall table is full).
    bool finish(MapDocument& document) const;
};

}  // namespace qzedit
