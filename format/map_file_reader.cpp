#include "format/map_file_reader.h"

#include <cstring>
#include <utility>

#include "format/map_file_layout.h"

namespace mapfile {

namespace {

class Reader {
public:
    Reader(const std::vector<uint8_t>& bytes, const TableLimits& limits) : size_(bytes.size()), in_(bytes), limits_(limits)
    {
    }

    std::optional<MapFileFault> readEntries(int32_t entries, int64_t directoryPosition)
    {
        for (int32_t entry = 1; entry <= entries; ++entry, directoryPosition += kEntrySize) {
            if (!fits(directoryPosition - 1, kEntrySize))
                return fault(MapFileFault::Kind::EntryOutside, entry, 0, directoryPosition);
            in_.seek(directoryPosition - 1);
            DirectoryEntry read;
            read.type = in_.i32();
            read.position = in_.i32();
            contents_.directory.push_back(read);
            if (auto blockFault = readBlock(entry, read)) return blockFault;
        }
        return std::nullopt;
    }

    MapFileContents take() { return std::move(contents_); }

private:
    bool fits(int64_t offset, int64_t count) const
    {
        return offset >= 0 && count >= 0 && offset <= static_cast<int64_t>(size_) &&
               count <= static_cast<int64_t>(size_) - offset;
    }

    static MapFileFault fault(MapFileFault::Kind kind, int32_t entry, int32_t blockType, int64_t position)
    {
        MapFileFault f;
        f.kind = kind;
        f.entry = entry;
        f.blockType = blockType;
        f.position = position;
        return f;
    }

    // Checks the block's head, count and records, and leaves the reader just after the count.
    std::optional<MapFileFault> openBlock(int32_t entry, const DirectoryEntry& block, int headSize, int recordSize,
                                          int32_t limit, int32_t& count)
    {
        int64_t offset = int64_t(block.position) - 1;
        if (!fits(offset, headSize)) return fault(MapFileFault::Kind::BlockOutside, entry, block.type, block.position);
        in_.seek(offset);
        count = in_.i32();
        if (count < 0 || count > limit) {
            MapFileFault f = fault(MapFileFault::Kind::CountOutside, entry, block.type, block.position);
            f.count = count;
            f.limit = limit;
            return f;
        }
        int64_t first = offset + headSize;
        int64_t available = static_cast<int64_t>(size_) - first;
        if (available < int64_t(count) * recordSize) {
            MapFileFault f = fault(MapFileFault::Kind::RecordOutside, entry, block.type, block.position);
            f.count = count;
            f.record = static_cast<int32_t>(available / recordSize);
            return f;
        }
        return std::nullopt;
    }

    template <typename Record, typename ReadFn>
    std::optional<MapFileFault> readCounted(int32_t entry, const DirectoryEntry& block, int recordSize, int32_t limit,
                                            ReadFn readRecord, std::optional<std::vector<Record>>& target)
    {
        int32_t count = 0;
        if (auto f = openBlock(entry, block, kCountHeadSize, recordSize, limit, count)) return f;
        std::vector<Record> records(static_cast<size_t>(count));
        for (Record& r : records) readRecord(in_, r);
        target = std::move(records);
        return std::nullopt;
    }

    std::optional<MapFileFault> readBlock(int32_t entry, const DirectoryEntry& block)
    {
        switch (block.type) {
        case kBlockWalls:
        case kBlockCompiledWalls: {
            int32_t count = 0;
            if (auto f = openBlock(entry, block, kWallHeadSize, kWallRecordSize, limits_.walls, count)) return f;
            WallBlock walls;
            walls.type = block.type;
            walls.viewer.vx = in_.f64();
            walls.viewer.vy = in_.f64();
            walls.viewer.vz = in_.i32();
            walls.viewer.vd = in_.i16();
            walls.walls.resize(static_cast<size_t>(count));
            for (Wall& w : walls.walls) readWall(in_, w);
            contents_.wallBlock = std::move(walls);
            return std::nullopt;
        }
        case kBlockViewpoints:
            return readCounted(entry, block, kViewpointRecordSize, limits_.viewpoints, readViewpoint,
                               contents_.viewpoints);
        case kBlockAreas:
            return readCounted(entry, block, kAreaRecordSize, limits_.areas, readArea, contents_.areas);
        case kBlockGlobals:
            return readCounted(entry, block, kGlobalRecordSize, limits_.globals, readGlobal, contents_.globals);
        default:
            return std::nullopt;
        }
    }

    size_t size_;
    qz::ByteReader in_;
    TableLimits limits_;
    MapFileContents contents_;
};

}  // namespace

bool hasMapMagic(const std::vector<uint8_t>& bytes)
{
    return bytes.size() >= sizeof kMagic && std::memcmp(bytes.data(), kMagic, sizeof kMagic) == 0;
}

MapFileRead readMapFile(const std::vector<uint8_t>& bytes, const TableLimits& limits, EntryCount entryCount)
{
    MapFileRead result;
    if (bytes.size() < static_cast<size_t>(kHeaderSize)) {
        result.fault = MapFileFault {};
        return result;
    }
    qz::ByteReader in(bytes);
    in.seek(kEntryCountOffset);
    int32_t entries = in.i32();
    if (entryCount == EntryCount::LowWord) entries = static_cast<int16_t>(static_cast<uint32_t>(entries) & 0xFFFF);
    int64_t directoryPosition = in.i32();
    Reader reader(bytes, limits);
    result.fault = reader.readEntries(entries, directoryPosition);
    if (!result.fault) result.contents = reader.take();
    return result;
}

}  // namespace mapfile
