#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "editor/model/records.h"

// Every block of a binary map file as the file holds it, viewpoints included (the map object does
// not load those). A later block of a kind replaces an earlier one, as in the map object's reader.
struct DirectoryEntry {
    int32_t type = 0;
    int32_t position = 0;
};

struct ViewerStart {
    double vx = 0.0;
    double vy = 0.0;
    int32_t vz = 0;
    int16_t vd = 0;
};

struct MapFileBlocks {
    std::vector<DirectoryEntry> directory;
    int32_t wallBlockType = 0;  // 1, 8, or 0 when the file has no wall block
    std::optional<ViewerStart> viewerStart;
    std::vector<Wall> walls;
    bool hasViewpointBlock = false;
    std::vector<Viewpoint> viewpoints;
    std::vector<Area> areas;
    std::vector<MapGlobals> globals;
};

// Reads the file with the map object's checks: a block or directory entry outside the file, a
// count outside the tables or a wall too long for its length is damage. Returns nothing and sets
// failure to a one-line message when the file is missing, unreadable or damaged.
std::optional<MapFileBlocks> readMapFileBlocks(const std::string& path, std::string& failure);

// "walls", "compiled walls", "viewpoints", "areas", "globals", or "unknown".
const char* blockTypeName(int32_t type);
