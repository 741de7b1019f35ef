#pragma once
#include <cstdint>
#include <cstring>
#include <string>

namespace qzedit {

// Little-endian fields and 8-byte names as a WAD stores them. Callers check the bounds first.
namespace wad {

inline int16_t readI16(const uint8_t* p)
{
    return static_cast<int16_t>(static_cast<uint16_t>(p[0] | (p[1] << 8)));
}

inline uint16_t readU16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }

inline int32_t readI32(const uint8_t* p)
{
    uint32_t v = static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) | (static_cast<uint32_t>(p[2]) << 16) |
                 (static_cast<uint32_t>(p[3]) << 24);
    return static_cast<int32_t>(v);
}

// An 8-byte name up to its first NUL, in upper case: the format pads with NULs, and names are
// matched without regard to case.
inline std::string readName(const uint8_t* p)
{
    std::string name;
    for (int i = 0; i < 8 && p[i] != 0; ++i) {
        char c = static_cast<char>(p[i]);
        name += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    }
    return name;
}

}  // namespace wad

}  // namespace qzedit
