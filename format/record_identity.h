#pragma once
#include <bit>
#include <cstdint>

#include "format/map_records.h"

// Whether two records hold the same bits in every field (so 0.0 and -0.0, or two NaNs with other
// payloads, differ), whatever the padding between the fields holds.
namespace mapfile {

namespace detail {

inline bool same(double a, double b) { return std::bit_cast<uint64_t>(a) == std::bit_cast<uint64_t>(b); }
inline bool same(int32_t a, int32_t b) { return a == b; }
inline bool same(int16_t a, int16_t b) { return a == b; }
inline bool same(const FixedText16& a, const FixedText16& b) { return a == b; }

template <typename Record, typename... Fields>
bool sameFields(const Record& a, const Record& b, Fields... fields)
{
    return (same(a.*fields, b.*fields) && ...);
}

}  // namespace detail

inline bool identical(const Wall& a, const Wall& b)
{
    using W = Wall;
    return detail::sameFields(a, b, &W::x1, &W::y1, &W::x2, &W::y2, &W::back, &W::front, &W::floorHtBegin,
                              &W::floorHtEnd, &W::ceilHtBegin, &W::ceilHtEnd, &W::xo, &W::yo, &W::txrWall,
                              &W::txrFFloor, &W::txrFCeil, &W::txrBFloor, &W::txrBCeil, &W::length, &W::nextLineseg,
                              &W::tStart, &W::tEnd, &W::areaFirst, &W::areaNext, &W::areaNum, &W::wallFlags,
                              &W::spareL1, &W::spareL2, &W::spareL3, &W::spareL4, &W::wallID, &W::spareD1,
                              &W::spareD2, &W::spareD3);
}

inline bool identical(const Area& a, const Area& b)
{
    using A = Area;
    return detail::sameFields(a, b, &A::areaFirstWall, &A::areaSqArea, &A::areaFLAGS, &A::areaBbTop, &A::areaBbLeft,
                              &A::areaBbBottom, &A::areaBbRight, &A::areaFloorHtBegin, &A::areaFloorHtEnd,
                              &A::areaCeilHtBegin, &A::areaCeilHtEnd, &A::spareA1, &A::spareA2, &A::spareA3,
                              &A::areaName, &A::spareA4, &A::spareA5, &A::spareA6);
}

inline bool identical(const Viewpoint& a, const Viewpoint& b)
{
    using V = Viewpoint;
    return detail::sameFields(a, b, &V::name, &V::x, &V::y, &V::z, &V::spareV1, &V::spareV2, &V::spareV3, &V::spareV4,
                              &V::spareV5);
}

inline bool identical(const MapGlobals& a, const MapGlobals& b)
{
    using G = MapGlobals;
    return detail::sameFields(a, b, &G::globalID, &G::globalName, &G::globalValue, &G::spareG1, &G::spareG2,
                              &G::spareG3, &G::spareG4);
}

}  // namespace mapfile
