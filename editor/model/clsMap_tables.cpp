#include "editor/model/clsMap.h"

#include "platform/numbers.h"
#include "platform/random.h"
#include "platform/run_error.h"

namespace qzedit {

namespace {

MapShell& silentShell()
{
    static MapShell shell;
    return shell;
}

// An identity unlikely to repeat: two successive random numbers, the first held as a Single.
double newIdentity()
{
    float r1 = qz::rnd();
    float r2 = qz::rnd();
    return static_cast<double>(r2) * 1000000.0 + static_cast<double>(r1);
}

}  // namespace

clsMap::clsMap()
    : walls_(kWallSlots),
      areas_(kAreaSlots),
      viewpoints_(kViewpointSlots),
      globals_(kGlobalSlots),
      treeSegs_(kWallSlots),
      shell_(&silentShell())
{
    drawColors_[0] = rgb(255, 0, 0);
    drawColors_[1] = rgb(0, 255, 0);
    drawColors_[2] = rgb(0, 0, 255);
    drawColors_[3] = rgb(120, 120, 0);
    for (int i = 4; i < kDrawColors; ++i) {
        int green = qz::toLong(qz::rnd() * 255.0);
        int blue = qz::toLong(qz::rnd() * 255.0);
        drawColors_[static_cast<size_t>(i)] = rgb(0, green, blue);
    }
    pasteBuffer_.floorHtBegin = 8;
    pasteBuffer_.floorHtEnd = 16;
    pasteBuffer_.ceilHtBegin = 64;
    pasteBuffer_.ceilHtEnd = 128;
    pasteBuffer_.txrWall = pasteBuffer_.txrFFloor = pasteBuffer_.txrFCeil = 1;
    pasteBuffer_.txrBFloor = pasteBuffer_.txrBCeil = 1;
    initGlobals();
    initViewpoints();
    selWallNum = -1;
    selAreaNum = -1;
}

Wall& clsMap::wallRecord(int32_t index)
{
    qz::checkIndex(index, kWallSlots);
    return walls_[static_cast<size_t>(index)];
}

const Wall& clsMap::wallRecord(int32_t index) const
{
    qz::checkIndex(index, kWallSlots);
    return walls_[static_cast<size_t>(index)];
}

Area& clsMap::areaRecord(int32_t index)
{
    qz::checkIndex(index, kAreaSlots);
    return areas_[static_cast<size_t>(index)];
}

const Area& clsMap::areaRecord(int32_t index) const
{
    qz::checkIndex(index, kAreaSlots);
    return areas_[static_cast<size_t>(index)];
}

Viewpoint& clsMap::viewpointRecord(int32_t index)
{
    qz::checkIndex(index, kViewpointSlots);
    return viewpoints_[static_cast<size_t>(index)];
}

const Viewpoint& clsMap::viewpointRecord(int32_t index) const
{
    qz::checkIndex(index, kViewpointSlots);
    return viewpoints_[static_cast<size_t>(index)];
}

MapGlobals& clsMap::globalRecord(int32_t index)
{
    qz::checkIndex(index, kGlobalSlots);
    return globals_[static_cast<size_t>(index)];
}

const MapGlobals& clsMap::globalRecord(int32_t index) const
{
    qz::checkIndex(index, kGlobalSlots);
    return globals_[static_cast<size_t>(index)];
}

std::vector<Wall> clsMap::wallList() const
{
    if (numWalls < 0 || numWalls > kWallSlots) qz::raiseSubscript();
    return std::vector<Wall>(walls_.begin(), walls_.begin() + numWalls);
}

BspNode& clsMap::treeSeg(int32_t index)
{
    qz::checkIndex(index, kWallSlots);
    return treeSegs_[static_cast<size_t>(index)];
}

const BspNode& clsMap::treeSeg(int32_t index) const
{
    qz::checkIndex(index, kWallSlots);
    return treeSegs_[static_cast<size_t>(index)];
}

int32_t clsMap::drawColor(int32_t index) const
{
    qz::checkIndex(index, kDrawColors);
    return drawColors_[static_cast<size_t>(index)];
}

void clsMap::setShell(MapShell* shell) { shell_ = shell ? shell : &silentShell(); }

int32_t clsMap::addWall(int32_t newX1, int32_t newY1, int32_t newX2, int32_t newY2, int32_t first, int32_t next)
{
    int32_t n = numWalls;
    Wall& wall = wallRecord(n);
    wall.x1 = newX1;
    wall.y1 = newY1;
    wall.x2 = newX2;
    wall.y2 = newY2;
    wall.tStart = 0.0;
    wall.tEnd = 1.0;
    pasteWall(n, true, true);
    wall.xo = 0;
    wall.yo = 0;
    wall.wallFlags = wallFlags;
    wall.areaNum = tempAreaNum_;
    wall.areaFirst = first;
    wall.areaNext = next;
    wall.wallID = newIdentity();
    numWalls = n + 1;
    return n;
}

int32_t clsMap::startArea(int32_t firstWall, int32_t tempFlags)
{
    int32_t a = numAreas;
    Area& area = areaRecord(a);
    area.areaFirstWall = firstWall;
    area.areaFloorHtBegin = pasteBuffer_.floorHtBegin;
    area.areaFloorHtEnd = pasteBuffer_.floorHtEnd;
    area.areaCeilHtBegin = pasteBuffer_.ceilHtBegin;
    area.areaCeilHtEnd = pasteBuffer_.ceilHtEnd;
    area.areaFLAGS = tempFlags;
    area.areaName.assign(areaName.empty() ? "Area" + qz::decimal(a) : areaName);
    tempAreaNum_ = a;
    numAreas = a + 1;
    return numAreas;
}

void clsMap::endArea() { adjustAreaBB(tempAreaNum_); }

void clsMap::adjustAreaBB(int32_t areaIndex)
{
    Area& area = areaRecord(areaIndex);
    int32_t minX = 32000, minY = 32000, maxX = -32000, maxY = -32000;
    forEachChainWall(area.areaFirstWall, [&](int32_t w) {
        const Wall& wall = walls_[static_cast<size_t>(w)];
        for (int32_t x : {wall.x1, wall.x2}) {
            if (x < minX) minX = x;
            if (x > maxX) maxX = x;
        }
        for (int32_t y : {wall.y1, wall.y2}) {
            if (y < minY) minY = y;
            if (y > maxY) maxY = y;
        }
    });
    area.areaBbLeft = minX;
    area.areaBbRight = maxX;
    area.areaBbTop = minY;
    area.areaBbBottom = maxY;
    area.areaSqArea = qz::mulLong(qz::subLong(maxX, minX), qz::subLong(maxY, minY));
}

void clsMap::getWall(int32_t sourceNum)
{
    const Wall& w = wallRecord(sourceNum);
    x1 = w.x1;
    y1 = w.y1;
    x2 = w.x2;
    y2 = w.y2;
    floorHtBegin = w.floorHtBegin;
    floorHtEnd = w.floorHtEnd;
    ceilHtBegin = w.ceilHtBegin;
    ceilHtEnd = w.ceilHtEnd;
    xo = w.xo;
    yo = w.yo;
    txrWall = w.txrWall;
    txrFFloor = w.txrFFloor;
    txrFCeil = w.txrFCeil;
    txrBFloor = w.txrBFloor;
    txrBCeil = w.txrBCeil;
    back = w.back;
    front = w.front;
    wallFlags = w.wallFlags;
}

void clsMap::setWall(int32_t destNum)
{
    Wall& w = wallRecord(destNum);
    w.x1 = x1;
    w.y1 = y1;
    w.x2 = x2;
    w.y2 = y2;
    w.floorHtBegin = floorHtBegin;
    w.floorHtEnd = floorHtEnd;
    w.ceilHtBegin = ceilHtBegin;
    w.ceilHtEnd = ceilHtEnd;
    w.xo = xo;
    w.yo = yo;
    w.txrWall = txrWall;
    w.txrFFloor = txrFFloor;
    w.txrFCeil = txrFCeil;
    w.txrBFloor = txrBFloor;
    w.txrBCeil = txrBCeil;
    w.back = back;
    w.front = front;
    w.wallFlags = wallFlags;
}

void clsMap::getArea(int32_t areaIndex)
{
    const Area& a = areaRecord(areaIndex);
    areaFirstWall = a.areaFirstWall;
    areaFloorHtBegin = a.areaFloorHtBegin;
    areaFloorHtEnd = a.areaFloorHtEnd;
    areaCeilHtBegin = a.areaCeilHtBegin;
    areaCeilHtEnd = a.areaCeilHtEnd;
    areaName = a.areaName.str();
    areaBbLeft = a.areaBbLeft;
    areaBbTop = a.areaBbTop;
    areaBbRight = a.areaBbRight;
    areaBbBottom = a.areaBbBottom;
    areaSqArea = a.areaSqArea;
    areaFLAGS = a.areaFLAGS;
}

void clsMap::setArea(int32_t areaIndex)
{
    Area& a = areaRecord(areaIndex);
    a.areaFirstWall = areaFirstWall;
    a.areaFloorHtBegin = areaFloorHtBegin;
    a.areaFloorHtEnd = areaFloorHtEnd;
    a.areaCeilHtBegin = areaCeilHtBegin;
    a.areaCeilHtEnd = areaCeilHtEnd;
    a.areaName.assign(areaName);
    a.areaSqArea = areaSqArea;
    a.areaFLAGS = areaFLAGS;
}

void clsMap::getGlobal(int32_t globalIndex)
{
    const MapGlobals& g = globalRecord(globalIndex);
    globalID = g.globalID;
    globalName = g.globalName.str();
    globalValue = g.globalValue;
}

void clsMap::setGlobal(int32_t globalIndex)
{
    MapGlobals& g = globalRecord(globalIndex);
    g.globalName.assign(globalName);
    g.globalValue = globalValue;
}

void clsMap::setPasteWall(bool ptHeight, bool ptTexture)
{
    if (ptHeight) {
        pasteBuffer_.floorHtBegin = floorHtBegin;
        pasteBuffer_.floorHtEnd = floorHtEnd;
        pasteBuffer_.ceilHtBegin = ceilHtBegin;
        pasteBuffer_.ceilHtEnd = ceilHtEnd;
    }
    if (ptTexture) {
        pasteBuffer_.txrWall = txrWall;
        pasteBuffer_.txrFFloor = txrFFloor;
        pasteBuffer_.txrFCeil = txrFCeil;
        pasteBuffer_.txrBFloor = txrBFloor;
        pasteBuffer_.txrBCeil = txrBCeil;
    }
}

void clsMap::pasteWall(int32_t toWallNum, bool ptHeight, bool ptTexture)
{
    Wall& w = wallRecord(toWallNum);
    if (ptHeight) {
        w.floorHtBegin = pasteBuffer_.floorHtBegin;
        w.floorHtEnd = pasteBuffer_.floorHtEnd;
        w.ceilHtBegin = pasteBuffer_.ceilHtBegin;
        w.ceilHtEnd = pasteBuffer_.ceilHtEnd;
    }
    if (ptTexture) {
        w.txrWall = pasteBuffer_.txrWall;
        w.txrFFloor = pasteBuffer_.txrFFloor;
        w.txrFCeil = pasteBuffer_.txrFCeil;
        w.txrBFloor = pasteBuffer_.txrBFloor;
        w.txrBCeil = pasteBuffer_.txrBCeil;
    }
}

void clsMap::clearMap()
{
    shell_->deselectSideDef();
    selWallNum = -1;
    numWalls = numAreas = numGlobals = numViewpoints = 0;
    initGlobals();
}

void clsMap::initViewpoints()
{
    numViewpoints = 0;
    Viewpoint& start = viewpoints_[0];
    start.name.assign("Initial position");
    start.x = insertX;
    start.y = insertY;
    start.z = 8;
    numViewpoints = 1;
}

void clsMap::initGlobals()
{
    struct Default {
        double id;
        const char* name;
        double value;
    };
    numGlobals = 0;
    qz::randomize();
    const Default defaults[] = {
        {12000, "MapID", newIdentity()}, {12001, "Floor Height", 8},     {12002, "Ceil Height", 264},
        {12003, "Overide CeilFloor", 0}, {12004, "Max Step Height", 25}, {12005, "Gravity", 1},
    };
    for (const Default& d : defaults) {
        MapGlobals& g = globals_[static_cast<size_t>(numGlobals++)];
        g.globalID = d.id;
        g.globalName.assign(d.name);
        g.globalValue = d.value;
    }
}

}  // namespace qzedit
