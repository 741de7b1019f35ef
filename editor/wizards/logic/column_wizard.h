#pragma once
#include <string>

namespace qzedit {

class clsMap;
class MapDocument;

// The column wizard's fields and its Finish. Height, texture and texture type are shown and kept
// but not applied: the column's walls take the paste buffer's heights and textures.
class ColumnWizard {
public:
    static constexpr const char* kCaption = "Column Wizard";

    std::string startX = "1800";
    std::string startY = "1000";
    std::string numSides = "5";
    std::string sideLen = "50";
    std::string height = "264";
    std::string texture = "6";
    std::string flags = "0";

    void activate(const clsMap& map);
    // Builds the column as one change; false while the dialog must stay (a field that does not fit).
    bool finish(MapDocument& document);
};

}  // namespace qzedit
