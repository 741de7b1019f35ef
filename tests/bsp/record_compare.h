#pragma once
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <cstdio>
#include <string>

#include "editor/model/records.h"

namespace bsptest {

// Every field of two wall records, doubles bit for bit; the first difference is named.
inline ::testing::AssertionResult sameRecord(const mapfile::Wall& actual, const mapfile::Wall& expected)
{
    std::string diff;
    auto text = [](auto v) {
        char buffer[32];
        if constexpr (std::is_same_v<decltype(v), double>) std::snprintf(buffer, sizeof buffer, "%.17g", v);
        else std::snprintf(buffer, sizeof buffer, "%d", static_cast<int>(v));
        return std::string(buffer);
    };
    auto field = [&](const char* name, auto a, auto e) {
        if (!diff.empty()) return;
        bool same;
        if constexpr (std::is_same_v<decltype(a), double>) same = std::bit_cast<uint64_t>(a) == std::bit_cast<uint64_t>(e);
        else same = a == e;
        if (!same) diff = std::string(name) + " is " + text(a) + ", expected " + text(e);
    };
    field("x1", actual.x1, expected.x1);
    field("y1", actual.y1, expected.y1);
    field("x2", actual.x2, expected.x2);
    field("y2", actual.y2, expected.y2);
    field("back", actual.back, expected.back);
    field("front", actual.front, expected.front);
    field("floorHtBegin", actual.floorHtBegin, expected.floorHtBegin);
    field("floorHtEnd", actual.floorHtEnd, expected.floorHtEnd);
    field("ceilHtBegin", actual.ceilHtBegin, expected.ceilHtBegin);
    field("ceilHtEnd", actual.ceilHtEnd, expected.ceilHtEnd);
    field("xo", actual.xo, expected.xo);
    field("yo", actual.yo, expected.yo);
    field("txrWall", actual.txrWall, expected.txrWall);
    field("txrFFloor", actual.txrFFloor, expected.txrFFloor);
    field("txrFCeil", actual.txrFCeil, expected.txrFCeil);
    field("txrBFloor", actual.txrBFloor, expected.txrBFloor);
    field("txrBCeil", actual.txrBCeil, expected.txrBCeil);
    field("length", actual.length, expected.length);
    field("nextLineseg", actual.nextLineseg, expected.nextLineseg);
    field("tStart", actual.tStart, expected.tStart);
    field("tEnd", actual.tEnd, expected.tEnd);
    field("areaFirst", actual.areaFirst, expected.areaFirst);
    field("areaNext", actual.areaNext, expected.areaNext);
    field("areaNum", actual.areaNum, expected.areaNum);
    field("wallFlags", actual.wallFlags, expected.wallFlags);
    field("spareL1", actual.spareL1, expected.spareL1);
    field("spareL2", actual.spareL2, expected.spareL2);
    field("spareL3", actual.spareL3, expected.spareL3);
    field("spareL4", actual.spareL4, expected.spareL4);
    field("wallID", actual.wallID, expected.wallID);
    field("spareD1", actual.spareD1, expected.spareD1);
    field("spareD2", actual.spareD2, expected.spareD2);
    field("spareD3", actual.spareD3, expected.spareD3);
    if (diff.empty()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << diff;
}

}  // namespace bsptest
