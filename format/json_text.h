#pragma once
#include <cstdint>
#include <string>
#include <string_view>

// Pieces of JSON text.
namespace mapfile {

// A quoted string of UTF-8 text: quotes, backslashes and control characters escaped.
std::string jsonString(std::string_view utf8);

// A 16-byte fixed text of the map file (Windows-1252), as a JSON string with its trailing spaces.
std::string jsonFixedText(std::string_view bytes);

// The shortest decimal form that reads back as the same double; null for NaN and infinities,
// which JSON cannot hold.
std::string jsonNumber(double value);
std::string jsonNumber(int64_t value);

}  // namespace mapfile
