#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "editor/check/header_textures.h"

namespace qzedit {

class clsMap;

namespace check {

// An error is something the engine cannot take or will show wrongly; a warning is something that
// works but is most likely not what the author meant.
enum class Severity { Error, Warning };
enum class RecordKind { Map, ViewerStart, Area, Wall };

struct Finding {
    Severity severity;
    RecordKind record;
    int32_t index;  // the wall or area number; -1 for the map and the viewer start
    std::string text;  // what is wrong, then what to do
    bool operator==(const Finding&) const = default;
};

struct CheckOptions {
    // The texture lists of the header the map is shown with; without one textures are not checked.
    std::optional<HeaderTextures> header;
};

// Every finding of the map, errors first, each group in the order the checks run (coordinates,
// lengths, heights, duplicates, crossings, transparent walls, area chains, the viewer start, the
// compile, textures) and within a check by record number.
std::vector<Finding> checkMap(const clsMap& map, const CheckOptions& options = {});

size_t errorCount(const std::vector<Finding>& findings);
// "2 errors, 1 warning".
std::string countsLine(const std::vector<Finding>& findings);

// "error: wall 12: ..." as qzmap check prints it and the Check Map window lists it.
std::string findingLine(const clsMap& map, const Finding& finding);
// "wall 12", "area 3 "Hall"", "viewer start", "map"; UTF-8.
std::string recordLabel(const clsMap& map, const Finding& finding);
const char* severityName(Severity severity);
const char* recordKindName(RecordKind kind);

}  // namespace check

}  // namespace qzedit
