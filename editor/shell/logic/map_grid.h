#pragma once
#include <cstdint>
#include <vector>

namespace qzedit {

class clsMap;

// The map view's grid: lines every `spacing` map units under the map, and snapping of the
// insertion point and of move drags to them. Kept in mapedit.ini.
struct GridSettings {
    static constexpr int32_t kFinest = 8;
    static constexpr int32_t kCoarsest = 1024;
    // Lines closer than this many pixels would only grey the picture: the grid is hidden then.
    static constexpr double kDensestPixels = 4;

    int32_t spacing = 128;
    bool shown = true;
    bool snap = false;
    bool operator==(const GridSettings&) const = default;
};

// Section "grid" of mapedit.ini in the current directory: keys "spacing", "show" and "snap"
// (1 or 0). Missing keys keep the defaults; a spacing is brought to a power of two from 8 to 1024.
GridSettings loadGridSettings();
void saveGridSettings(const GridSettings& settings);

// "[" halves the spacing, "]" doubles it, within 8 .. 1024.
int32_t finerGrid(int32_t spacing);
int32_t coarserGrid(int32_t spacing);

// The nearest multiple of spacing; halfway goes up.
int32_t snapToGrid(int32_t value, int32_t spacing);

// View positions of the grid lines over a picture of width x height pixels with the map's view
// transform: columns for the multiples of spacing in x, rows for those in y. Empty when the lines
// would be closer than 4 pixels.
struct GridLines {
    std::vector<double> columns;
    std::vector<double> rows;
    bool operator==(const GridLines&) const = default;
};
GridLines gridLines(const clsMap& view, int32_t spacing, double width, double height);

}  // namespace qzedit
