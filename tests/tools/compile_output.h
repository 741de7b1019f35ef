#pragma once
#include <cctype>
#include <string>
#include <string_view>

namespace qztest {

// The record count of what "qzmap compile" prints ("build time: 0.012 seconds\nrecords: 187\n"),
// or -1 when the output has any other form.
inline int compiledRecords(std::string_view out)
{
    auto digits = [&out](size_t minimum, size_t maximum) {
        size_t n = 0;
        while (n < out.size() && n < maximum && std::isdigit(static_cast<unsigned char>(out[n]))) ++n;
        std::string_view taken = out.substr(0, n);
        out.remove_prefix(n);
        return n >= minimum ? std::string(taken) : std::string();
    };
    auto literal = [&out](std::string_view text) {
        if (out.substr(0, text.size()) != text) return false;
        out.remove_prefix(text.size());
        return true;
    };
    if (!literal("build time: ") || digits(1, 9).empty() || !literal(".") || digits(3, 3).empty() ||
        !literal(" seconds\nrecords: "))
        return -1;
    std::string records = digits(1, 9);
    if (records.empty() || out != "\n") return -1;
    return std::stoi(records);
}

}  // namespace qztest
