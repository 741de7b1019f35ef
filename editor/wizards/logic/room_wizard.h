#pragma once
#include <string>

namespace qzedit {

class clsMap;
class MapDocument;

// The room wizard's fields and what Finish does with them, without the dialog. The dialog copies
// its controls into these fields before Finish and back afterwards.
class RoomWizard {
public:
    static constexpr const char* kCaption = "Room Wizard";
    static constexpr const char* kRoomTypes[] = {"Empty room", "Multi-pillar room"};

    int roomType = 0;  // the selected item of the list, -1 for none
    bool newMap = false;
    std::string startX = "1800";
    std::string startY = "1000";
    std::string numSides = "4";
    std::string sideLen = "1400";
    std::string numPillars = "4";
    std::string numPillarSides = "5";
    std::string numColumns = "2";
    std::string ceilingHeight = "264";

    // Each activation: the start point is the map's insertion point.
    void activate(const clsMap& map);
    // Finish: builds the room as one change of the document. False while the dialog must stay
    // (no room type, or a field that does not fit, reported in a message; nothing changes then).
    bool finish(MapDocument& document);
};

}  // namespace qzedit
