#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "editor/model/map_file_reader.h"

// Reads every block of the file, viewpoints included (the map object does not load those), with
// the map object's checks. Returns nothing and sets failure to a one-line message when the file
// is missing, unreadable or damaged.
std::optional<MapFileBlocks> readMapFileBlocks(const std::string& path, std::string& failure);

// "walls", "compiled walls", "viewpoints", "areas", "globals", or "unknown".
const char* blockTypeName(int32_t type);
