#include "editor/shell/logic/value_text.h"

#include "platform/numbers.h"

namespace qzedit {

std::string numberText(double value)
{
    std::string text = qz::numText(value);
    if (!text.empty() && text.front() == ' ') text.erase(0, 1);
    if (text.starts_with('.')) text.insert(0, "0");
    if (text.starts_with("-.")) text.insert(1, "0");
    return text;
}

namespace {

bool continuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

}  // namespace

size_t utf8Length(std::string_view text)
{
    size_t count = 0;
    for (char c : text)
        if (!continuationByte(c)) ++count;
    return count;
}

std::string utf8Prefix(std::string_view text, size_t characters)
{
    size_t end = 0;
    size_t seen = 0;
    while (end < text.size()) {
        if (!continuationByte(text[end])) {
            if (seen == characters) break;
            ++seen;
        }
        ++end;
    }
    return std::string(text.substr(0, end));
}

}  // namespace qzedit
