#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace qz {

// True when a regular file of exactly that name exists; an empty name never exists.
bool fileExists(const std::string& name);

// Names written on Windows: backslashes become separators, and when the exact name is missing a
// case-insensitive match in the same folder is taken. Returns the name to open, or "" when none.
std::string resolveFileName(const std::string& name);

// The whole file, or nothing when it cannot be read.
std::optional<std::vector<uint8_t>> readFileBytes(const std::string& name);

// Replaces the file in one step: the bytes go to a new file in the same folder, which is then
// renamed over the target, so a failed write leaves the old file as it was. On failure the text
// of the error ("Path not found", "Permission denied", "Disk full", ...) is stored in errorText
// when one is given.
bool writeFileReplacing(const std::string& name, const std::vector<uint8_t>& bytes, std::string* errorText);

std::string currentDirectory();
bool setCurrentDirectory(const std::string& path);

// name inside the current directory ("<cwd>/name").
std::string inCurrentDirectory(const std::string& name);

// Seconds since local midnight, with fractions.
double secondsSinceMidnight();

}  // namespace qz
