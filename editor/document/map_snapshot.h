#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "editor/model/clsMap.h"

namespace qzedit {

// A copy of everything of a map that its file holds or that its editing keeps in its tables:
// every slot of the four tables (slots past the counts included, since new records take fields
// from them) and the counts and viewer values. The selection, the insertion point and the view
// are not part of it.
struct MapScalars {
    int32_t numWalls = 0, numAreas = 0, numViewpoints = 0, numGlobals = 0;
    double vx = 0.0, vy = 0.0;
    int32_t vz = 0, vh = 0, vz0 = 0, vdz = 0;
    int16_t vd = 0;
};

// The slots that differ between two states of a map, with the values on each side.
struct MapDelta {
    template <typename Record>
    struct Slot {
        int32_t index;
        Record before;
        Record after;
    };
    std::vector<Slot<Wall>> walls;
    std::vector<Slot<Area>> areas;
    std::vector<Slot<Viewpoint>> viewpoints;
    std::vector<Slot<MapGlobals>> globals;
    std::optional<std::pair<MapScalars, MapScalars>> scalars;  // before, after

    bool empty() const;
    size_t bytes() const;
};

class MapSnapshot {
public:
    explicit MapSnapshot(const clsMap& map);

    // What the map changed since the snapshot was taken or last brought up to date; afterwards the
    // snapshot equals the map again.
    MapDelta takeChanges(const clsMap& map);
    // Puts one side of a delta into the map and the snapshot: the before side to undo it, the
    // after side to do it again.
    void apply(clsMap& map, const MapDelta& delta, bool forward);

private:
    std::vector<Wall> walls_;
    std::vector<Area> areas_;
    std::vector<Viewpoint> viewpoints_;
    std::vector<MapGlobals> globals_;
    MapScalars scalars_;
};

}  // namespace qzedit
