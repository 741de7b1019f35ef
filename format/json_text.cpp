#include "format/json_text.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "platform/codepage.h"

namespace mapfile {

std::string jsonString(std::string_view utf8)
{
    std::string out = "\"";
    for (char c : utf8) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escape[8];
                std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
                out += escape;
            } else {
                out += c;
            }
        }
    }
    return out + "\"";
}

std::string jsonFixedText(std::string_view bytes) { return jsonString(qz::cp1252ToUtf8(bytes)); }

std::string jsonNumber(double value)
{
    if (!std::isfinite(value)) return "null";
    char buffer[32];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string jsonNumber(int64_t value) { return std::to_string(value); }

}  // namespace mapfile
