#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace qzedit {

class clsMap;
class MapDocument;

// The passage dialog's fields and labels, and what the command and Finish do with the select
// window's list of walls ("Wall #12", top first).
class PassageWizard {
public:
    static constexpr const char* kCaption = "Passage Wizard";

    std::string height;
    std::string startHeight;
    bool tripleSplit = false;  // shown only: both walls are always split in three
    std::string wallHeightLabel;
    std::string startHeightLabel;
    std::string endHeightLabel;

    // The command's check: exactly two walls listed, else the message; true when the dialog may open.
    static bool selectionOk(const std::vector<std::string>& items);
    // The wall index of a select-list item: the number after its first 6 characters.
    static int32_t listedWall(const std::string& item);

    // Each activation: the labels show the selected wall's heights. On the first, the text boxes
    // get their proposals (start height = the wall's floor, passage height = 0.4 of the wall's).
    void activate(const clsMap& map, const std::vector<std::string>& items);
    // Cuts the passage between the first two listed walls as one change; false while the dialog
    // must stay (a listed wall that is not in the map, the same wall twice, a full wall table).
    bool finish(MapDocument& document, const std::vector<std::string>& items);

private:
    bool proposed_ = false;
};

}  // namespace qzedit
