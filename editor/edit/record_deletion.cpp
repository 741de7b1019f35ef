#include "editor/edit/record_deletion.h"

#include <algorithm>
#include <map>
#include <utility>

#include "editor/check/area_chains.h"
#include "editor/model/clsMap.h"
#include "platform/codepage.h"
#include "platform/message_box.h"
#include "platform/numbers.h"

namespace qzedit {

namespace {

constexpr const char* kTitle = "Delete";

using Point = std::pair<int32_t, int32_t>;

Point startOf(const Wall& w) { return {w.x1, w.y1}; }
Point endOf(const Wall& w) { return {w.x2, w.y2}; }

std::string areaLabel(const clsMap& map, int32_t area)
{
    std::string name = map.areaRecord(area).areaName.str();
    name.erase(name.find_last_not_of(' ') + 1);
    return "area " + qz::decimal(area) + " \"" + qz::cp1252ToUtf8(name) + "\"";
}

Outcome refused(const std::string& text) { return Outcome::failure(text, kTitle, qz::kMsgExclamation); }

// The walls of one area's chain as the deletion leaves them: each removed wall that began where a
// wall of the chain ended hands its end point on to that wall, so the outline stays closed. A run
// of removed walls passes from one to the next; where the chain has no such wall or more than one
// (an open outline, two outlines meeting at a corner) the wall is only removed. Walls that end
// where they begin afterwards are removed too. Returns the walls whose end points moved.
std::vector<int32_t> closeOutline(std::vector<Wall>& walls, const std::vector<int32_t>& chain, std::vector<bool>& gone)
{
    std::map<Point, std::vector<int32_t>> endingAt;
    for (int32_t w : chain) endingAt[endOf(walls[static_cast<size_t>(w)])].push_back(w);
    std::vector<int32_t> pending;
    for (int32_t w : chain)
        if (gone[static_cast<size_t>(w)]) pending.push_back(w);
    std::vector<bool> settled(walls.size(), false);
    std::vector<int32_t> moved;
    for (bool progress = true; progress;) {
        progress = false;
        for (int32_t removed : pending) {
            if (settled[static_cast<size_t>(removed)]) continue;
            std::vector<int32_t> before;
            for (int32_t w : endingAt[startOf(walls[static_cast<size_t>(removed)])])
                if (w != removed && !settled[static_cast<size_t>(w)]) before.push_back(w);
            const bool waits = before.size() == 1 && gone[static_cast<size_t>(before[0])];
            if (waits) continue;
            if (before.size() == 1) {
                Wall& kept = walls[static_cast<size_t>(before[0])];
                std::vector<int32_t>& oldEnd = endingAt[endOf(kept)];
                oldEnd.erase(std::find(oldEnd.begin(), oldEnd.end(), before[0]));
                kept.x2 = walls[static_cast<size_t>(removed)].x2;
                kept.y2 = walls[static_cast<size_t>(removed)].y2;
                endingAt[endOf(kept)].push_back(before[0]);
                moved.push_back(before[0]);
            }
            settled[static_cast<size_t>(removed)] = true;
            progress = true;
        }
    }
    for (int32_t w : moved) {
        const Wall& wall = walls[static_cast<size_t>(w)];
        if (startOf(wall) == endOf(wall)) gone[static_cast<size_t>(w)] = true;
    }
    return moved;
}

}  // namespace

Outcome deleteSelection(clsMap& map, const EditSelection& selection)
{
    const int32_t wallCount = map.numWalls;
    const int32_t areaCount = map.numAreas;
    for (int32_t w : selection.walls)
        if (w < 0 || w >= wallCount)
            return refused("Wall " + qz::decimal(w) + " is not a wall of the map, which has " + qz::decimal(wallCount) +
                           " walls. Nothing was deleted.");
    if (selection.area != -1 && (selection.area < 0 || selection.area >= areaCount))
        return refused("Area " + qz::decimal(selection.area) + " is not an area of the map, which has " +
                       qz::decimal(areaCount) + " areas. Nothing was deleted.");

    // The plan is made on copies; the map changes only once it is whole.
    std::vector<Wall> walls = map.wallList();
    std::vector<bool> goneWall(static_cast<size_t>(wallCount), false);
    std::vector<bool> goneArea(static_cast<size_t>(areaCount), false);
    std::vector<std::vector<int32_t>> chains(static_cast<size_t>(areaCount));
    for (int32_t a = 0; a < areaCount; ++a) chains[static_cast<size_t>(a)] = check::walkAreaChain(map, a).walls;
    for (int32_t w : selection.walls) goneWall[static_cast<size_t>(w)] = true;
    if (selection.area >= 0) {
        goneArea[static_cast<size_t>(selection.area)] = true;
        for (int32_t w : chains[static_cast<size_t>(selection.area)]) goneWall[static_cast<size_t>(w)] = true;
    }

    std::vector<bool> reshaped(static_cast<size_t>(areaCount), false);
    for (int32_t a = 0; a < areaCount; ++a) {
        const std::vector<int32_t>& chain = chains[static_cast<size_t>(a)];
        auto removed = [&] {
            return std::count_if(chain.begin(), chain.end(), [&](int32_t w) { return goneWall[static_cast<size_t>(w)]; });
        };
        if (goneArea[static_cast<size_t>(a)] || chain.empty() || removed() == 0) continue;
        if (removed() == static_cast<std::ptrdiff_t>(chain.size())) {
            goneArea[static_cast<size_t>(a)] = true;
            continue;
        }
        const auto left = static_cast<std::ptrdiff_t>(chain.size()) - removed();
        if (left < 3)
            return refused("Deleting would leave " + areaLabel(map, a) + " with " + qz::decimal(left) +
                           (left == 1 ? " wall" : " walls") +
                           ", and a room needs at least three. Select the area in the project window to delete it "
                           "whole. Nothing was deleted.");
        reshaped[static_cast<size_t>(a)] = true;
        closeOutline(walls, chain, goneWall);
    }

    std::vector<int32_t> newWall(static_cast<size_t>(wallCount), -1);
    std::vector<int32_t> newArea(static_cast<size_t>(areaCount), -1);
    int32_t keptWalls = 0, keptAreas = 0;
    for (int32_t w = 0; w < wallCount; ++w)
        if (!goneWall[static_cast<size_t>(w)]) newWall[static_cast<size_t>(w)] = keptWalls++;
    for (int32_t a = 0; a < areaCount; ++a)
        if (!goneArea[static_cast<size_t>(a)]) newArea[static_cast<size_t>(a)] = keptAreas++;

    // A link to a removed wall goes on along the chain to the next wall that stays; a link that
    // was already outside the table is left as it was.
    auto wallLink = [&](int32_t link) {
        for (int32_t steps = 0; link >= 0 && link < wallCount && goneWall[static_cast<size_t>(link)]; ++steps) {
            if (steps == wallCount) return -1;
            link = walls[static_cast<size_t>(link)].areaNext;
        }
        return link >= 0 && link < wallCount ? newWall[static_cast<size_t>(link)] : link;
    };
    auto areaLink = [&](int32_t link) {
        return link >= 0 && link < areaCount ? newArea[static_cast<size_t>(link)] : link;
    };

    std::vector<Wall> keptWallRecords;
    for (int32_t w = 0; w < wallCount; ++w) {
        if (goneWall[static_cast<size_t>(w)]) continue;
        Wall wall = walls[static_cast<size_t>(w)];
        wall.areaFirst = wallLink(wall.areaFirst);
        wall.areaNext = wallLink(wall.areaNext);
        wall.areaNum = areaLink(wall.areaNum);
        keptWallRecords.push_back(wall);
    }
    std::vector<Area> keptAreaRecords;
    for (int32_t a = 0; a < areaCount; ++a) {
        if (goneArea[static_cast<size_t>(a)]) continue;
        Area area = map.areaRecord(a);
        area.areaFirstWall = wallLink(area.areaFirstWall);
        keptAreaRecords.push_back(area);
    }

    for (int32_t w = 0; w < keptWalls; ++w) map.wallRecord(w) = keptWallRecords[static_cast<size_t>(w)];
    for (int32_t a = 0; a < keptAreas; ++a) map.areaRecord(a) = keptAreaRecords[static_cast<size_t>(a)];
    map.numWalls = keptWalls;
    map.numAreas = keptAreas;
    if (map.selWallNum >= 0 && map.selWallNum < wallCount) map.selWallNum = newWall[static_cast<size_t>(map.selWallNum)];
    if (map.selAreaNum >= 0 && map.selAreaNum < areaCount) map.selAreaNum = newArea[static_cast<size_t>(map.selAreaNum)];
    for (int32_t a = 0; a < areaCount; ++a)
        if (reshaped[static_cast<size_t>(a)] && !goneArea[static_cast<size_t>(a)]) map.adjustAreaBB(newArea[static_cast<size_t>(a)]);
    return {};
}

}  // namespace qzedit
