#include "editor/import/map_filling.h"

namespace qzedit {

namespace wad {

namespace {

constexpr double kMaxStepHeightId = 12004;
constexpr double kGravityId = 12005;
constexpr double kDoomStepHeight = 24;

void setGlobal(clsMap& map, double id, double value)
{
    for (int32_t g = 0; g < map.numGlobals; ++g)
        if (map.globalRecord(g).globalID == id) map.globalRecord(g).globalValue = value;
}

void copyWallFields(const mapfile::Wall& from, Wall& to)
{
    to.floorHtBegin = from.floorHtBegin;
    to.floorHtEnd = from.floorHtEnd;
    to.ceilHtBegin = from.ceilHtBegin;
    to.ceilHtEnd = from.ceilHtEnd;
    to.xo = from.xo;
    to.yo = from.yo;
    to.txrWall = from.txrWall;
    to.txrFFloor = from.txrFFloor;
    to.txrFCeil = from.txrFCeil;
    to.txrBFloor = from.txrBFloor;
    to.txrBCeil = from.txrBCeil;
    to.wallFlags = from.wallFlags;
    to.back = to.front = -1;
}

}  // namespace

void fillMap(const ImportedMap& imported, clsMap& map)
{
    const ConvertedMap& converted = imported.converted;
    map.clearMap();
    map.selAreaNum = -1;
    for (const mapfile::Area& area : converted.areas) {
        map.areaName = area.areaName.str();
        const int32_t index = map.startArea(map.numWalls, 0) - 1;
        for (int32_t w = area.areaFirstWall; w != -1; w = converted.walls[static_cast<size_t>(w)].areaNext) {
            const mapfile::Wall& wall = converted.walls[static_cast<size_t>(w)];
            const int32_t n = map.addWall(wall.x1, wall.y1, wall.x2, wall.y2, area.areaFirstWall, wall.areaNext);
            copyWallFields(wall, map.wallRecord(n));
        }
        map.endArea();
        Area& record = map.areaRecord(index);
        record.areaFloorHtBegin = area.areaFloorHtBegin;
        record.areaFloorHtEnd = area.areaFloorHtEnd;
        record.areaCeilHtBegin = area.areaCeilHtBegin;
        record.areaCeilHtEnd = area.areaCeilHtEnd;
    }
    map.areaName.clear();

    const ViewerPlacement& viewer = imported.viewer;
    map.vx = viewer.x;
    map.vy = viewer.y;
    map.vz = map.vz0 = viewer.z;
    map.vd = viewer.angle;
    map.vh = map.vdz = 0;
    map.insertX = static_cast<int32_t>(viewer.x);
    map.insertY = static_cast<int32_t>(viewer.y);
    Viewpoint& start = map.viewpointRecord(0);
    start = Viewpoint {};
    start.name.assign("Player 1 start");
    start.x = map.insertX;
    start.y = map.insertY;
    start.z = viewer.z;
    map.numViewpoints = 1;
    setGlobal(map, kMaxStepHeightId, kDoomStepHeight);
    setGlobal(map, kGravityId, 1);
}

}  // namespace wad

}  // namespace qzedit
