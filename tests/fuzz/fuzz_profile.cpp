// Looks up settings in arbitrary text, then writes a value and looks it up again: the lookup must
// find exactly the value written.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/profile.h"

namespace {

constexpr std::string_view kSections[] = {"Walls", "walls", " Recent Files ", "Floors", "Anim", "x"};
constexpr std::string_view kKeys[] = {"map", "File1", " count ", "Sky", "1", "K"};

// A value the lookup can give back unchanged: no line breaks, no surrounding blanks or quotes.
std::string plainValue(std::string_view bytes)
{
    std::string value;
    for (char c : bytes)
        if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == ' ' || c == '.' || c == '=' || c == ']')
            value += c;
    while (!value.empty() && value.front() == ' ') value.erase(0, 1);
    while (!value.empty() && value.back() == ' ') value.pop_back();
    return value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2) return 0;
    std::string_view section = kSections[data[0] % std::size(kSections)];
    std::string_view key = kKeys[data[1] % std::size(kKeys)];
    std::string_view rest(reinterpret_cast<const char*>(data + 2), size - 2);
    size_t split = rest.find('\x01');
    std::string_view text = rest.substr(0, split);
    std::string value = plainValue(split == std::string_view::npos ? std::string_view() : rest.substr(split + 1));

    for (std::string_view s : kSections)
        for (std::string_view k : kKeys) (void)qz::profileLookup(text, s, k);

    std::string updated = qz::profileUpdate(text, section, key, value);
    std::optional<std::string> found = qz::profileLookup(updated, section, key);
    if (!found || *found != value) {
        std::fprintf(stderr, "fuzz_profile: wrote \"%s\", read back %s\"%s\"\n", value.c_str(),
                     found ? "" : "nothing ", found ? found->c_str() : "");
        std::abort();
    }
    return 0;
}
