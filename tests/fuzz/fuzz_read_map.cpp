// Reads arbitrary bytes as a binary map file. A refused file must leave the map exactly as it
// was; an accepted one must give counts inside the tables and read back the same after a save.
#include <stdlib.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "editor/model/clsMap.h"
#include "platform/message_box.h"
#include "platform/random.h"

using namespace qzedit;

namespace {

[[noreturn]] void fail(const char* what)
{
    std::fprintf(stderr, "fuzz_read_map: %s\n", what);
    std::abort();
}

// In memory where the system has it: saves sync their files, which on a disk costs more than the
// whole read.
const std::string& scratchFolder()
{
    static const std::string folder = [] {
        std::string name = (access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp") + std::string("/fuzz_read_map.XXXXXX");
        if (!mkdtemp(name.data())) fail("cannot make a scratch folder");
        return name;
    }();
    return folder;
}

void writeFile(const std::string& path, const uint8_t* data, size_t size)
{
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) fail("cannot write the input file");
    if (size > 0 && std::fwrite(data, 1, size, f) != size) fail("short write");
    std::fclose(f);
}

// Fields compare by their bytes: a NaN read from a file equals itself.
template <typename T>
bool sameBits(const T& a, const T& b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

bool sameBits(const FixedText16& a, const FixedText16& b) { return a == b; }

template <typename Record, typename... Types>
bool sameMembers(const Record& a, const Record& b, Types Record::*... members)
{
    return (sameBits(a.*members, b.*members) && ...);
}

bool sameRecord(const Wall& a, const Wall& b)
{
    return sameMembers(a, b, &Wall::x1, &Wall::y1, &Wall::x2, &Wall::y2, &Wall::back, &Wall::front, &Wall::floorHtBegin,
                       &Wall::floorHtEnd, &Wall::ceilHtBegin, &Wall::ceilHtEnd, &Wall::xo, &Wall::yo, &Wall::txrWall,
                       &Wall::txrFFloor, &Wall::txrFCeil, &Wall::txrBFloor, &Wall::txrBCeil, &Wall::length,
                       &Wall::nextLineseg, &Wall::tStart, &Wall::tEnd, &Wall::areaFirst, &Wall::areaNext,
                       &Wall::areaNum, &Wall::wallFlags, &Wall::spareL1, &Wall::spareL2, &Wall::spareL3,
                       &Wall::spareL4, &Wall::wallID, &Wall::spareD1, &Wall::spareD2, &Wall::spareD3);
}

bool sameRecord(const Area& a, const Area& b)
{
    return sameMembers(a, b, &Area::areaFirstWall, &Area::areaSqArea, &Area::areaFLAGS, &Area::areaBbTop,
                       &Area::areaBbLeft, &Area::areaBbBottom, &Area::areaBbRight, &Area::areaFloorHtBegin,
                       &Area::areaFloorHtEnd, &Area::areaCeilHtBegin, &Area::areaCeilHtEnd, &Area::spareA1,
                       &Area::spareA2, &Area::spareA3, &Area::areaName, &Area::spareA4, &Area::spareA5,
                       &Area::spareA6);
}

bool sameRecord(const MapGlobals& a, const MapGlobals& b)
{
    return sameMembers(a, b, &MapGlobals::globalID, &MapGlobals::globalName, &MapGlobals::globalValue,
                       &MapGlobals::spareG1, &MapGlobals::spareG2, &MapGlobals::spareG3, &MapGlobals::spareG4);
}

bool sameRecord(const Viewpoint& a, const Viewpoint& b)
{
    return sameMembers(a, b, &Viewpoint::name, &Viewpoint::x, &Viewpoint::y, &Viewpoint::z, &Viewpoint::spareV1,
                       &Viewpoint::spareV2, &Viewpoint::spareV3, &Viewpoint::spareV4, &Viewpoint::spareV5);
}

// Whether two maps hold the same records and what a read touches. With wholeTables every slot
// counts, otherwise only the valid records.
bool sameMap(const clsMap& a, const clsMap& b, bool wholeTables)
{
    if (a.numWalls != b.numWalls || a.numAreas != b.numAreas || a.numGlobals != b.numGlobals ||
        a.numViewpoints != b.numViewpoints || a.vz != b.vz || a.vd != b.vd)
        return false;
    if (!sameBits(a.vx, b.vx) || !sameBits(a.vy, b.vy)) return false;
    if (wholeTables && (a.vz0 != b.vz0 || a.vh != b.vh || a.vdz != b.vdz)) return false;
    const int32_t walls = wholeTables ? clsMap::kWallSlots : a.numWalls;
    const int32_t areas = wholeTables ? clsMap::kAreaSlots : a.numAreas;
    const int32_t globals = wholeTables ? clsMap::kGlobalSlots : a.numGlobals;
    for (int32_t i = 0; i < walls; ++i)
        if (!sameRecord(a.wallRecord(i), b.wallRecord(i))) return false;
    for (int32_t i = 0; i < areas; ++i)
        if (!sameRecord(a.areaRecord(i), b.areaRecord(i))) return false;
    for (int32_t i = 0; i < globals; ++i)
        if (!sameRecord(a.globalRecord(i), b.globalRecord(i))) return false;
    const int32_t viewpoints = wholeTables ? clsMap::kViewpointSlots : a.numViewpoints;
    for (int32_t i = 0; i < viewpoints; ++i)
        if (!sameRecord(a.viewpointRecord(i), b.viewpointRecord(i))) return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    qz::setMessageSink([](const std::string&, const std::string&, int) { return qz::kMsgResultOk; });
    qz::setFixedRandomSeed(1);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string input = scratchFolder() + "/input.mpb";
    const std::string saved = scratchFolder() + "/saved.mpb";
    writeFile(input, data, size);

    // The maps live across runs and start each run as copies of one fresh map: allocating the
    // tables anew for every run costs more than the read itself.
    static const clsMap fresh;
    static clsMap map;
    static clsMap again;
    map = fresh;
    if (!map.ReadNewMPB(input)) {
        if (!sameMap(map, fresh, true)) fail("a refused file changed the map");
        return 0;
    }
    if (map.numWalls < 0 || map.numWalls > clsMap::kWallSlots) fail("wall count outside the table");
    if (map.numAreas < 0 || map.numAreas > clsMap::kAreaSlots) fail("area count outside the table");
    if (map.numGlobals < 0 || map.numGlobals > clsMap::kGlobalSlots) fail("globals count outside the table");
    if (map.numViewpoints < 0 || map.numViewpoints > clsMap::kViewpointSlots) fail("viewpoint count outside the table");

    if (!map.WriteNewMPB(saved, false)) fail("an accepted map cannot be saved");
    again = fresh;
    if (!again.ReadNewMPB(saved)) fail("a saved map cannot be read");
    if (!sameMap(again, map, false)) fail("a saved map reads back differently");
    return 0;
}
