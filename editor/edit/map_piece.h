#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "editor/edit/drawn_outline.h"
#include "editor/edit/edit_selection.h"
#include "editor/model/outcome.h"
#include "format/map_file_contents.h"

namespace qzedit {

class clsMap;

// A piece of a map, as Copy puts it on the clipboard: the selected area with the walls of its
// chain (first the area's first wall, then along the chain), or the selected walls as free walls
// (in no area). Links count within the piece. The wall block carries the map's viewer start; the
// piece has no viewpoints or globals.
mapfile::MapFileContents copyPiece(const clsMap& map, const EditSelection& selection);

// The piece as the map's own JSON, the text qzmap dump writes for a map file.
std::string pieceText(const mapfile::MapFileContents& piece);

// The piece in a text from the clipboard, or the message that refuses it.
struct PieceRead {
    mapfile::MapFileContents piece;
    Outcome outcome;
};
PieceRead readPiece(const std::string& text);

// The corner of the piece's walls with the smallest x and y; nothing for a piece without walls.
std::optional<MapPoint> pieceCorner(const mapfile::MapFileContents& piece);

// The records a paste appended to the map.
struct Pasted {
    std::vector<int32_t> walls;
    std::vector<int32_t> areas;
};

// Appends the piece's walls and areas, moved by (dx, dy), after the map's own. Each area takes the
// walls its chain reaches in the piece, in chain order; the other walls become free walls. The
// records keep every field (heights, textures, flags, names) except what ties them to their place:
// the links are the map's new numbers, the bounding boxes are computed again, and each wall gets a
// new identity. A piece without walls, one the tables have no room for or one that would reach
// outside -32768 to 32767 is refused and nothing changes.
Outcome pastePiece(clsMap& map, const mapfile::MapFileContents& piece, int64_t dx, int64_t dy, Pasted* pasted = nullptr);

}  // namespace qzedit
