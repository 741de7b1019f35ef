#pragma once
#include <string>
#include <vector>

#include "editor/edit/drawn_outline.h"
#include "editor/model/clsMap.h"

// Maps for the hand edits' tests, built as the Draw tool builds them.
namespace handtest {

// Two square rooms facing inwards and a free wall between them:
//   walls 0-3  area 0 "Area0": (0,0) (0,100) (100,100) (100,0)
//   walls 4-7  area 1 "Area1": (200,0) (200,100) (300,100) (300,0)
//   wall 8     no area: (150,0)-(150,100)
// The viewer starts in area 1, at (280, 30).
inline void buildTwoRooms(qzedit::clsMap& map)
{
    using qzedit::MapPoint;
    qzedit::addDrawnRoom(map, {{0, 0}, {0, 100}, {100, 100}, {100, 0}});
    qzedit::addDrawnRoom(map, {{200, 0}, {200, 100}, {300, 100}, {300, 0}});
    qzedit::addDrawnWalls(map, {{150, 0}, {150, 100}});
    map.vx = 280;
    map.vy = 30;
}

struct Ends {
    int32_t x1, y1, x2, y2;
    bool operator==(const Ends&) const = default;
};

inline std::vector<Ends> wallEnds(const qzedit::clsMap& map)
{
    std::vector<Ends> ends;
    for (int32_t w = 0; w < map.numWalls; ++w) {
        const qzedit::Wall& wall = map.wallRecord(w);
        ends.push_back({wall.x1, wall.y1, wall.x2, wall.y2});
    }
    return ends;
}

// "first/next/area" of every wall, the links a chain is made of.
inline std::vector<std::string> wallLinks(const qzedit::clsMap& map)
{
    std::vector<std::string> links;
    for (int32_t w = 0; w < map.numWalls; ++w) {
        const qzedit::Wall& wall = map.wallRecord(w);
        links.push_back(std::to_string(wall.areaFirst) + "/" + std::to_string(wall.areaNext) + "/" +
                        std::to_string(wall.areaNum));
    }
    return links;
}

}  // namespace handtest

inline std::ostream& operator<<(std::ostream& out, const handtest::Ends& e)
{
    return out << "(" << e.x1 << "," << e.y1 << ")-(" << e.x2 << "," << e.y2 << ")";
}
