#pragma once
#include <optional>
#include <string>

#include "format/map_file_contents.h"

// Reads every block of the file with the map object's checks. Returns nothing and sets failure to
// a one-line message when the file is missing, unreadable, not a map file or damaged.
std::optional<mapfile::MapFileContents> readMapFileBlocks(const std::string& path, std::string& failure);
