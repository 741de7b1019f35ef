#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace qz {

// Settings files in the profile-string manner: "[section]" lines and "key=value" lines; section
// and key names match without regard to case or surrounding blanks; values are trimmed, and a value
// in matching quotes loses them.

// The value of key in section of the text, or nothing when section or key is absent.
std::optional<std::string> profileLookup(std::string_view text, std::string_view section, std::string_view key);

// The value from the file, or defaultValue when the file, section or key is missing. The result
// is cut to bufferSize - 1 bytes, as the caller's buffer would hold.
std::string getProfileString(std::string_view section, std::string_view key, std::string_view defaultValue,
                             const std::string& filePath, size_t bufferSize = 256);

// The text with key set to value in section: the key's line is replaced, or the key is added at
// the end of its section, or the section is appended. Every other line is kept as it was.
std::string profileUpdate(std::string_view text, std::string_view section, std::string_view key,
                          std::string_view value);

// Writes key=value into the file, creating file, section and key as needed. False on a file error.
bool writeProfileString(std::string_view section, std::string_view key, std::string_view value,
                        const std::string& filePath);

}  // namespace qz
