#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "editor/model/clsMap.h"
#include "platform/message_box.h"
#include "platform/numbers.h"
#include "platform/random.h"
#include "platform/run_error.h"

namespace qzedit {

namespace {

constexpr int kErrInvalidArgument = 5;

struct Point {
    int32_t x;
    int32_t y;
};

// The point at fraction t of the line a-b; the difference is Long arithmetic, the rest Double.
Point pointAt(int32_t ax, int32_t ay, int32_t bx, int32_t by, double t)
{
    return {qz::toLong(ax + qz::subLong(bx, ax) * t), qz::toLong(ay + qz::subLong(by, ay) * t)};
}

Point pointOnWall(const Wall& w, double t) { return pointAt(w.x1, w.y1, w.x2, w.y2, t); }

// The walls of a chain in order, each once: a cyclic chain read from a file stops at its first
// repeated wall instead of visiting the same walls again and again.
std::vector<int32_t> distinctChain(const clsMap& map, int32_t first)
{
    std::vector<int32_t> chain;
    std::vector<bool> seen(clsMap::kWallSlots, false);
    bool repeated = false;
    map.forEachChainWall(first, [&](int32_t w) {
        if (seen[static_cast<size_t>(w)]) repeated = true;
        if (repeated) return;
        seen[static_cast<size_t>(w)] = true;
        chain.push_back(w);
    });
    return chain;
}

// Room for count more walls and one more area, checked before anything changes, so a generator
// never leaves an area whose chain points past the table.
void requireRoom(const clsMap& map, int32_t walls, bool area)
{
    qz::checkIndex(static_cast<long long>(map.numWalls) + walls - 1, clsMap::kWallSlots);
    if (area) qz::checkIndex(map.numAreas, clsMap::kAreaSlots);
}

void requireSides(int16_t numSides)
{
    if (numSides < 1) throw qz::RunError(kErrInvalidArgument, "Invalid procedure call or argument");
}

float piSingle() { return static_cast<float>(4.0 * std::atan(1.0)); }

double newIdentity()
{
    float r1 = qz::rnd();
    float r2 = qz::rnd();
    return static_cast<double>(r2) * 1000000.0 + static_cast<double>(r1);
}

}  // namespace

void clsMap::dupWallListSeg(int32_t sourceNum, int32_t destNum)
{
    const Wall source = wallRecord(sourceNum);
    Wall& dest = wallRecord(destNum);
    dest.x1 = source.x1;
    dest.y1 = source.y1;
    dest.x2 = source.x2;
    dest.y2 = source.y2;
    dest.floorHtBegin = source.floorHtBegin;
    dest.floorHtEnd = source.floorHtEnd;
    dest.ceilHtBegin = source.ceilHtBegin;
    dest.ceilHtEnd = source.ceilHtEnd;
    dest.xo = source.xo;
    dest.yo = source.yo;
    dest.txrWall = source.txrWall;
    dest.txrFFloor = source.txrFFloor;
    dest.txrFCeil = source.txrFCeil;
    dest.txrBFloor = source.txrBFloor;
    dest.txrBCeil = source.txrBCeil;
    dest.length = source.length;
    dest.back = source.back;
    dest.front = source.front;
    dest.nextLineseg = source.nextLineseg;
    dest.tStart = source.tStart;
    dest.tEnd = source.tEnd;
}

void clsMap::splitWall(int32_t toBeSplit, int16_t numSplits)
{
    // Every new point is computed and the room checked first: a split that cannot be stored or
    // whose points overflow changes nothing, numWalls included.
    Wall& w = wallRecord(toBeSplit);
    const int32_t n = numWalls;
    const int32_t pieces = numSplits == 2 ? 1 : 2;
    requireRoom(*this, pieces, false);
    const Point first = pointOnWall(w, pieces == 1 ? 0.5 : 0.33);
    const Point second = pieces == 1 ? first : pointOnWall(w, 0.66);

    numWalls = n + pieces;
    for (int32_t k = 0; k < pieces; ++k) dupWallListSeg(toBeSplit, n + k);
    w.x2 = first.x;
    w.y2 = first.y;
    Wall& middle = wallRecord(n);
    middle.x1 = first.x;
    middle.y1 = first.y;
    if (pieces == 1) return;
    middle.x2 = second.x;
    middle.y2 = second.y;
    Wall& last = wallRecord(n + 1);
    last.x1 = second.x;
    last.y1 = second.y;
}

int16_t clsMap::makePassage(int32_t toBeSplit, int32_t toBeSplit2, bool splitFlag, double, double)
{
    // Both walls, their cut points and room for all four pieces are checked first, so a passage is
    // cut whole or not at all.
    const Wall& a = wallRecord(toBeSplit);
    const Wall& b = wallRecord(toBeSplit2);
    if (!splitFlag) return 0;
    requireRoom(*this, 4, false);
    for (const Wall* w : {&a, &b}) {
        pointOnWall(*w, 0.33);
        pointOnWall(*w, 0.66);
    }

    int32_t m1 = numWalls;
    splitWall(toBeSplit, 3);
    int32_t m2 = numWalls;
    splitWall(toBeSplit2, 3);
    Wall& sideA = wallRecord(m1);
    Wall& sideB = wallRecord(m2);
    std::swap(sideA.x1, sideB.x1);
    std::swap(sideA.y1, sideB.y1);
    return 0;
}

namespace {

// Rewrites every end point of the area's walls; all new points are computed before any is stored,
// so an overflow leaves the area as it was.
template <typename Fn>
void transformArea(clsMap& map, int32_t areaIndex, Fn pointFn)
{
    std::vector<int32_t> chain = distinctChain(map, map.areaRecord(areaIndex).areaFirstWall);
    std::vector<std::pair<Point, Point>> moved;
    moved.reserve(chain.size());
    for (int32_t w : chain) {
        const Wall& wall = map.wallRecord(w);
        moved.emplace_back(pointFn(wall.x1, wall.y1), pointFn(wall.x2, wall.y2));
    }
    for (size_t k = 0; k < chain.size(); ++k) {
        Wall& wall = map.wallRecord(chain[k]);
        wall.x1 = moved[k].first.x;
        wall.y1 = moved[k].first.y;
        wall.x2 = moved[k].second.x;
        wall.y2 = moved[k].second.y;
    }
    map.adjustAreaBB(areaIndex);
    map.getArea(areaIndex);
}

}  // namespace

void clsMap::moveArea(int32_t areaIndex, float deltaX, float deltaY)
{
    transformArea(*this, areaIndex, [&](int32_t x, int32_t y) {
        return Point {qz::toLong(x + static_cast<double>(deltaX)), qz::toLong(y + static_cast<double>(deltaY))};
    });
}

void clsMap::scaleArea(int32_t areaIndex, float deltaX, float deltaY)
{
    transformArea(*this, areaIndex, [&](int32_t x, int32_t y) {
        return Point {qz::toLong(x * static_cast<double>(deltaX)), qz::toLong(y * static_cast<double>(deltaY))};
    });
}

int32_t clsMap::RotX(int32_t tx, int32_t ty, float angle) const
{
    double a = angle;
    return qz::toLong(std::cos(a) * tx - std::sin(a) * ty);
}

int32_t clsMap::RotY(int32_t tx, int32_t ty, float angle) const
{
    double a = angle;
    return qz::toLong(std::sin(a) * tx + std::cos(a) * ty);
}

void clsMap::TransformPts(float cangle, int32_t ox, int32_t oy)
{
    double c = std::cos(static_cast<double>(cangle));
    double s = std::sin(static_cast<double>(cangle));
    int32_t newX1 = qz::toLong(c * tx1 - s * ty1 + ox);
    int32_t newY1 = qz::toLong(s * tx1 + c * ty1 + oy);
    int32_t newX2 = qz::toLong(c * tx2 - s * ty2 + ox);
    int32_t newY2 = qz::toLong(s * tx2 + c * ty2 + oy);
    tx1 = newX1;
    ty1 = newY1;
    tx2 = newX2;
    ty2 = newY2;
}

void clsMap::addPolyCol(int16_t numSides, int16_t ox, int16_t oy, int16_t sideLen)
{
    requireSides(numSides);
    requireRoom(*this, numSides, true);
    const float pi = piSingle();
    const float step = 2.0f * pi / static_cast<float>(numSides);
    float angle = pi / 2.0f;

    areaName = "Col" + qz::decimal(numWalls);
    startArea(numWalls, 0);
    const int32_t first = numWalls;
    const int32_t lastIndex = first + numSides - 1;
    Point current {ox, oy};
    for (int32_t i = first; i <= lastIndex; ++i) {
        double a = angle;
        Point next {qz::toLong(std::cos(a) * sideLen + current.x), qz::toLong(std::sin(a) * sideLen + current.y)};
        addWall(current.x, current.y, next.x, next.y, first, i == lastIndex ? -1 : i + 1);
        current = next;
        angle = angle + step;
    }
    endArea();
    wallRecord(lastIndex).nextLineseg = -1;
    areaName.clear();
}

void clsMap::addPolySurround(int16_t numSides, int16_t ox, int16_t oy, int16_t sideLen)
{
    requireSides(numSides);
    requireRoom(*this, numSides, true);
    const float pi = piSingle();
    const float step = 2.0f * pi / static_cast<float>(numSides);
    float angle = pi / 2.0f;

    areaName = "RoomID" + qz::decimal(numWalls);
    startArea(numWalls, 0);
    const int32_t first = numWalls;
    const int32_t lastIndex = first + numSides - 1;
    double currentX = ox;
    double currentY = oy;
    for (int32_t i = first; i <= lastIndex; ++i) {
        double a = angle;
        double nextX = currentX + std::cos(a) * sideLen;
        double nextY = currentY + std::sin(a) * sideLen;
        Wall& w = wallRecord(i);
        w.x1 = qz::toLong(currentX);
        w.y1 = qz::toLong(currentY);
        w.x2 = qz::toLong(nextX);
        w.y2 = qz::toLong(nextY);
        w.tStart = 0.0;
        w.tEnd = 1.0;
        pasteWall(i, true, true);
        w.floorHtEnd = w.ceilHtEnd;
        w.ceilHtBegin = w.ceilHtEnd;
        w.xo = 0;
        w.yo = 0;
        w.wallFlags = wallFlags;
        w.areaNum = tempAreaNum_;
        // Every wall names its chain's first wall and gets its own identity, as addWall gives them.
        w.areaFirst = first;
        w.wallID = newIdentity();
        w.areaNext = i == lastIndex ? -1 : i + 1;
        currentX = nextX;
        currentY = nextY;
        angle = angle - step;
    }
    endArea();
    wallRecord(lastIndex).nextLineseg = -1;
    numWalls = first + numSides;
    areaName.clear();
}

void clsMap::testPtinPoly()
{
    std::string text;
    for (int32_t i = 0; i < numAreas; ++i) {
        int32_t first = areaRecord(i).areaFirstWall;
        std::vector<int32_t> chain = distinctChain(*this, first);
        int32_t last = chain.empty() ? first : chain.back();
        int32_t count = pointInArea(first, last, insertX, insertY);
        text += qz::decimal(i) + ":" + qz::decimal(count) + "\r";
    }
    qz::messageBox(text, "", qz::kMsgOkOnly);
}

int32_t clsMap::pointInArea(int32_t firstWall, int32_t lastWall, int32_t px, int32_t py) const
{
    int32_t count = 1;
    for (int32_t i = firstWall; i <= lastWall; ++i) {
        const Wall& w = wallRecord(i);
        if (w.x1 == w.x2) continue;
        // Only the sign matters here, so the product is taken in Double and cannot overflow.
        double between = (static_cast<double>(px) - w.x1) * (static_cast<double>(w.x2) - px);
        if (between < 0) continue;
        if (px == w.x2 && px < w.x1) continue;
        if (px == w.x1 && px > w.x2) continue;
        double m = (static_cast<double>(w.y2) - w.y1) / (static_cast<double>(w.x2) - w.x1);
        double yw = (w.y1 - m * w.x1) + m * px;
        if (yw > py) ++count;
    }
    return count;
}

}  // namespace qzedit
