#include <algorithm>
#include <optional>
#include <string>

#include "editor/bsp/root_exchange.h"
#include "editor/model/clsMap.h"
#include "editor/model/map_file_layout.h"
#include "editor/model/map_file_reader.h"
#include "platform/files.h"
#include "platform/message_box.h"

namespace {

void writeEntry(qz::ByteWriter& out, int32_t type, int32_t position)
{
    out.i32(type);
    out.i32(position);
    out.zeros(mapfile::kEntrySize - 8);
}

// Copies records read from a file into the first slots of a table; slots past them keep what
// they held.
template <typename Record>
void replaceFirstSlots(std::vector<Record>& table, const std::vector<Record>& records)
{
    std::copy(records.begin(), records.end(), table.begin());
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
    if (!bytes) {
        qz::messageBox("The map file \"" + fileName + "\" cannot be read.", "Read Error", qz::kMsgCritical);
        return false;
    }
    // The whole file is read and checked before anything of the map is replaced.
    MapFileBlocks blocks;
    try {
        blocks = parseMapFile(*bytes, false);
    } catch (const MapFileDamage& damage) {
        qz::messageBox("The map file \"" + fileName + "\" is damaged: " + damage.reason + ". The map was not changed.",
                       "Read Error", qz::kMsgCritical);
        return false;
    }
    if (blocks.viewerStart) {
        for (size_t w = 0; w < blocks.walls.size(); ++w) blocks.walls[w].nextLineseg = walls_[w].nextLineseg;
        replaceFirstSlots(walls_, blocks.walls);
        numWalls = static_cast<int32_t>(blocks.walls.size());
        vx = blocks.viewerStart->vx;
        vy = blocks.viewerStart->vy;
        vz = blocks.viewerStart->vz;
        vd = blocks.viewerStart->vd;
        vz0 = vz;
        vh = 0;
        vdz = 0;
    }
    if (blocks.hasAreaBlock) {
        replaceFirstSlots(areas_, blocks.areas);
        numAreas = static_cast<int32_t>(blocks.areas.size());
    }
    if (blocks.hasGlobalBlock) {
        replaceFirstSlots(globals_, blocks.globals);
        numGlobals = static_cast<int32_t>(blocks.globals.size());
    }
    // A tree compiled from the previous map no longer belongs to this one.
    numTreeSegs = 0;
    treeRoot = 0;
    return true;
}
