#include "editor/shell/logic/map_grid.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "editor/model/clsMap.h"
#include "platform/files.h"
#include "platform/numbers.h"
#include "platform/profile.h"

namespace qzedit {

namespace {

const char* const kSettingsFile = "mapedit.ini";
const char* const kSection = "grid";

int32_t powerOfTwoWithin(double value)
{
    int32_t spacing = GridSettings::kFinest;
    while (spacing < GridSettings::kCoarsest && spacing * 1.5 <= value) spacing *= 2;
    return spacing;
}

bool flag(const std::string& file, const char* key, bool fallback)
{
    const std::string text = qz::getProfileString(kSection, key, "", file);
    return text.empty() ? fallback : qz::val(text) != 0;
}

// The view positions of the multiples of spacing between the picture's edges.
std::vector<double> linesAcross(double offset, int16_t magnification, int32_t spacing, double size)
{
    std::vector<double> lines;
    const double firstMap = (0 - offset) * magnification, lastMap = (size - offset) * magnification;
    for (double k = std::ceil(firstMap / spacing); k * spacing <= lastMap; ++k)
        lines.push_back(k * spacing / magnification + offset);
    return lines;
}

}  // namespace

GridSettings loadGridSettings()
{
    const std::string file = qz::inCurrentDirectory(kSettingsFile);
    GridSettings settings;
    const std::string spacing = qz::getProfileString(kSection, "spacing", "", file);
    if (!spacing.empty()) settings.spacing = powerOfTwoWithin(qz::val(spacing));
    settings.shown = flag(file, "show", settings.shown);
    settings.snap = flag(file, "snap", settings.snap);
    return settings;
}

void saveGridSettings(const GridSettings& settings)
{
    const std::string file = qz::inCurrentDirectory(kSettingsFile);
    qz::writeProfileString(kSection, "spacing", qz::decimal(settings.spacing), file);
    qz::writeProfileString(kSection, "show", settings.shown ? "1" : "0", file);
    qz::writeProfileString(kSection, "snap", settings.snap ? "1" : "0", file);
}

int32_t finerGrid(int32_t spacing) { return std::max(GridSettings::kFinest, spacing / 2); }

int32_t coarserGrid(int32_t spacing) { return std::min(GridSettings::kCoarsest, spacing * 2); }

int32_t snapToGrid(int32_t value, int32_t spacing)
{
    const double nearest = std::floor((static_cast<double>(value) + spacing / 2.0) / spacing) * spacing;
    return static_cast<int32_t>(std::clamp(nearest, -2147483648.0, 2147483647.0));
}

GridLines gridLines(const clsMap& view, int32_t spacing, double width, double height)
{
    if (spacing / static_cast<double>(view.magX) < GridSettings::kDensestPixels ||
        spacing / static_cast<double>(view.magY) < GridSettings::kDensestPixels)
        return {};
    return {linesAcross(view.offsetX, view.magX, spacing, width), linesAcross(view.offsetY, view.magY, spacing, height)};
}

}  // namespace qzedit
