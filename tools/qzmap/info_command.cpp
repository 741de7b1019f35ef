#include "tools/qzmap/commands.h"
#include "tools/qzmap/json_text.h"
#include "tools/qzmap/map_file_blocks.h"

bool infoCommand(const std::string& path, std::ostream& out, std::string& failure)
{
    std::optional<MapFileBlocks> blocks = readMapFileBlocks(path, failure);
    if (!blocks) return false;
    out << "walls: " << blocks->walls.size() << "\n"
        << "areas: " << blocks->areas.size() << "\n"
        << "viewpoints: " << blocks->viewpoints.size() << "\n"
        << "globals: " << blocks->globals.size() << "\n";
    if (const auto& start = blocks->viewerStart)
        out << "viewer start: vx " << jsonNumber(start->vx) << ", vy " << jsonNumber(start->vy) << ", vz " << start->vz
            << ", vd " << start->vd << "\n";
    else
        out << "viewer start: none (no wall block)\n";
    out << "directory:\n";
    for (const DirectoryEntry& entry : blocks->directory)
        out << "  type " << entry.type << " (" << blockTypeName(entry.type) << ") at position " << entry.position << "\n";
    return true;
}
