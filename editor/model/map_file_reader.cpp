#include "editor/model/map_file_reader.h"

#include <cmath>

#include "editor/model/clsMap.h"
#include "editor/model/map_file_layout.h"
#include "platform/bytes.h"
#include "platform/numbers.h"
#include "platform/run_error.h"

namespace {

// Positions the reader at a block's count (1-based position) and checks that the count and its
// records, after a head of headSize bytes, lie inside the file and the table.
int32_t openBlock(qz::ByteReader& in, int32_t position, int headSize, int recordSize, int32_t slots, const char* what)
{
    std::string block = std::string("the ") + what + " block at position " + qz::decimal(position);
    if (position < 1 || !in.seek(static_cast<int64_t>(position) - 1) || !in.canRead(headSize))
        throw MapFileDamage {block + " lies outside the file"};
    size_t start = in.position();
    int32_t count = in.i32();
    if (count < 0 || count > slots)
        throw MapFileDamage {block + " holds " + qz::decimal(count) + " records; the map holds 0 to " +
                             qz::decimal(slots)};
    in.seek(static_cast<int64_t>(start));
    if (!in.canRead(headSize + static_cast<int64_t>(count) * recordSize))
        throw MapFileDamage {block + " runs past the end of the file"};
    return count;
}

template <typename Record, typename ReadFn>
std::vector<Record> readRecords(qz::ByteReader& in, int32_t count, ReadFn readFn)
{
    std::vector<Record> records(static_cast<size_t>(count));
    for (Record& r : records) readFn(in, r);
    return records;
}

int32_t wallLength(const Wall& w)
{
    double dx = static_cast<double>(w.x2) - w.x1;
    double dy = static_cast<double>(w.y2) - w.y1;
    try {
        return qz::toLong(std::sqrt(dx * dx + dy * dy));
    } catch (const qz::RunError&) {
        throw MapFileDamage {"a wall is too long"};
    }
}

void readWalls(qz::ByteReader& in, int32_t type, int32_t position, MapFileBlocks& blocks)
{
    int32_t count = openBlock(in, position, mapfile::kWallHeadSize, mapfile::kWallRecordSize, clsMap::kWallSlots, "wall");
    in.i32();
    ViewerStart start;
    start.vx = in.f64();
    start.vy = in.f64();
    start.vz = in.i32();
    start.vd = in.i16();
    blocks.viewerStart = start;
    blocks.wallBlockType = type;
    blocks.walls = readRecords<Wall>(in, count, mapfile::readWall);
    for (Wall& w : blocks.walls) w.length = wallLength(w);
}

}  // namespace

MapFileBlocks parseMapFile(const std::vector<uint8_t>& bytes, bool withViewpoints)
{
    if (bytes.size() < static_cast<size_t>(mapfile::kHeaderSize))
        throw MapFileDamage {"it is shorter than its 64-byte header"};
    MapFileBlocks blocks;
    qz::ByteReader in(bytes);
    in.seek(8);
    int32_t entries = in.i32();
    int64_t directory = in.i32();
    for (int32_t i = 1; i <= entries; ++i) {
        if (directory < 1 || !in.seek(directory - 1) || !in.canRead(mapfile::kEntrySize))
            throw MapFileDamage {"directory entry " + qz::decimal(i) + " at position " + qz::decimal(directory) +
                                 " lies outside the file"};
        DirectoryEntry entry;
        entry.type = in.i32();
        entry.position = in.i32();
        blocks.directory.push_back(entry);
        directory += mapfile::kEntrySize;
        switch (entry.type) {
        case mapfile::kBlockWalls:
        case mapfile::kBlockCompiledWalls:
            readWalls(in, entry.type, entry.position, blocks);
            break;
        case mapfile::kBlockViewpoints:
            if (withViewpoints) {
                int32_t count = openBlock(in, entry.position, 4, mapfile::kViewpointRecordSize,
                                          clsMap::kViewpointSlots, "viewpoint");
                in.i32();
                blocks.hasViewpointBlock = true;
                blocks.viewpoints = readRecords<Viewpoint>(in, count, mapfile::readViewpoint);
            }
            break;
        case mapfile::kBlockAreas: {
            int32_t count = openBlock(in, entry.position, 4, mapfile::kAreaRecordSize, clsMap::kAreaSlots, "area");
            in.i32();
            blocks.hasAreaBlock = true;
            blocks.areas = readRecords<Area>(in, count, mapfile::readArea);
            break;
        }
        case mapfile::kBlockGlobals: {
            int32_t count = openBlock(in, entry.position, 4, mapfile::kGlobalRecordSize, clsMap::kGlobalSlots, "globals");
            in.i32();
            blocks.hasGlobalBlock = true;
            blocks.globals = readRecords<MapGlobals>(in, count, mapfile::readGlobal);
            break;
        }
        default:
            break;
        }
    }
    return blocks;
}
