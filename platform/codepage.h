#pragma once
#include <string>
#include <string_view>

namespace qz {

// The 16-character texts of map files hold Windows-1252 bytes; windows show UTF-8.
std::string cp1252ToUtf8(std::string_view bytes);

// A character that Windows-1252 lacks becomes "?"; malformed UTF-8 bytes too.
std::string utf8ToCp1252(std::string_view text);

}  // namespace qz
