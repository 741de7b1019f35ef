#include "format/map_file_writer.h"

#include <algorithm>

#include "format/map_file_layout.h"

namespace mapfile {

namespace {

int32_t nextPosition(const qz::ByteWriter& out) { return static_cast<int32_t>(out.size()) + 1; }

template <typename Record, typename WriteFn>
void writeCountedBlock(qz::ByteWriter& out, const std::vector<Record>& records, WriteFn writeRecord)
{
    out.i32(static_cast<int32_t>(records.size()));
    for (const Record& r : records) writeRecord(out, r);
}

}  // namespace

std::vector<uint8_t> writeMapFile(const MapFileContents& contents)
{
    qz::ByteWriter out;
    out.zeros(kHeaderSize);
    std::vector<DirectoryEntry> directory;

    if (const auto& block = contents.wallBlock) {
        directory.push_back({block->type, nextPosition(out)});
        out.i32(static_cast<int32_t>(block->walls.size()));
        out.f64(block->viewer.vx);
        out.f64(block->viewer.vy);
        out.i32(block->viewer.vz);
        out.i16(block->viewer.vd);
        for (const Wall& w : block->walls) writeWall(out, w);
    }
    if (contents.viewpoints) {
        directory.push_back({kBlockViewpoints, nextPosition(out)});
        writeCountedBlock(out, *contents.viewpoints, writeViewpoint);
    }
    if (contents.areas) {
        directory.push_back({kBlockAreas, nextPosition(out)});
        writeCountedBlock(out, *contents.areas, writeArea);
    }
    if (contents.globals) {
        directory.push_back({kBlockGlobals, nextPosition(out)});
        writeCountedBlock(out, *contents.globals, writeGlobal);
    }

    int32_t directoryPosition = nextPosition(out);
    for (const DirectoryEntry& entry : directory) {
        out.i32(entry.type);
        out.i32(entry.position);
        out.zeros(kEntrySize - 8);
    }

    qz::ByteWriter header;
    header.raw(kMagic, sizeof kMagic);
    header.i32(kVersion);
    header.i32(static_cast<int32_t>(directory.size()));
    header.i32(directoryPosition);
    std::vector<uint8_t> bytes = out.bytes();
    std::copy(header.bytes().begin(), header.bytes().end(), bytes.begin());
    return bytes;
}

}  // namespace mapfile
