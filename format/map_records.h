#pragma once
#include <cstdint>

#include "format/fixed_text.h"

// The records of a binary map file, in the field order of the map object. The file layout is
// written field by field (map_file_layout.h), never by copying these structs.
namespace mapfile {

struct Wall {
    int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    int32_t back = 0, front = 0;
    int32_t floorHtBegin = 0, floorHtEnd = 0, ceilHtBegin = 0, ceilHtEnd = 0;
    int32_t xo = 0, yo = 0;
    int32_t txrWall = 0, txrFFloor = 0, txrFCeil = 0, txrBFloor = 0, txrBCeil = 0;
    int32_t length = 0;       // not stored: each reader computes it
    int32_t nextLineseg = 0;  // not stored: the BSP builder's list link
    double tStart = 0.0, tEnd = 0.0;
    int32_t areaFirst = 0, areaNext = 0, areaNum = 0;
    int32_t wallFlags = 0;
    int32_t spareL1 = 0, spareL2 = 0, spareL3 = 0, spareL4 = 0;
    double wallID = 0.0;
    double spareD1 = 0.0, spareD2 = 0.0, spareD3 = 0.0;
};

// A record of the compiled wall list: a whole wall whose back/front are child indexes (0 = none,
// record 0 is the root) and whose end points are those of its piece.
using BspNode = Wall;

struct Area {
    int32_t areaFirstWall = 0;
    int32_t areaSqArea = 0;
    int32_t areaFLAGS = 0;
    int32_t areaBbTop = 0, areaBbLeft = 0, areaBbBottom = 0, areaBbRight = 0;
    int32_t areaFloorHtBegin = 0, areaFloorHtEnd = 0, areaCeilHtBegin = 0, areaCeilHtEnd = 0;
    int32_t spareA1 = 0, spareA2 = 0;
    int16_t spareA3 = 0;
    FixedText16 areaName;
    int32_t spareA4 = 0;
    double spareA5 = 0.0, spareA6 = 0.0;
};

struct Viewpoint {
    FixedText16 name;
    int32_t x = 0, y = 0, z = 0;
    int32_t spareV1 = 0;
    double spareV2 = 0.0, spareV3 = 0.0, spareV4 = 0.0, spareV5 = 0.0;
};

struct MapGlobals {
    double globalID = 0.0;
    FixedText16 globalName;
    double globalValue = 0.0;
    double spareG1 = 0.0, spareG2 = 0.0, spareG3 = 0.0, spareG4 = 0.0;
};

// wallFlags bits.
inline constexpr int32_t kWallTransparent = 1;
inline constexpr int32_t kWallHorzCycle = 2;
inline constexpr int32_t kWallVertCycle = 4;
inline constexpr int32_t kWallMultiTexture = 8;
inline constexpr int32_t kWallAnimated = 16;
inline constexpr int32_t kWallSkyCeiling = 32;

}  // namespace mapfile
