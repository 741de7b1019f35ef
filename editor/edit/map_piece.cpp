#include "editor/edit/map_piece.h"

#include <algorithm>
#include <cmath>
#include <set>

#include "editor/check/area_chains.h"
#include "editor/model/clsMap.h"
#include "format/map_file_layout.h"
#include "format/map_json.h"
#include "format/map_json_reader.h"
#include "platform/message_box.h"
#include "platform/numbers.h"

namespace qzedit {

namespace {

constexpr const char* kPasteTitle = "Paste";
constexpr int64_t kLowest = -32768;
constexpr int64_t kHighest = 32767;

// A copied wall: its links are the piece's, or none for a free wall.
Wall pieceWall(const Wall& wall, int32_t first, int32_t next, int32_t area)
{
    Wall copy = wall;
    copy.areaFirst = first;
    copy.areaNext = next;
    copy.areaNum = area;
    return copy;
}

bool inRange(int64_t value) { return value >= kLowest && value <= kHighest; }

// The walls each area of the piece takes: its chain as far as it stays within the piece and meets
// no wall another area took first.
std::vector<std::vector<int32_t>> pieceChains(const std::vector<Wall>& walls, const std::vector<Area>& areas)
{
    std::vector<bool> taken(walls.size(), false);
    std::vector<std::vector<int32_t>> chains(areas.size());
    for (size_t a = 0; a < areas.size(); ++a)
        for (int32_t w = areas[a].areaFirstWall; w >= 0 && static_cast<size_t>(w) < walls.size() && !taken[static_cast<size_t>(w)];
             w = walls[static_cast<size_t>(w)].areaNext) {
            taken[static_cast<size_t>(w)] = true;
            chains[a].push_back(w);
        }
    return chains;
}

}  // namespace

mapfile::MapFileContents copyPiece(const clsMap& map, const EditSelection& selection)
{
    mapfile::MapFileContents piece;
    mapfile::WallBlock& block = piece.wallBlock.emplace();
    block.type = mapfile::kBlockWalls;
    block.viewer = {map.vx, map.vy, map.vz, map.vd};
    std::vector<Area>& areas = piece.areas.emplace();
    std::set<int32_t> inArea;
    if (selection.area >= 0 && selection.area < map.numAreas) {
        const std::vector<int32_t> chain = check::walkAreaChain(map, selection.area).walls;
        if (!chain.empty()) {
            Area area = map.areaRecord(selection.area);
            area.areaFirstWall = 0;
            areas.push_back(area);
            for (size_t k = 0; k < chain.size(); ++k) {
                const int32_t next = k + 1 < chain.size() ? static_cast<int32_t>(k + 1) : -1;
                block.walls.push_back(pieceWall(map.wallRecord(chain[k]), 0, next, 0));
                inArea.insert(chain[k]);
            }
        }
    }
    std::set<int32_t> free;
    for (int32_t w : selection.walls)
        if (w >= 0 && w < map.numWalls && !inArea.count(w)) free.insert(w);
    for (int32_t w : free) block.walls.push_back(pieceWall(map.wallRecord(w), -1, -1, -1));
    return piece;
}

std::string pieceText(const mapfile::MapFileContents& piece) { return mapfile::mapJson(piece); }

PieceRead readPiece(const std::string& text)
{
    const mapfile::TableLimits limits {clsMap::kWallSlots, clsMap::kViewpointSlots, clsMap::kAreaSlots,
                                       clsMap::kGlobalSlots};
    mapfile::MapJsonRead read = mapfile::readMapJson(text, limits);
    if (!read.ok())
        return {{}, Outcome::failure("The clipboard does not hold a piece of a map (" + read.fault + "). Copy walls or "
                                     "an area first; the text is the map's JSON, as qzmap dump writes it.",
                                     kPasteTitle, qz::kMsgExclamation)};
    return {std::move(read.contents), {}};
}

std::optional<MapPoint> pieceCorner(const mapfile::MapFileContents& piece)
{
    if (!piece.wallBlock || piece.wallBlock->walls.empty()) return std::nullopt;
    MapPoint corner {INT32_MAX, INT32_MAX};
    for (const Wall& w : piece.wallBlock->walls) {
        corner.x = std::min({corner.x, w.x1, w.x2});
        corner.y = std::min({corner.y, w.y1, w.y2});
    }
    return corner;
}

Outcome pastePiece(clsMap& map, const mapfile::MapFileContents& piece, int64_t dx, int64_t dy, Pasted* pasted)
{
    const std::vector<Wall> noWalls;
    const std::vector<Wall>& walls = piece.wallBlock ? piece.wallBlock->walls : noWalls;
    if (walls.empty())
        return Outcome::failure("The clipboard's piece of a map has no walls: there is nothing to paste.", kPasteTitle,
                                qz::kMsgExclamation);
    const std::vector<Area> noAreas;
    const std::vector<Area>& areas = piece.areas ? *piece.areas : noAreas;
    const std::vector<std::vector<int32_t>> chains = pieceChains(walls, areas);
    std::vector<int32_t> ownerArea(walls.size(), -1), nextWall(walls.size(), -1), firstWall(walls.size(), -1);
    std::vector<size_t> keptAreas;
    for (size_t a = 0; a < areas.size(); ++a) {
        const std::vector<int32_t>& chain = chains[a];
        if (chain.empty()) continue;
        for (size_t k = 0; k < chain.size(); ++k) {
            ownerArea[static_cast<size_t>(chain[k])] = static_cast<int32_t>(keptAreas.size());
            firstWall[static_cast<size_t>(chain[k])] = chain.front();
            nextWall[static_cast<size_t>(chain[k])] = k + 1 < chain.size() ? chain[k + 1] : -1;
        }
        keptAreas.push_back(a);
    }
    if (Outcome room = roomForNewRecords(map, static_cast<int32_t>(walls.size()), static_cast<int32_t>(keptAreas.size()));
        !room)
        return room;
    for (const Wall& w : walls)
        if (!inRange(w.x1 + dx) || !inRange(w.y1 + dy) || !inRange(w.x2 + dx) || !inRange(w.y2 + dy))
            return Outcome::failure("Pasted there, the walls would reach outside the coordinates the engine takes (" +
                                        qz::decimal(kLowest) + " to " + qz::decimal(kHighest) +
                                        "). Set the insertion point elsewhere. Nothing was pasted.",
                                    kPasteTitle, qz::kMsgExclamation);

    const int32_t wallBase = map.numWalls;
    const int32_t areaBase = map.numAreas;
    auto mapped = [wallBase](int32_t pieceIndex) { return pieceIndex < 0 ? -1 : wallBase + pieceIndex; };
    Pasted added;
    for (size_t k = 0; k < walls.size(); ++k) {
        const int32_t n = map.addWall(0, 0, 0, 0, -1, -1);
        Wall& wall = map.wallRecord(n);
        const double identity = wall.wallID;
        wall = walls[k];
        wall.wallID = identity;
        wall.x1 = static_cast<int32_t>(wall.x1 + dx);
        wall.y1 = static_cast<int32_t>(wall.y1 + dy);
        wall.x2 = static_cast<int32_t>(wall.x2 + dx);
        wall.y2 = static_cast<int32_t>(wall.y2 + dy);
        const double ex = static_cast<double>(wall.x2) - wall.x1, ey = static_cast<double>(wall.y2) - wall.y1;
        wall.length = qz::toLong(std::sqrt(ex * ex + ey * ey));
        wall.areaFirst = mapped(firstWall[k]);
        wall.areaNext = mapped(nextWall[k]);
        wall.areaNum = ownerArea[k] < 0 ? -1 : areaBase + ownerArea[k];
        added.walls.push_back(n);
    }
    for (size_t a : keptAreas) {
        map.startArea(mapped(chains[a].front()), areas[a].areaFLAGS);
        const int32_t index = map.numAreas - 1;
        Area& area = map.areaRecord(index);
        area = areas[a];
        area.areaFirstWall = mapped(chains[a].front());
        map.adjustAreaBB(index);
        added.areas.push_back(index);
    }
    if (pasted) *pasted = std::move(added);
    return {};
}

}  // namespace qzedit
