#include "tools/qzmap/map_file_blocks.h"

#include "editor/model/map_file_layout.h"
#include "platform/files.h"

std::optional<MapFileBlocks> readMapFileBlocks(const std::string& path, std::string& failure)
{
    if (!qz::fileExists(path)) {
        failure = "no such map file: \"" + path + "\"";
        return std::nullopt;
    }
    std::optional<std::vector<uint8_t>> bytes = qz::readFileBytes(path);
    if (!bytes) {
        failure = "the map file \"" + path + "\" cannot be read";
        return std::nullopt;
    }
    try {
        return parseMapFile(*bytes, true);
    } catch (const MapFileDamage& damage) {
        failure = "the map file \"" + path + "\" is damaged: " + damage.reason;
        return std::nullopt;
    }
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
