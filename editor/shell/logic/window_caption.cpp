#include "editor/shell/logic/window_caption.h"

#include <filesystem>

#include "editor/shell/logic/main_commands.h"

namespace qzedit {

std::string mapDisplayName(const std::string& path)
{
    if (path.empty()) return MainCommands::kDefaultMapName;
    return std::filesystem::path(path).filename().string();
}

std::string mainWindowCaption(const std::string& path, bool modified)
{
    return mapDisplayName(path) + (modified ? "*" : "") + " - Quarzite3D Map Editor";
}

}  // namespace qzedit
