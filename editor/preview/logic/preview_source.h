#pragma once
#include <cstdint>
#include <string>

#include "editor/model/outcome.h"
#include "editor/preview/logic/scratch_files.h"

namespace qzedit {

class clsMap;

// What the render and control windows preview: the map, compiled into scratch.mpb in the current
// directory, and the header that names it.
class PreviewSource {
public:
    explicit PreviewSource(clsMap& map);

    clsMap& map() { return map_; }
    int32_t wallCount() const;
    // The main window's compileScratch: the BSP tree, then scratch.mpb in the current directory.
    Outcome compileScratch();
    // scratch.hdr of the current directory, else the shipped one copied into the editor's own
    // scratch folder (see findPreviewHeader).
    HeaderChoice scratchHeader() const;

private:
    clsMap& map_;
};

// The "No Map" refusal of a map without walls; true when the map has walls.
bool mapHasWalls(const PreviewSource& source);

}  // namespace qzedit
