#include "platform/profile.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <sstream>
#include <vector>

namespace qz {

namespace {

std::string_view trim(std::string_view s)
{
    auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!s.empty() && blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && blank(s.back())) s.remove_suffix(1);
    return s;
}

bool sameName(std::string_view a, std::string_view b)
{
    a = trim(a);
    b = trim(b);
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

struct Line {
    std::string_view text;  // without its line ending
    size_t begin;           // offset of the line in the whole text
    size_t end;             // offset after its line ending
};

std::vector<Line> splitLines(std::string_view text)
{
    std::vector<Line> lines;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t nl = text.find('\n', pos);
        size_t stop = nl == std::string_view::npos ? text.size() : nl;
        std::string_view body = text.substr(pos, stop - pos);
        if (!body.empty() && body.back() == '\r') body.remove_suffix(1);
        size_t after = nl == std::string_view::npos ? text.size() : nl + 1;
        lines.push_back({body, pos, after});
        pos = after;
    }
    return lines;
}

// The section name of a "[name]" line, or nothing for other lines.
std::optional<std::string_view> sectionName(std::string_view line)
{
    line = trim(line);
    if (line.size() < 2 || line.front() != '[') return std::nullopt;
    size_t close = line.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    return line.substr(1, close - 1);
}

bool keyLine(std::string_view line, std::string_view key, std::string_view* value)
{
    size_t eq = line.find('=');
    if (eq == std::string_view::npos || !sameName(line.substr(0, eq), key)) return false;
    if (value) *value = trim(line.substr(eq + 1));
    return true;
}

std::string readWholeFile(const std::string& path, bool* ok)
{
    std::ifstream in(path, std::ios::binary);
    *ok = static_cast<bool>(in);
    if (!in) return {};
    std::ostringstream buffer;
    buffer << in.rdbuf();
    return buffer.str();
}

}  // namespace

std::optional<std::string> profileLookup(std::string_view text, std::string_view section, std::string_view key)
{
    bool inSection = false;
    for (const Line& line : splitLines(text)) {
        if (auto name = sectionName(line.text)) {
            inSection = sameName(*name, section);
            continue;
        }
        std::string_view value;
        if (inSection && keyLine(line.text, key, &value)) {
            if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
                value = value.substr(1, value.size() - 2);
            return std::string(value);
        }
    }
    return std::nullopt;
}

std::string getProfileString(std::string_view section, std::string_view key, std::string_view defaultValue,
                             const std::string& filePath, size_t bufferSize)
{
    bool ok = false;
    std::string text = readWholeFile(filePath, &ok);
    std::string value = ok ? profileLookup(text, section, key).value_or(std::string(defaultValue))
                           : std::string(defaultValue);
    if (bufferSize == 0) return {};
    if (value.size() > bufferSize - 1) value.resize(bufferSize - 1);
    return value;
}

std::string profileUpdate(std::string_view text, std::string_view section, std::string_view key,
                          std::string_view value)
{
    std::string newLine = std::string(trim(key)) + "=" + std::string(value);
    std::vector<Line> lines = splitLines(text);
    bool inSection = false;
    std::optional<size_t> insertAt;  // after the last non-blank line of the section
    for (const Line& line : lines) {
        if (auto name = sectionName(line.text)) {
            if (inSection) break;
            inSection = sameName(*name, section);
            if (inSection) insertAt = line.end;
            continue;
        }
        if (!inSection) continue;
        if (keyLine(line.text, key, nullptr))
            return std::string(text.substr(0, line.begin)) + newLine + std::string(text.substr(line.begin + line.text.size()));
        if (!trim(line.text).empty()) insertAt = line.end;
    }
    std::string result(text);
    if (insertAt) {
        std::string prefix = result.substr(0, *insertAt);
        if (!prefix.empty() && prefix.back() != '\n') prefix += '\n';
        return prefix + newLine + "\n" + result.substr(*insertAt);
    }
    if (!result.empty() && result.back() != '\n') result += '\n';
    return result + "[" + std::string(trim(section)) + "]\n" + newLine + "\n";
}

bool writeProfileString(std::string_view section, std::string_view key, std::string_view value,
                        const std::string& filePath)
{
    bool ok = false;
    std::string text = readWholeFile(filePath, &ok);
    std::string updated = profileUpdate(text, section, key, value);
    std::ofstream out(filePath, std::ios::binary | std::ios::trunc);
    out << updated;
    out.close();
    return static_cast<bool>(out);
}

}  // namespace qz
