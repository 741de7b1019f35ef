#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// The map's records. Field order is the declaration order of the map object; the file layout is
// written field by field (map_file_layout.h), never by copying these structs.

// Exactly 16 bytes of text, padded with spaces on the right; longer text is cut.
class FixedText16 {
public:
    FixedText16() { bytes_.fill(' '); }
    FixedText16(std::string_view text) { assign(text); }
    void assign(std::string_view text)
    {
        bytes_.fill(' ');
        for (size_t i = 0; i < text.size() && i < bytes_.size(); ++i) bytes_[i] = text[i];
    }
    std::string str() const { return std::string(bytes_.data(), bytes_.size()); }
    const char* data() const { return bytes_.data(); }
    char* data() { return bytes_.data(); }
    bool operator==(const FixedText16&) const = default;

private:
    std::array<char, 16> bytes_;
};

struct Wall {
    int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    int32_t back = 0, front = 0;
    int32_t floorHtBegin = 0, floorHtEnd = 0, ceilHtBegin = 0, ceilHtEnd = 0;
    int32_t xo = 0, yo = 0;
    int32_t txrWall = 0, txrFFloor = 0, txrFCeil = 0, txrBFloor = 0, txrBCeil = 0;
    int32_t length = 0;
    int32_t nextLineseg = 0;
    double tStart = 0.0, tEnd = 0.0;
    int32_t areaFirst = 0, areaNext = 0, areaNum = 0;
    int32_t wallFlags = 0;
    int32_t spareL1 = 0, spareL2 = 0, spareL3 = 0, spareL4 = 0;
    double wallID = 0.0;
    double spareD1 = 0.0, spareD2 = 0.0, spareD3 = 0.0;
};

// A record of the compiled wall list: a whole wall whose back/front are child indexes.
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
