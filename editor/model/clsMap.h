#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "editor/model/outcome.h"
#include "editor/model/map_shell.h"
#include "platform/picture_surface.h"
#include "editor/model/records.h"

namespace qzedit {

using qz::PictureSurface;
using qz::rgb;

// The map being edited: tables of walls, areas, viewpoints and globals, the viewer start, the
// selection, the insertion point and the view transform. Records are read and written through the
// public buffer fields with getWall/setWall, getArea/setArea and getGlobal/setGlobal.
//
// The implementation is spread over one file per concern: tables and buffers (clsMap_tables.cpp),
// the binary file (clsMap_file.cpp), geometry (clsMap_geometry.cpp), drawing and hit tests
// (clsMap_drawing.cpp) and the compile (editor/bsp/clsMap_bsp.cpp).
class clsMap {
public:
    static constexpr int32_t kWallSlots = 2001;
    static constexpr int32_t kAreaSlots = 201;
    static constexpr int32_t kViewpointSlots = 201;
    static constexpr int32_t kGlobalSlots = 201;
    static constexpr int32_t kDrawColors = 11;

    clsMap();

    // ---- current-record buffer and map-level state ----
    int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    int32_t tx1 = 0, ty1 = 0, tx2 = 0, ty2 = 0;
    int32_t back = -1, front = -1;
    int32_t floorHtBegin = 8, floorHtEnd = 16, ceilHtBegin = 64, ceilHtEnd = 128;
    int32_t xo = 0, yo = 0;
    int32_t txrWall = 1, txrFFloor = 1, txrFCeil = 1, txrBFloor = 1, txrBCeil = 1;
    int32_t nextLineseg = -1;
    double tStart = 0.0, tEnd = 1.0;
    int32_t areaFirst = -1, areaNext = -1;
    int32_t areaNum = 0;
    int32_t wallFlags = 0;
    int32_t areaBbLeft = 0, areaBbTop = 0, areaBbRight = 0, areaBbBottom = 0;
    int32_t areaFirstWall = 0, areaFloorHtBegin = 0, areaFloorHtEnd = 0, areaCeilHtBegin = 0, areaCeilHtEnd = 0;
    int32_t areaSqArea = 0, areaFLAGS = 0;
    std::string areaName;
    double globalID = 0.0;
    std::string globalName;
    double globalValue = 0.0;
    int32_t numWalls = 0, numAreas = 0, numViewpoints = 0, numGlobals = 0;
    double vx = 200.0, vy = 200.0;
    int32_t vz = 64;
    int32_t vh = 0, vz0 = 0, vdz = 0;
    int16_t vd = 0;
    int32_t selWallNum = -1, selAreaNum = -1;
    int32_t selGlobalNum = 0;
    int16_t magX = 10, magY = 10;
    int16_t offsetX = 0, offsetY = 0;
    int32_t insertX = 100, insertY = 100;
    int16_t clickMode = 0;

    // ---- records and buffers ----
    int32_t addWall(int32_t newX1, int32_t newY1, int32_t newX2, int32_t newY2, int32_t first, int32_t next);
    int32_t startArea(int32_t firstWall, int32_t tempFlags);
    void endArea();
    void adjustAreaBB(int32_t areaIndex);
    void getWall(int32_t sourceNum);
    void setWall(int32_t destNum);
    void getArea(int32_t areaIndex);
    void setArea(int32_t areaIndex);
    void getGlobal(int32_t globalIndex);
    void setGlobal(int32_t globalIndex);
    void setPasteWall(bool ptHeight, bool ptTexture);
    void pasteWall(int32_t toWallNum, bool ptHeight, bool ptTexture);
    void clearMap();
    void initViewpoints();
    void initGlobals();

    // Walls 0 .. numWalls - 1, copied.
    std::vector<Wall> wallList() const;

    // Whole records by index, checked against the table size (error 9 outside).
    Wall& wallRecord(int32_t index);
    const Wall& wallRecord(int32_t index) const;
    Area& areaRecord(int32_t index);
    const Area& areaRecord(int32_t index) const;
    Viewpoint& viewpointRecord(int32_t index);
    const Viewpoint& viewpointRecord(int32_t index) const;
    MapGlobals& globalRecord(int32_t index);
    const MapGlobals& globalRecord(int32_t index) const;
    int32_t drawColor(int32_t index) const;
    // The paste buffer new walls take their heights and textures from; a generator may set one
    // field of it alone.
    Wall& pasteRecord() { return pasteBuffer_; }

    // Calls fn(wallIndex) for each wall of the chain starting at first, through areaNext to -1.
    // The walk is bounded by the table size, so a cyclic chain read from a file ends; an index
    // outside the table raises error 9.
    template <typename Fn>
    void forEachChainWall(int32_t first, Fn fn) const
    {
        int32_t w = first;
        for (int32_t steps = 0; w != -1 && steps < kWallSlots; ++steps) {
            const Wall& wall = wallRecord(w);
            fn(w);
            w = wall.areaNext;
        }
    }

    // ---- binary map file ----
    Outcome WriteNewMPB(const std::string& fileName, bool compileFlag);
    Outcome ReadNewMPB(const std::string& fileName);

    // ---- geometry editing ----
    void splitWall(int32_t toBeSplit, int16_t numSplits);
    void dupWallListSeg(int32_t sourceNum, int32_t destNum);
    int16_t makePassage(int32_t toBeSplit, int32_t toBeSplit2, bool splitFlag, double startHeight, double endHeight);
    void moveArea(int32_t areaIndex, float deltaX, float deltaY);
    void scaleArea(int32_t areaIndex, float deltaX, float deltaY);
    int32_t RotX(int32_t tx, int32_t ty, float angle) const;
    int32_t RotY(int32_t tx, int32_t ty, float angle) const;
    void TransformPts(float cangle, int32_t ox, int32_t oy);
    void addPolyCol(int16_t numSides, int16_t ox, int16_t oy, int16_t sideLen);
    void addPolySurround(int16_t numSides, int16_t ox, int16_t oy, int16_t sideLen);
    void testPtinPoly();
    int32_t pointInArea(int32_t firstWall, int32_t lastWall, int32_t px, int32_t py) const;

    // ---- drawing, view transform and hit tests ----
    void drawMap(PictureSurface& surface);
    void drawInsertion(PictureSurface& surface);
    void setInsertion(float x, float y);
    void clickInsert(PictureSurface& surface, float x, float y);
    void clickWall(PictureSurface& surface, float x, float y, bool shift);
    void flashWall(PictureSurface& surface, int32_t n);
    void flashSideDef(PictureSurface& surface, int32_t fx1, int32_t fy1, int32_t fx2, int32_t fy2);
    float scaleDrawX(float x) const;
    float scaleDrawY(float y) const;
    float scaleClickX(float sx) const;
    void calcOffset(double offXPerc, double offYPerc);
    // The project tree: the areas, each with the walls of its chain; the walls of no area; the
    // viewpoints and the globals.
    void listLines();

    // ---- BSP compile (compiled wall list) ----
    // The compiled list of the last successful createBSP: numTreeSegs records, root first; treeRoot
    // is the index the root was built at. A map needing more records than the list holds is
    // refused with the message to show, and the list is left empty.
    int32_t numTreeSegs = 0;
    int32_t treeRoot = 0;
    Outcome createBSP();
    void polishNextSeg();
    BspNode& treeSeg(int32_t index);
    const BspNode& treeSeg(int32_t index) const;

    // ---- the windows the map talks to ----
    void setShell(MapShell* shell);
    MapShell& shell() const { return *shell_; }

private:
    std::vector<Wall> walls_;
    std::vector<Area> areas_;
    std::vector<Viewpoint> viewpoints_;
    std::vector<MapGlobals> globals_;
    std::vector<BspNode> treeSegs_;
    std::array<int32_t, kDrawColors> drawColors_ {};
    Wall pasteBuffer_;
    int32_t tempAreaNum_ = 0;
    bool firstInsertionDraw_ = true;
    MapShell* shell_;
};

}  // namespace qzedit
