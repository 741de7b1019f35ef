#include <algorithm>
#include <optional>
#include <string>

#include "editor/bsp/root_exchange.h"
#include "editor/model/clsMap.h"
#include "editor/model/map_file_reader.h"
#include "format/map_file_layout.h"
#include "format/map_file_writer.h"
#include "platform/files.h"
#include "platform/message_box.h"

namespace qzedit {

namespace {

// Copies records read from a file into the first slots of a table; slots past them keep what
// they held.
template <typename Record>
int32_t replaceFirstSlots(std::vector<Record>& table, const std::vector<Record>& records)
{
    std::copy(records.begin(), records.end(), table.begin());
    return static_cast<int32_t>(records.size());
}

template <typename Record>
std::vector<Record> firstSlots(const std::vector<Record>& table, int32_t count)
{
    return std::vector<Record>(table.begin(), table.begin() + count);
}

}  // namespace

Outcome clsMap::WriteNewMPB(const std::string& fileName, bool compileFlag)
{
    mapfile::MapFileContents contents;
    mapfile::WallBlock& walls = contents.wallBlock.emplace();
    walls.type = compileFlag ? mapfile::kBlockCompiledWalls : mapfile::kBlockWalls;
    walls.viewer = {vx, vy, vz, vd};
    walls.walls = compileFlag ? firstSlots(treeSegs_, numTreeSegs) : firstSlots(walls_, numWalls);
    contents.viewpoints = firstSlots(viewpoints_, numViewpoints);
    contents.areas = firstSlots(areas_, numAreas);
    // The compiled list holds its root at record 0 and the former record 0 at the root's index.
    if (compileFlag)
        for (Area& area : *contents.areas) area.areaFirstWall = bsp::afterRootExchange(area.areaFirstWall, treeRoot);
    contents.globals = firstSlots(globals_, numGlobals);

    std::string errorText;
    if (!qz::writeFileReplacing(fileName, mapfile::writeMapFile(contents), &errorText))
        return Outcome::failure(errorText, "Write Error", qz::kMsgCritical);
    return {};
}

Outcome clsMap::ReadNewMPB(const std::string& fileName)
{
    if (!qz::fileExists(fileName)) return Outcome::failure("No map", "", qz::kMsgOkOnly);
    std::optional<std::vector<uint8_t>> bytes = qz::readFileBytes(fileName);
    if (!bytes)
        return Outcome::failure("The map file \"" + fileName + "\" cannot be read.", "Read Error", qz::kMsgCritical);
    // The whole file is read and checked before anything of the map is replaced.
    mapfile::MapFileContents contents;
    try {
        contents = parseMapFile(*bytes);
    } catch (const MapFileDamage& damage) {
        std::string text = damage.notAMapFile
                               ? "The file \"" + fileName + "\" is not a map file"
                               : "The map file \"" + fileName + "\" is damaged: " + damage.reason;
        return Outcome::failure(text + ". The map was not changed.", "Read Error", qz::kMsgCritical);
    }
    if (const auto& block = contents.wallBlock) {
        std::vector<Wall> walls = block->walls;
        for (size_t w = 0; w < walls.size(); ++w) walls[w].nextLineseg = walls_[w].nextLineseg;
        numWalls = replaceFirstSlots(walls_, walls);
        vx = block->viewer.vx;
        vy = block->viewer.vy;
        vz = block->viewer.vz;
        vd = block->viewer.vd;
        vz0 = vz;
        vh = 0;
        vdz = 0;
    }
    if (contents.viewpoints) numViewpoints = replaceFirstSlots(viewpoints_, *contents.viewpoints);
    if (contents.areas) numAreas = replaceFirstSlots(areas_, *contents.areas);
    if (contents.globals) numGlobals = replaceFirstSlots(globals_, *contents.globals);
    // A tree compiled from the previous map no longer belongs to this one.
    numTreeSegs = 0;
    treeRoot = 0;
    return {};
}

}  // namespace qzedit
