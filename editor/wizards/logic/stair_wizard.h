#pragma once
#include <string>

namespace qzedit {

class clsMap;
class MapDocument;

// The stair dialog's fields and its Finish.
class StairWizard {
public:
    static constexpr const char* kCaption = "Stair Wizard";

    std::string heightInc = "25";
    std::string startX = "2300";
    std::string startY = "1500";
    std::string stairWidth = "50";
    std::string numStairs = "8";

    void activate(const clsMap& map);
    // Builds the flight as one change; a count or width that is not positive builds nothing.
    // False while the dialog must stay (a field that does not fit).
    bool finish(MapDocument& document);
};

}  // namespace qzedit
