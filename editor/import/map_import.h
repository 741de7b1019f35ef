#pragma once
#include <cstdint>
#include <optional>

#include "editor/import/doom_map.h"
#include "editor/import/map_conversion.h"
#include "editor/import/wad_error.h"
#include "editor/import/wall_making.h"

namespace qzedit {

namespace wad {

// Where the viewer starts: player 1's start, the eye 56 units above its sector's floor, the
// angle in the engine's 1/128 turns.
struct ViewerPlacement {
    double x = 0.0, y = 0.0;
    int32_t z = 0;
    int16_t angle = 0;
    int32_t sector = 0;
};

// What the engine's area lookup cannot do for some imported areas: it never reports an area whose
// bounding box covers 32000000 square units or more, and follows at most 201 nodes of a chain.
struct LookupLimits {
    int32_t areasTooLarge = 0;
    int32_t chainsTooLong = 0;
};

struct ImportedMap {
    ConvertedMap converted;
    ViewerPlacement viewer;
    int32_t compiledRecords = 0;  // records of the map's BSP tree
    LookupLimits lookup;
    int32_t reachableSectors = 0; // sectors reachable from the start, of which --fit took a part
    bool cut = false;
};

// The counts a map needs against what our map tables and a compiled map hold.
struct TableNeeds {
    int32_t walls = 0, areas = 0;
    std::optional<int32_t> records;  // unknown when the walls or areas already do not fit
    bool fits() const;
};

// A map too large for the tables, with what it needs and how much --fit would import.
class MapBeyondTables : public WadError {
public:
    MapBeyondTables(const std::string& mapName, const TableNeeds& needs);
    TableNeeds needs;
};

struct ImportOptions {
    // Import the part around the player start that fits when the whole map does not.
    bool fit = false;
};

// Converts the map whole, or with fit the largest connected part around the player start that
// fits. Throws MapBeyondTables when it does not fit (and fit is off, or not even the start room
// fits), WadError when the map has no player 1 start or it lies outside every sector.
ImportedMap importMap(const DoomMap& map, const TextureHeights& heights, const ImportOptions& options);

// The Doom angle (degrees, counter-clockwise from +x) as the engine's angle (1/128 turns,
// clockwise from +y), rounded to the nearest unit.
int16_t engineAngle(int32_t doomDegrees);

}  // namespace wad

}  // namespace qzedit
