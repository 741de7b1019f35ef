#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "editor/check/map_check.h"

namespace qzedit::check {

// The checks checkMap runs, each adding its findings in record order.
using Findings = std::vector<Finding>;

void checkCoordinates(const clsMap& map, Findings& findings);
void checkLengths(const clsMap& map, Findings& findings);
void checkWallHeights(const clsMap& map, Findings& findings);
void checkDuplicates(const clsMap& map, Findings& findings);
void checkCrossings(const clsMap& map, Findings& findings);
void checkTransparentWalls(const clsMap& map, Findings& findings);
void checkAreas(const clsMap& map, Findings& findings);
void checkViewerStart(const clsMap& map, Findings& findings);
void checkCompile(const clsMap& map, Findings& findings);
void checkTextures(const clsMap& map, const HeaderTextures& header, Findings& findings);

// "(12, -5)"
std::string pointText(int64_t x, int64_t y);

}  // namespace qzedit::check
