#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace qzedit {

namespace wad {

struct Lump {
    std::string name;  // upper case, without padding
    int32_t position = 0;
    int32_t size = 0;
};

// A WAD file in memory: its kind, its lump directory and the lumps' bytes. Every directory entry
// is checked against the file when it is read, so a lump's bytes always lie inside the file.
class WadFile {
public:
    // Throws WadError when the bytes are not a WAD or its directory or a lump runs past the end.
    WadFile(std::vector<uint8_t> bytes, std::string label);

    bool isIwad() const { return iwad_; }
    const std::string& label() const { return label_; }
    const std::vector<Lump>& lumps() const { return lumps_; }
    std::span<const uint8_t> lumpBytes(size_t index) const;

    // The last lump of the name within [first, end): the one a later PWAD entry replaces wins.
    std::optional<size_t> findLast(std::string_view name, size_t first = 0, size_t end = SIZE_MAX) const;

private:
    std::vector<uint8_t> bytes_;
    std::string label_;
    bool iwad_ = false;
    std::vector<Lump> lumps_;
};

// Reads the whole file; throws WadError when it is missing or unreadable, or as the constructor.
WadFile readWadFile(const std::string& path);

}  // namespace wad

}  // namespace qzedit
