#pragma once
#include <cstdint>
#include <optional>
#include <vector>

#include "format/map_records.h"

namespace mapfile {

struct DirectoryEntry {
    int32_t type = 0;
    int32_t position = 0;  // 1-based
};

struct ViewerStart {
    double vx = 0.0;
    double vy = 0.0;
    int32_t vz = 0;
    int16_t vd = 0;
};

struct WallBlock {
    int32_t type = 0;  // kBlockWalls or kBlockCompiledWalls
    ViewerStart viewer;
    std::vector<Wall> walls;
};

// The blocks of a map file; a kind the file lacks stays empty. When read, a later block of a kind
// replaces an earlier one and blocks of unknown types are skipped (the directory lists them all).
struct MapFileContents {
    std::vector<DirectoryEntry> directory;
    std::optional<WallBlock> wallBlock;
    std::optional<std::vector<Viewpoint>> viewpoints;
    std::optional<std::vector<Area>> areas;
    std::optional<std::vector<MapGlobals>> globals;
};

}  // namespace mapfile
