#include "tools/qzmap/map_file_blocks.h"

#include "editor/model/map_file_reader.h"
#include "platform/files.h"

using namespace qzedit;

std::optional<mapfile::MapFileContents> readMapFileBlocks(const std::string& path, std::string& failure)
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
        return parseMapFile(*bytes);
    } catch (const MapFileDamage& damage) {
        failure = damage.notAMapFile ? "the file \"" + path + "\" is not a map file"
                                     : "the map file \"" + path + "\" is damaged: " + damage.reason;
        return std::nullopt;
    }
}
