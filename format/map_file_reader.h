#pragma once
#include <cstdint>
#include <optional>
#include <vector>

#include "format/map_file_contents.h"

// Reads a binary map file through its directory, checking every entry, block and count against
// the file's size and the reader's tables before a record is read, so that a damaged file is
// refused as a whole. Each reader words the fault its own way.
namespace mapfile {

struct TableLimits {
    int32_t walls = 0;
    int32_t viewpoints = 0;
    int32_t areas = 0;
    int32_t globals = 0;
};

// How the header's entry count is taken: as the whole Long, or as its low 16 bits, signed.
enum class EntryCount { Long, LowWord };

struct MapFileFault {
    enum class Kind {
        ShortHeader,     // the file is shorter than the 64-byte header
        EntryOutside,    // a directory entry lies outside the file
        BlockOutside,    // a block's head lies outside the file
        CountOutside,    // a block's count is negative or larger than the table
        RecordOutside,   // a record of a block runs past the end of the file
    };
    Kind kind = Kind::ShortHeader;
    int32_t entry = 0;      // 1-based directory entry
    int32_t blockType = 0;
    int64_t position = 0;   // 1-based position of the entry or block concerned
    int32_t count = 0;      // the block's count
    int32_t limit = 0;      // the table's size
    int32_t record = 0;     // the first record outside the file
};

struct MapFileRead {
    MapFileContents contents;  // empty when refused
    std::optional<MapFileFault> fault;
};

// True when the file starts with the map file's magic.
bool hasMapMagic(const std::vector<uint8_t>& bytes);

// Neither magic nor version is checked here: a reader that wants them checks first.
MapFileRead readMapFile(const std::vector<uint8_t>& bytes, const TableLimits& limits,
                        EntryCount entryCount = EntryCount::Long);

}  // namespace mapfile
