#include "format/map_json.h"
#include "tools/qzmap/commands.h"
#include "tools/qzmap/map_file_blocks.h"

bool dumpCommand(const std::string& path, std::ostream& out, std::string& failure)
{
    std::optional<mapfile::MapFileContents> blocks = readMapFileBlocks(path, failure);
    if (!blocks) return false;
    out << mapfile::mapJson(*blocks);
    return true;
}
