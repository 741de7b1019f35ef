#include "tools/room-map/room_map_generator.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>
#include <utility>
#include <vector>

#include "editor/model/clsMap.h"

using namespace qzedit;

namespace qzgen {

namespace {

class RoomMapGenerator {
public:
    RoomMapGenerator(clsMap& map, const RoomMapOptions& options) : map_(map), options_(options), rng_(options.seed) {}

    void generate()
    {
        int32_t lines = options_.crossingLines >= 0 ? options_.crossingLines : options_.walls / 100;
        std::vector<int32_t> linePieces;
        int32_t lineWalls = 0;
        for (int32_t i = 0; i < lines && lineWalls < options_.walls; ++i) {
            int32_t pieces = std::min(uniform(1, 3), options_.walls - lineWalls);
            linePieces.push_back(pieces);
            lineWalls += pieces;
        }
        int32_t starWalls = std::min(options_.starWalls, options_.walls - lineWalls);
        int32_t roomWalls = options_.walls - lineWalls - starWalls;
        int32_t rooms = std::max(1, roomWalls / 7);
        gridSide_ = std::max(1, static_cast<int32_t>(std::ceil(std::sqrt(static_cast<double>(rooms)))));
        int32_t cell = 0;
        while (roomWalls > 0) {
            int32_t sides = std::min(uniform(3, 12), roomWalls);
            if (roomWalls - sides < 3) sides = roomWalls;
            addRoom(cell++ % (gridSide_ * gridSide_), sides);
            roomWalls -= sides;
        }
        for (int32_t pieces : linePieces) addCrossingLine(pieces);
        while (starWalls > 0) {
            int32_t rays = std::min(uniform(2, 6), starWalls);
            addStar(rays);
            starWalls -= rays;
        }
        presetRanges();
    }

private:
    int32_t uniform(int32_t low, int32_t high) { return low + static_cast<int32_t>(rng_() % static_cast<uint32_t>(high - low + 1)); }
    double unit() { return static_cast<double>(rng_()) / 4294967296.0; }
    int32_t snapped(double v) const
    {
        return static_cast<int32_t>(std::nearbyint(v / options_.snap)) * options_.snap;
    }

    // A room of the given number of walls: a rectangle (split on its long sides when it has more
    // than four walls) or a convex polygon, with its own heights and flags.
    void addRoom(int32_t cell, int32_t sides)
    {
        double cx = (cell % gridSide_ + 0.5) * options_.cellSize;
        double cy = (cell / gridSide_ + 0.5) * options_.cellSize;
        double radius = options_.cellSize * (0.15 + 0.3 * unit());
        std::vector<std::pair<int32_t, int32_t>> corners;
        if (sides >= 4 && uniform(0, 2) == 0) {
            // Rectangles on a coarse grid line up with their neighbours: collinear walls.
            int32_t left = snapped(std::floor((cx - radius) / 64) * 64);
            int32_t right = snapped(std::ceil((cx + radius) / 64) * 64);
            int32_t top = snapped(std::floor((cy - radius) / 64) * 64);
            int32_t bottom = snapped(std::ceil((cy + radius) / 64) * 64);
            int32_t extra = sides - 4;
            int32_t onTop = extra / 2, onBottom = extra - onTop;
            corners.push_back({left, top});
            for (int32_t i = 1; i <= onTop; ++i) corners.push_back({left + (right - left) * i / (onTop + 1), top});
            corners.push_back({right, top});
            corners.push_back({right, bottom});
            for (int32_t i = onBottom; i >= 1; --i) corners.push_back({left + (right - left) * i / (onBottom + 1), bottom});
            corners.push_back({left, bottom});
        } else {
            double start = unit() * 2 * std::numbers::pi;
            for (int32_t i = 0; i < sides; ++i) {
                double angle = start + (i + 0.3 * unit()) * 2 * std::numbers::pi / sides;
                corners.push_back({snapped(cx + radius * std::cos(angle)), snapped(cy + radius * std::sin(angle))});
            }
        }
        map_.floorHtBegin = uniform(0, 40);
        map_.floorHtEnd = map_.floorHtBegin + uniform(0, 16);
        map_.ceilHtBegin = uniform(64, 128);
        map_.ceilHtEnd = map_.ceilHtBegin + uniform(0, 64);
        map_.txrWall = uniform(1, 9);
        map_.txrFFloor = uniform(1, 9);
        map_.setPasteWall(true, true);
        map_.wallFlags = uniform(0, 31);
        bool ownArea = map_.numAreas < clsMap::kAreaSlots;
        int32_t first = map_.numWalls;
        if (ownArea) map_.startArea(first, uniform(0, 3));
        for (int32_t i = 0; i < sides; ++i) {
            auto [ax, ay] = corners[i];
            auto [bx, by] = corners[(i + 1) % sides];
            int32_t w = map_.addWall(ax, ay, bx, by, first, i + 1 < sides ? first + i + 1 : -1);
            if (!ownArea) map_.wallRecord(w).areaNum = -1;
        }
        if (ownArea) map_.endArea();
    }

    // A line from one edge of the plane towards the other, in a direction of small whole steps,
    // cut into collinear walls at whole multiples of the step.
    void addCrossingLine(int32_t pieces)
    {
        int32_t plane = gridSide_ * options_.cellSize;
        int32_t stepX = uniform(-7, 7), stepY = uniform(1, 7);
        if (uniform(0, 1) == 0) std::swap(stepX, stepY);
        int32_t startX = snapped(unit() * plane), startY = snapped(unit() * plane);
        double stepLength = std::hypot(stepX, stepY) * options_.snap;
        int32_t steps = std::max(pieces, static_cast<int32_t>(plane / stepLength * (0.5 + unit())));
        int32_t first = map_.numWalls;
        for (int32_t i = 0; i < pieces; ++i) {
            int32_t from = steps * i / pieces, to = steps * (i + 1) / pieces;
            int32_t w = map_.addWall(startX + stepX * from * options_.snap, startY + stepY * from * options_.snap,
                                     startX + stepX * to * options_.snap, startY + stepY * to * options_.snap, first,
                                     i + 1 < pieces ? first + i + 1 : -1);
            map_.wallRecord(w).areaNum = -1;  // a chain of its own, in no area
        }
    }

    // Walls through one centre point, each with the centre as its middle.
    void addStar(int32_t rays)
    {
        int32_t plane = gridSide_ * options_.cellSize;
        int32_t cx = snapped(unit() * plane), cy = snapped(unit() * plane);
        for (int32_t i = 0; i < rays; ++i) {
            int32_t halfX = uniform(-12, 12) * options_.snap * 8, halfY = uniform(-12, 12) * options_.snap * 8;
            if (halfX == 0 && halfY == 0) halfX = options_.snap * 8;
            int32_t w = map_.addWall(cx - halfX, cy - halfY, cx + halfX, cy + halfY, map_.numWalls, -1);
            map_.wallRecord(w).areaNum = -1;
        }
    }

    void presetRanges()
    {
        if (options_.presetRangeShare <= 0.0) return;
        for (int32_t w = 0; w < map_.numWalls; ++w) {
            if (unit() >= options_.presetRangeShare) continue;
            Wall& wall = map_.wallRecord(w);
            wall.tStart = uniform(0, 1) == 0 ? 0.0 : 0.5 * unit();
            wall.tEnd = uniform(0, 1) == 0 ? 1.0 : 0.5 + 0.5 * unit();
            // Now and then a piece of no length at the wall's middle, which lies on every line
            // through that point.
            if (uniform(0, 7) == 0) wall.tStart = wall.tEnd = 0.5;
        }
    }

    clsMap& map_;
    RoomMapOptions options_;
    std::mt19937 rng_;
    int32_t gridSide_ = 1;
};

}  // namespace

void generateRoomMap(clsMap& map, const RoomMapOptions& options) { RoomMapGenerator(map, options).generate(); }

}  // namespace qzgen
