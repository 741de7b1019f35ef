#include "editor/import/wad_file.h"

#include <algorithm>
#include <fstream>
#include <iterator>

#include "editor/import/wad_bytes.h"
#include "editor/import/wad_error.h"

namespace qzedit {

namespace wad {

namespace {

constexpr size_t kHeaderBytes = 12;
constexpr size_t kEntryBytes = 16;

std::string decimal(int64_t v) { return std::to_string(v); }

}  // namespace

WadFile::WadFile(std::vector<uint8_t> bytes, std::string label) : bytes_(std::move(bytes)), label_(std::move(label))
{
    const int64_t fileSize = static_cast<int64_t>(bytes_.size());
    if (bytes_.size() < kHeaderBytes)
        throw WadError(label_ + " is not a WAD file: " + decimal(fileSize) + " bytes, shorter than the 12-byte header");
    const std::string kind(bytes_.begin(), bytes_.begin() + 4);
    if (kind != "IWAD" && kind != "PWAD") throw WadError(label_ + " is not a WAD file: it does not start with IWAD or PWAD");
    iwad_ = kind == "IWAD";
    const int64_t count = readI32(bytes_.data() + 4);
    const int64_t directory = readI32(bytes_.data() + 8);
    if (count < 0) throw WadError(label_ + ": the header gives a negative lump count (" + decimal(count) + ")");
    if (directory < static_cast<int64_t>(kHeaderBytes) || directory > fileSize ||
        count > (fileSize - directory) / static_cast<int64_t>(kEntryBytes))
        throw WadError(label_ + ": the directory of " + decimal(count) + " lumps at byte " + decimal(directory) +
                       " runs past the end of the file (" + decimal(fileSize) + " bytes)");
    lumps_.reserve(static_cast<size_t>(count));
    for (int64_t i = 0; i < count; ++i) {
        const uint8_t* entry = bytes_.data() + directory + i * static_cast<int64_t>(kEntryBytes);
        Lump lump {readName(entry + 8), readI32(entry), readI32(entry + 4)};
        // Markers hold nothing, and some tools leave their position at 0 or anywhere.
        if (lump.size != 0 && (lump.size < 0 || lump.position < 0 ||
                               static_cast<int64_t>(lump.position) + lump.size > fileSize))
            throw WadError(label_ + ": lump " + decimal(i) + " (" + lump.name + ") is truncated: " + decimal(lump.size) +
                           " bytes at byte " + decimal(lump.position) + " of a file of " + decimal(fileSize) + " bytes");
        lumps_.push_back(std::move(lump));
    }
}

std::span<const uint8_t> WadFile::lumpBytes(size_t index) const
{
    const Lump& lump = lumps_.at(index);
    if (lump.size == 0) return {};
    return {bytes_.data() + lump.position, static_cast<size_t>(lump.size)};
}

std::optional<size_t> WadFile::findLast(std::string_view name, size_t first, size_t end) const
{
    end = std::min(end, lumps_.size());
    for (size_t i = end; i > first; --i)
        if (lumps_[i - 1].name == name) return i - 1;
    return std::nullopt;
}

WadFile readWadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) throw WadError("cannot open \"" + path + "\"");
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) throw WadError("cannot read \"" + path + "\"");
    return WadFile(std::move(bytes), "\"" + path + "\"");
}

}  // namespace wad

}  // namespace qzedit
