#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "editor/model/records.h"

// Every block of a binary map file as the file holds it, found through its directory. A later
// block of a kind replaces an earlier one; blocks of unknown types are skipped.
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
    std::vector<Wall> walls;    // with their length computed
    bool hasViewpointBlock = false;
    std::vector<Viewpoint> viewpoints;
    bool hasAreaBlock = false;
    std::vector<Area> areas;
    bool hasGlobalBlock = false;
    std::vector<MapGlobals> globals;
};

// Why a file cannot be read: a block or directory entry outside the file, a count outside the
// tables, or a wall too long for its length to be stored.
struct MapFileDamage {
    std::string reason;
};

// Reads every block of the file's bytes, checking each against the file and the tables before it
// is read. The viewpoint block is read and checked only when withViewpoints is set (the editor
// keeps its own viewpoints). Throws MapFileDamage.
MapFileBlocks parseMapFile(const std::vector<uint8_t>& bytes, bool withViewpoints);
