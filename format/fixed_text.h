#pragma once
#include <array>
#include <string>
#include <string_view>

namespace mapfile {

// Exactly 16 bytes of text, padded with spaces on the right; longer text is cut.
class FixedText16 {
public:
    FixedText16() { bytes_.fill(' '); }
    FixedText16(std::string_view text) { assign(text); }
    void assign(std::string_view text)
    {
        bytes_.fill(' ');
        for (size_t i = 0; i < text.size() && i < bytes_.size(); ++i) bytes_[i] = text[i];
    }
    std::string str() const { return std::string(bytes_.data(), bytes_.size()); }
    const char* data() const { return bytes_.data(); }
    char* data() { return bytes_.data(); }
    static constexpr size_t size() { return 16; }
    bool operator==(const FixedText16&) const = default;

private:
    std::array<char, 16> bytes_;
};

}  // namespace mapfile
