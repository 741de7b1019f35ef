#include <cmath>
#include <optional>
#include <string>

#include "editor/bsp/root_exchange.h"
#include "editor/model/clsMap.h"
#include "editor/model/map_file_layout.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "platform/numbers.h"
#include "platform/run_error.h"

namespace {

// What a read collects before it replaces anything in the map.
struct StagedMap {
    std::vector<Wall> walls;
    int32_t numWalls;
    double vx;
    double vy;
    int32_t vz;
    int16_t vd;
    bool wallsRead = false;
    std::vector<Area> areas;
    int32_t numAreas;
    std::vector<MapGlobals> globals;
    int32_t numGlobals;
};

struct Damage {
    std::string reason;
};

void writeEntry(qz::ByteWriter& out, int32_t type, int32_t position)
{
    out.i32(type);
    out.i32(position);
    out.zeros(mapfile::kEntrySize - 8);
}

int32_t wallLength(const Wall& w)
{
    double dx = static_cast<double>(w.x2) - w.x1;
    double dy = static_cast<double>(w.y2) - w.y1;
    return qz::toLong(std::sqrt(dx * dx + dy * dy));
}

// Moves the reader to a block at a 1-based position and checks that its count of records of
// recordSize bytes, after a head of headSize bytes, lies inside the file and the table.
int32_t openBlock(qz::ByteReader& in, int32_t position, int headSize, int recordSize, int32_t slots, const char* what)
{
    std::string block = std::string("the ") + what + " block at position " + qz::decimal(position);
    if (position < 1 || !in.seek(static_cast<int64_t>(position) - 1) || !in.canRead(headSize))
        throw Damage {block + " lies outside the file"};
    size_t start = in.position();
    int32_t count = in.i32();
    if (count < 0 || count > slots)
        throw Damage {block + " holds " + qz::decimal(count) + " records; the map holds 0 to " + qz::decimal(slots)};
    in.seek(static_cast<int64_t>(start));
    if (!in.canRead(headSize + static_cast<int64_t>(count) * recordSize))
        throw Damage {block + " runs past the end of the file"};
    return count;
}

void readBlocks(const std::vector<uint8_t>& bytes, StagedMap& map)
{
    qz::ByteReader in(bytes);
    if (bytes.size() < static_cast<size_t>(mapfile::kHeaderSize))
        throw Damage {"it is shorter than its 64-byte header"};
    in.seek(8);
    int32_t entries = in.i32();
    int64_t directory = in.i32();
    for (int32_t i = 1; i <= entries; ++i) {
        if (directory < 1 || !in.seek(directory - 1) || !in.canRead(mapfile::kEntrySize))
            throw Damage {"directory entry " + qz::decimal(i) + " at position " + qz::decimal(directory) +
                          " lies outside the file"};
        int32_t type = in.i32();
        int32_t position = in.i32();
        directory += mapfile::kEntrySize;
        switch (type) {
        case mapfile::kBlockWalls:
        case mapfile::kBlockCompiledWalls: {
            int32_t count = openBlock(in, position, mapfile::kWallHeadSize, mapfile::kWallRecordSize,
                                      clsMap::kWallSlots, "wall");
            map.numWalls = in.i32();
            map.vx = in.f64();
            map.vy = in.f64();
            map.vz = in.i32();
            map.vd = in.i16();
            map.wallsRead = true;
            for (int32_t w = 0; w < count; ++w) {
                mapfile::readWall(in, map.walls[w]);
                map.walls[w].length = wallLength(map.walls[w]);
            }
            break;
        }
        case mapfile::kBlockAreas: {
            int32_t count = openBlock(in, position, 4, mapfile::kAreaRecordSize, clsMap::kAreaSlots, "area");
            map.numAreas = in.i32();
            for (int32_t a = 0; a < count; ++a) mapfile::readArea(in, map.areas[a]);
            break;
        }
        case mapfile::kBlockGlobals: {
            int32_t count = openBlock(in, position, 4, mapfile::kGlobalRecordSize, clsMap::kGlobalSlots, "globals");
            map.numGlobals = in.i32();
            for (int32_t g = 0; g < count; ++g) mapfile::readGlobal(in, map.globals[g]);
            break;
        }
        default:
            // Viewpoints stay as they are in the editor; unknown blocks are skipped.
            break;
        }
    }
}

}  // namespace

bool clsMap::WriteNewMPB(const std::string& fileName, bool compileFlag)
{
    qz::ByteWriter out;
    out.zeros(mapfile::kHeaderSize);

    int32_t wallPosition = static_cast<int32_t>(out.size()) + 1;
    int32_t wallCount = compileFlag ? numTreeSegs : numWalls;
    const std::vector<Wall>& wallSource = compileFlag ? treeSegs_ : walls_;
    out.i32(wallCount);
    out.f64(vx);
    out.f64(vy);
    out.i32(vz);
    out.i16(vd);
    for (int32_t w = 0; w < wallCount; ++w) mapfile::writeWall(out, wallSource[w]);

    int32_t viewpointPosition = static_cast<int32_t>(out.size()) + 1;
    out.i32(numViewpoints);
    for (int32_t v = 0; v < numViewpoints; ++v) mapfile::writeViewpoint(out, viewpoints_[v]);

    int32_t areaPosition = static_cast<int32_t>(out.size()) + 1;
    out.i32(numAreas);
    for (int32_t a = 0; a < numAreas; ++a) {
        Area area = areas_[a];
        // The compiled list holds its root at record 0 and the former record 0 at the root's index.
        if (compileFlag) area.areaFirstWall = bsp::afterRootExchange(area.areaFirstWall, treeRoot);
        mapfile::writeArea(out, area);
    }

    int32_t globalPosition = static_cast<int32_t>(out.size()) + 1;
    out.i32(numGlobals);
    for (int32_t g = 0; g < numGlobals; ++g) mapfile::writeGlobal(out, globals_[g]);

    int32_t directoryPosition = static_cast<int32_t>(out.size()) + 1;
    writeEntry(out, compileFlag ? mapfile::kBlockCompiledWalls : mapfile::kBlockWalls, wallPosition);
    writeEntry(out, mapfile::kBlockViewpoints, viewpointPosition);
    writeEntry(out, mapfile::kBlockAreas, areaPosition);
    writeEntry(out, mapfile::kBlockGlobals, globalPosition);

    qz::ByteWriter header;
    header.raw(mapfile::kMagic, 4);
    header.i32(mapfile::kVersion);
    header.i32(4);
    header.i32(directoryPosition);
    std::vector<uint8_t> bytes = out.bytes();
    std::copy(header.bytes().begin(), header.bytes().end(), bytes.begin());

    std::string errorText;
    if (!qz::writeFileReplacing(fileName, bytes, &errorText)) {
        qz::messageBox(errorText, "Write Error", qz::kMsgCritical);
        return false;
    }
    return true;
}

bool clsMap::ReadNewMPB(const std::string& fileName)
{
    if (!qz::fileExists(fileName)) {
        qz::messageBox("No map", "", qz::kMsgOkOnly);
        return false;
    }
    std::optional<std::vector<uint8_t>> bytes = qz::readFileBytes(fileName);
    std::string failure;
    StagedMap staged {walls_, numWalls, vx, vy, vz, vd, false, areas_, numAreas, globals_, numGlobals};
    if (!bytes) {
        failure = "The map file \"" + fileName + "\" cannot be read.";
    } else {
        try {
            readBlocks(*bytes, staged);
        } catch (const Damage& damage) {
            failure = "The map file \"" + fileName + "\" is damaged: " + damage.reason + ". The map was not changed.";
        } catch (const qz::RunError&) {
            failure = "The map file \"" + fileName + "\" is damaged: a wall is too long. The map was not changed.";
        }
    }
    if (!failure.empty()) {
        qz::messageBox(failure, "Read Error", qz::kMsgCritical);
        return false;
    }
    walls_ = std::move(staged.walls);
    numWalls = staged.numWalls;
    if (staged.wallsRead) {
        vx = staged.vx;
        vy = staged.vy;
        vz = staged.vz;
        vd = staged.vd;
        vz0 = vz;
        vh = 0;
        vdz = 0;
    }
    areas_ = std::move(staged.areas);
    numAreas = staged.numAreas;
    globals_ = std::move(staged.globals);
    numGlobals = staged.numGlobals;
    // A tree compiled from the previous map no longer belongs to this one.
    numTreeSegs = 0;
    treeRoot = 0;
    return true;
}
