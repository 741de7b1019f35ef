#include "editor/model/map_file_reader.h"

#include <cmath>

#include "editor/model/clsMap.h"
#include "format/map_file_layout.h"
#include "format/map_file_reader.h"
#include "platform/numbers.h"
#include "platform/run_error.h"

namespace qzedit {

namespace {

const char* blockName(int32_t type)
{
    switch (type) {
    case mapfile::kBlockViewpoints: return "viewpoint";
    case mapfile::kBlockAreas: return "area";
    case mapfile::kBlockGlobals: return "globals";
    default: return "wall";
    }
}

std::string describe(const mapfile::MapFileFault& fault)
{
    using Kind = mapfile::MapFileFault::Kind;
    std::string block = std::string("the ") + blockName(fault.blockType) + " block at position " +
                        qz::decimal(fault.position);
    switch (fault.kind) {
    case Kind::ShortHeader: return "it is shorter than its 64-byte header";
    case Kind::EntryOutside:
        return "directory entry " + qz::decimal(fault.entry) + " at position " + qz::decimal(fault.position) +
               " lies outside the file";
    case Kind::BlockOutside: return block + " lies outside the file";
    case Kind::CountOutside:
        return block + " holds " + qz::decimal(fault.count) + " records; the map holds 0 to " + qz::decimal(fault.limit);
    case Kind::RecordOutside: return block + " runs past the end of the file";
    }
    return "it cannot be read";
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

}  // namespace

mapfile::MapFileContents parseMapFile(const std::vector<uint8_t>& bytes)
{
    if (!mapfile::hasMapMagic(bytes)) throw MapFileDamage {"it does not start with \"QZ3D\"", true};
    const mapfile::TableLimits limits {clsMap::kWallSlots, clsMap::kViewpointSlots, clsMap::kAreaSlots,
                                       clsMap::kGlobalSlots};
    mapfile::MapFileRead read = mapfile::readMapFile(bytes, limits);
    if (read.fault) throw MapFileDamage {describe(*read.fault)};
    if (read.contents.wallBlock)
        for (Wall& w : read.contents.wallBlock->walls) w.length = wallLength(w);
    return std::move(read.contents);
}

const char* blockTypeName(int32_t type)
{
    switch (type) {
    case mapfile::kBlockWalls: return "walls";
    case mapfile::kBlockCompiledWalls: return "compiled walls";
    case mapfile::kBlockViewpoints: return "viewpoints";
    case mapfile::kBlockAreas: return "areas";
    case mapfile::kBlockGlobals: return "globals";
    default: return "unknown";
    }
}

}  // namespace qzedit
