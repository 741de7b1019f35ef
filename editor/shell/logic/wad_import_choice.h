#pragma once
#include <optional>
#include <string>
#include <vector>

#include "editor/import/wad_file.h"
#include "editor/import/wad_maps.h"
#include "editor/model/outcome.h"

namespace qzedit {

class clsMap;

// The Import Doom WAD map dialog without its window: the maps of the chosen WAD, the one picked,
// whether to take only the part around the player start that fits, and the import itself.
class WadImportChoice {
public:
    // Reads the WAD's directory; a WAD that cannot be read gives the message to show.
    Outcome load(const std::string& wadPath);

    const std::string& wadPath() const { return path_; }
    // One line per map: its name, and for a map in another layout why it cannot be imported.
    std::vector<std::string> mapLines() const;
    void select(int index);
    int selected() const { return selected_; }
    // OK is possible when a map in the classic Doom layout is selected.
    bool okEnabled() const;

    bool fit = false;

    // Imports the selected map into the map object and writes its textures, compiled map and
    // headers into the folder worldDir. On failure the map is unchanged and the outcome carries
    // the message; on success report holds the import report.
    Outcome importInto(clsMap& map, const std::string& worldDir, std::string& report) const;
    // The selected map's name, "" without a selection.
    std::string selectedName() const;

private:
    std::string path_;
    std::optional<wad::WadFile> file_;
    std::vector<wad::MapEntry> maps_;
    int selected_ = -1;
};

}  // namespace qzedit
