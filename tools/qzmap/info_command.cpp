#include "editor/model/map_file_reader.h"
#include "format/json_text.h"
#include "tools/qzmap/commands.h"
#include "tools/qzmap/map_file_blocks.h"

using namespace qzedit;
using mapfile::jsonNumber;

bool infoCommand(const std::string& path, std::ostream& out, std::string& failure)
{
    std::optional<mapfile::MapFileContents> blocks = readMapFileBlocks(path, failure);
    if (!blocks) return false;
    out << "walls: " << (blocks->wallBlock ? blocks->wallBlock->walls.size() : 0) << "\n"
        << "areas: " << (blocks->areas ? blocks->areas->size() : 0) << "\n"
        << "viewpoints: " << (blocks->viewpoints ? blocks->viewpoints->size() : 0) << "\n"
        << "globals: " << (blocks->globals ? blocks->globals->size() : 0) << "\n";
    if (blocks->wallBlock) {
        const mapfile::ViewerStart* start = &blocks->wallBlock->viewer;
        out << "viewer start: vx " << jsonNumber(start->vx) << ", vy " << jsonNumber(start->vy) << ", vz " << start->vz
            << ", vd " << start->vd << "\n";
    } else {
        out << "viewer start: none (no wall block)\n";
    }
    out << "directory:\n";
    for (const mapfile::DirectoryEntry& entry : blocks->directory)
        out << "  type " << entry.type << " (" << blockTypeName(entry.type) << ") at position " << entry.position << "\n";
    return true;
}
