#include "tools/qz3d-render/options.h"

#include <cctype>
#include <charconv>
#include <vector>

namespace qzrender {

namespace {

bool parseInt(const std::string& text, int32_t& value)
{
    const char* end = text.data() + text.size();
    auto [next, error] = std::from_chars(text.data(), end, value);
    return error == std::errc() && next == end;
}

// Numbers separated by one separator character, exactly count of them.
bool parseList(const std::string& text, char separator, size_t count, std::vector<int32_t>& values)
{
    values.clear();
    size_t start = 0;
    while (true) {
        size_t stop = text.find(separator, start);
        int32_t value = 0;
        if (!parseInt(text.substr(start, stop - start), value)) return false;
        values.push_back(value);
        if (stop == std::string::npos) break;
        start = stop + 1;
    }
    return values.size() == count;
}

bool validKeys(std::string& keys)
{
    for (char& key : keys) {
        key = static_cast<char>(std::toupper(static_cast<unsigned char>(key)));
        if (key != 'W' && key != 'S' && key != 'A' && key != 'D') return false;
    }
    return true;
}

}  // namespace

std::optional<Options> parseOptions(int argc, char** argv, std::string& error)
{
    Options options;
    std::vector<int32_t> values;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        bool hasValue = i + 1 < argc;
        std::string value = hasValue ? argv[i + 1] : "";
        if (arg.starts_with("--") && !hasValue) {
            error = arg + " needs a value";
            return std::nullopt;
        }
        if (arg == "--out") {
            options.out = value;
        } else if (arg == "--size") {
            if (!parseList(value, 'x', 2, values)) {
                error = "--size takes WIDTHxHEIGHT";
                return std::nullopt;
            }
            options.width = values[0];
            options.height = values[1];
        } else if (arg == "--at") {
            if (!parseList(value, ',', 4, values)) {
                error = "--at takes X,Y,Z,ANGLE";
                return std::nullopt;
            }
            options.at = std::array<int32_t, 4> {values[0], values[1], values[2], values[3]};
        } else if (arg == "--keys") {
            options.keys = value;
            if (!validKeys(options.keys)) {
                error = "--keys takes W, S, A and D";
                return std::nullopt;
            }
        } else if (arg == "--frames") {
            if (!parseInt(value, options.frames) || options.frames < 0) {
                error = "--frames takes a count of 0 or more";
                return std::nullopt;
            }
        } else if (arg == "--bench") {
            if (!parseInt(value, options.bench) || options.bench < 1) {
                error = "--bench takes a count of 1 or more";
                return std::nullopt;
            }
        } else if (!arg.starts_with("--") && options.header.empty()) {
            options.header = arg;
            continue;
        } else {
            error = "unknown argument " + arg;
            return std::nullopt;
        }
        ++i;
    }
    if (options.header.empty() || options.out.empty()) {
        error = "a header and --out are needed";
        return std::nullopt;
    }
    return options;
}

}  // namespace qzrender
