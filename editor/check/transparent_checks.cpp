// Transparent walls: the engine draws the floor and the ceiling round one from the room behind it,
// so both sides must have the same floor and the same ceiling.
#include <map>
#include <tuple>

#include "editor/check/check_steps.h"
#include "editor/model/clsMap.h"
#include "platform/numbers.h"

namespace qzedit::check {

namespace {

struct Surface {
    int32_t height;
    int32_t flat;
    bool sky;
    bool operator==(const Surface&) const = default;
};

struct Side {
    Surface floor, ceiling;
};

Side frontOf(const Wall& w)
{
    const bool sky = (w.wallFlags & kWallSkyCeiling) != 0;
    return {{w.floorHtBegin, w.txrFFloor, false}, {w.ceilHtEnd, w.txrFCeil, sky}};
}

std::string surfaceText(const Surface& s)
{
    return "height " + qz::decimal(s.height) + (s.sky ? ", sky" : ", flat " + qz::decimal(s.flat));
}

void compare(int32_t wall, const char* what, const Surface& front, const Surface& behind, Findings& findings)
{
    if (front == behind) return;
    findings.push_back({Severity::Warning, RecordKind::Wall, wall,
                        std::string("it is transparent, and the ") + what + " behind it (" + surfaceText(behind) +
                            ") is not the " + what + " in front (" + surfaceText(front) +
                            "): the engine draws the floor and the ceiling round a transparent wall from the room "
                            "behind, so the " + what + " in front shows the one behind. Give both sides the same " +
                            what + ", or make the wall opaque."});
}

}  // namespace

void checkTransparentWalls(const clsMap& map, Findings& findings)
{
    // A solid see-through wall has no room behind in its own fields: the wall facing the other way
    // on the same line is that room's side.
    std::map<std::tuple<int32_t, int32_t, int32_t, int32_t>, int32_t> firstWithEnds;
    for (int32_t i = 0; i < map.numWalls; ++i) {
        const Wall& w = map.wallRecord(i);
        firstWithEnds.emplace(std::tuple {w.x1, w.y1, w.x2, w.y2}, i);
    }
    for (int32_t i = 0; i < map.numWalls; ++i) {
        const Wall& w = map.wallRecord(i);
        if (!(w.wallFlags & kWallTransparent)) continue;
        const Side front = frontOf(w);
        Side behind;
        if (w.floorHtEnd != w.ceilHtBegin) {
            behind = {{w.floorHtEnd, w.txrBFloor, false}, {w.ceilHtBegin, w.txrBCeil, front.ceiling.sky}};
        } else {
            auto opposite = firstWithEnds.find({w.x2, w.y2, w.x1, w.y1});
            if (opposite == firstWithEnds.end()) continue;
            behind = frontOf(map.wallRecord(opposite->second));
        }
        compare(i, "floor", front.floor, behind.floor, findings);
        compare(i, "ceiling", front.ceiling, behind.ceiling, findings);
    }
}

}  // namespace qzedit::check
