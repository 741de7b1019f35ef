#include "format/map_file_layout.h"

namespace mapfile {

void writeWall(qz::ByteWriter& out, const Wall& w)
{
    for (int32_t v : {w.x1, w.y1, w.x2, w.y2, w.floorHtBegin, w.floorHtEnd, w.ceilHtBegin, w.ceilHtEnd, w.xo, w.yo,
                      w.txrWall, w.txrFFloor, w.txrFCeil, w.txrBFloor, w.txrBCeil, w.back, w.front})
        out.i32(v);
    out.f64(w.tStart);
    out.f64(w.tEnd);
    for (int32_t v : {w.wallFlags, w.areaNum, w.areaFirst, w.areaNext, w.spareL1, w.spareL2, w.spareL3, w.spareL4})
        out.i32(v);
    for (double v : {w.wallID, w.spareD1, w.spareD2, w.spareD3}) out.f64(v);
}

void readWall(qz::ByteReader& in, Wall& w)
{
    for (int32_t* v : {&w.x1, &w.y1, &w.x2, &w.y2, &w.floorHtBegin, &w.floorHtEnd, &w.ceilHtBegin, &w.ceilHtEnd, &w.xo,
                       &w.yo, &w.txrWall, &w.txrFFloor, &w.txrFCeil, &w.txrBFloor, &w.txrBCeil, &w.back, &w.front})
        *v = in.i32();
    w.tStart = in.f64();
    w.tEnd = in.f64();
    for (int32_t* v : {&w.wallFlags, &w.areaNum, &w.areaFirst, &w.areaNext, &w.spareL1, &w.spareL2, &w.spareL3, &w.spareL4})
        *v = in.i32();
    for (double* v : {&w.wallID, &w.spareD1, &w.spareD2, &w.spareD3}) *v = in.f64();
}

void writeViewpoint(qz::ByteWriter& out, const Viewpoint& v)
{
    out.raw(v.name.data(), 16);
    for (int32_t n : {v.x, v.y, v.z, v.spareV1}) out.i32(n);
    for (double d : {v.spareV2, v.spareV3, v.spareV4, v.spareV5}) out.f64(d);
}

void readViewpoint(qz::ByteReader& in, Viewpoint& v)
{
    in.raw(v.name.data(), 16);
    for (int32_t* n : {&v.x, &v.y, &v.z, &v.spareV1}) *n = in.i32();
    for (double* d : {&v.spareV2, &v.spareV3, &v.spareV4, &v.spareV5}) *d = in.f64();
}

void writeArea(qz::ByteWriter& out, const Area& a)
{
    for (int32_t v : {a.areaFirstWall, a.areaSqArea, a.areaFLAGS, a.areaBbTop, a.areaBbLeft, a.areaBbBottom,
                      a.areaBbRight, a.areaFloorHtBegin, a.areaFloorHtEnd, a.areaCeilHtBegin, a.areaCeilHtEnd,
                      a.spareA1, a.spareA2})
        out.i32(v);
    out.i16(a.spareA3);
    out.raw(a.areaName.data(), 16);
    out.i32(a.spareA4);
    out.f64(a.spareA5);
    out.f64(a.spareA6);
}

void readArea(qz::ByteReader& in, Area& a)
{
    for (int32_t* v : {&a.areaFirstWall, &a.areaSqArea, &a.areaFLAGS, &a.areaBbTop, &a.areaBbLeft, &a.areaBbBottom,
                       &a.areaBbRight, &a.areaFloorHtBegin, &a.areaFloorHtEnd, &a.areaCeilHtBegin, &a.areaCeilHtEnd,
                       &a.spareA1, &a.spareA2})
        *v = in.i32();
    a.spareA3 = in.i16();
    in.raw(a.areaName.data(), 16);
    a.spareA4 = in.i32();
    a.spareA5 = in.f64();
    a.spareA6 = in.f64();
}

void writeGlobal(qz::ByteWriter& out, const MapGlobals& g)
{
    out.f64(g.globalID);
    out.raw(g.globalName.data(), 16);
    for (double d : {g.globalValue, g.spareG1, g.spareG2, g.spareG3, g.spareG4}) out.f64(d);
}

void readGlobal(qz::ByteReader& in, MapGlobals& g)
{
    g.globalID = in.f64();
    in.raw(g.globalName.data(), 16);
    for (double* d : {&g.globalValue, &g.spareG1, &g.spareG2, &g.spareG3, &g.spareG4}) *d = in.f64();
}

}  // namespace mapfile
