#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace qzedit {

// A Double as the grid shows it: shortest form, no leading blank, "0.5" rather than ".5".
std::string numberText(double value);

// Characters, not bytes, of UTF-8 text.
size_t utf8Length(std::string_view text);
std::string utf8Prefix(std::string_view text, size_t characters);

}  // namespace qzedit
