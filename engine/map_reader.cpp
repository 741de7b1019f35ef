#include "engine/map_reader.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "engine/saturating.h"
#include "platform/bytes.h"
#include "platform/numbers.h"

namespace engine {

namespace {

constexpr size_t kFileHeaderBytes = 64;
constexpr size_t kDirectoryEntryBytes = 64;
constexpr size_t kWallHeadBytes = 26;
constexpr size_t kWallRecordBytes = 148;
constexpr size_t kViewpointBytes = 64;
constexpr size_t kAreaBytes = 90;
constexpr size_t kGlobalBytes = 64;

enum BlockType : int32_t { kWalls = 1, kViewpoints = 2, kAreas = 3, kGlobals = 4, kCompiledWalls = 8 };

std::string text(long long n) { return qz::decimal(n); }

Node readNode(qz::ByteReader& in)
{
    Node n;
    n.x1 = in.i32();
    n.y1 = in.i32();
    n.x2 = in.i32();
    n.y2 = in.i32();
    n.floorHtBegin = in.i32();
    n.floorHtEnd = in.i32();
    n.ceilHtBegin = in.i32();
    n.ceilHtEnd = in.i32();
    n.xo = in.i32();
    n.yo = in.i32();
    n.txrWall = in.i32();
    n.txrFFloor = in.i32();
    n.txrFCeil = in.i32();
    n.txrBFloor = in.i32();
    n.txrBCeil = in.i32();
    n.back = in.i32();
    n.front = in.i32();
    in.f64();  // tStart: the engine draws the piece by its end points
    in.f64();  // tEnd
    n.wallFlags = in.i32();
    n.areaNum = in.i32();
    n.areaFirst = in.i32();
    n.areaNext = in.i32();
    for (int32_t& spare : n.spareL) spare = in.i32();
    n.wallID = in.f64();
    for (double& spare : n.spareD) spare = in.f64();
    double dx = static_cast<double>(n.x2) - n.x1, dy = static_cast<double>(n.y2) - n.y1;
    n.length = saturatingLong(std::sqrt(dx * dx + dy * dy));
    return n;
}

Viewpoint readViewpoint(qz::ByteReader& in)
{
    Viewpoint v;
    in.raw(v.name, sizeof v.name);
    v.x = in.i32();
    v.y = in.i32();
    v.z = in.i32();
    v.spareV1 = in.i32();
    for (double& spare : v.spareV) spare = in.f64();
    return v;
}

Area readArea(qz::ByteReader& in)
{
    Area a;
    a.areaFirstWall = in.i32();
    a.areaSqArea = in.i32();
    a.areaFLAGS = in.i32();
    a.areaBbTop = in.i32();
    a.areaBbLeft = in.i32();
    a.areaBbBottom = in.i32();
    a.areaBbRight = in.i32();
    a.areaFloorHtBegin = in.i32();
    a.areaFloorHtEnd = in.i32();
    a.areaCeilHtBegin = in.i32();
    a.areaCeilHtEnd = in.i32();
    a.spareA1 = in.i32();
    a.spareA2 = in.i32();
    a.spareA3 = in.i16();
    in.raw(a.areaName, sizeof a.areaName);
    a.spareA4 = in.i32();
    a.spareA5 = in.f64();
    a.spareA6 = in.f64();
    return a;
}

GlobalValue readGlobal(qz::ByteReader& in)
{
    GlobalValue g;
    g.globalID = in.f64();
    in.raw(g.globalName, sizeof g.globalName);
    g.globalValue = in.f64();
    for (double& spare : g.spareG) spare = in.f64();
    return g;
}

class MapParser {
public:
    explicit MapParser(const std::vector<uint8_t>& bytes) : bytes_(bytes), in_(bytes) {}

    MapReadResult parse()
    {
        MapReadResult result;
        if (bytes_.size() < kFileHeaderBytes) return refuse("the file header is shorter than 64 bytes");
        in_.seek(8);
        auto entryCount = static_cast<int16_t>(static_cast<uint32_t>(in_.i32()) & 0xFFFF);
        int64_t directoryOffset = int64_t(in_.i32()) - 1;
        for (int32_t entry = 1; entry <= entryCount; ++entry, directoryOffset += kDirectoryEntryBytes) {
            if (!fits(directoryOffset, kDirectoryEntryBytes))
                return refuse("directory entry " + text(entry) + " lies outside the file");
            in_.seek(directoryOffset);
            int32_t type = in_.i32();
            int64_t blockOffset = int64_t(in_.i32()) - 1;
            std::string fault = readBlock(type, blockOffset, entry, result.contents);
            if (!fault.empty()) return refuse(fault);
        }
        if (result.contents.walls) {
            std::string fault = treeFault(result.contents.walls->nodes);
            if (!fault.empty()) return refuse(fault);
        }
        return result;
    }

private:
    static MapReadResult refuse(std::string fault) { return {MapContents {}, std::move(fault)}; }

    bool fits(int64_t offset, int64_t count) const
    {
        return offset >= 0 && count >= 0 && offset <= static_cast<int64_t>(bytes_.size()) &&
               count <= static_cast<int64_t>(bytes_.size()) - offset;
    }

    // Reads the count at blockOffset + headBytes - 4 and positions the reader at the first record.
    std::string checkRecords(const std::string& block, int64_t blockOffset, size_t headBytes, size_t recordBytes,
                             int32_t limit, int32_t& count)
    {
        if (!fits(blockOffset, static_cast<int64_t>(headBytes))) return "the " + block + " lies outside the file";
        in_.seek(blockOffset);
        count = in_.i32();
        if (count < 0 || count > limit)
            return "the " + block + " holds " + text(count) + " records, outside 0.." + text(limit);
        int64_t first = blockOffset + static_cast<int64_t>(headBytes);
        for (int32_t k = 0; k < count; ++k) {
            if (!fits(first + int64_t(k) * static_cast<int64_t>(recordBytes), static_cast<int64_t>(recordBytes)))
                return "record " + text(k) + " of the " + block + " lies outside the file";
        }
        return {};
    }

    std::string readBlock(int32_t type, int64_t blockOffset, int32_t entry, MapContents& contents)
    {
        std::string where = " (directory entry " + text(entry) + ")";
        int32_t count = 0;
        std::string fault;
        switch (type) {
        case kWalls:
        case kCompiledWalls: {
            fault = checkRecords("wall block" + where, blockOffset, kWallHeadBytes, kWallRecordBytes, kMaxNodes, count);
            if (!fault.empty()) return fault;
            WallBlock walls;
            walls.vx = in_.f64();
            walls.vy = in_.f64();
            walls.vz = in_.i32();
            walls.vd = in_.i16();
            if (!std::isfinite(walls.vx) || !std::isfinite(walls.vy))
                return "the wall block" + where + " holds a viewer start that is not a number";
            walls.nodes.reserve(static_cast<size_t>(count));
            for (int32_t k = 0; k < count; ++k) {
                walls.nodes.push_back(readNode(in_));
                walls.highestTexture = std::max(walls.highestTexture, walls.nodes.back().txrWall);
            }
            contents.walls = std::move(walls);
            return {};
        }
        case kViewpoints:
            fault = checkRecords("viewpoint block" + where, blockOffset, 4, kViewpointBytes, kMaxViewpoints, count);
            if (fault.empty()) contents.viewpoints = readRecords(count, readViewpoint);
            return fault;
        case kAreas:
            fault = checkRecords("area block" + where, blockOffset, 4, kAreaBytes, kMaxAreas, count);
            if (fault.empty()) contents.areas = readRecords(count, readArea);
            return fault;
        case kGlobals:
            fault = checkRecords("global block" + where, blockOffset, 4, kGlobalBytes, kMaxGlobals, count);
            if (fault.empty()) contents.globals = readRecords(count, readGlobal);
            return fault;
        default: return {};
        }
    }

    template <typename T>
    std::vector<T> readRecords(int32_t count, T (*read)(qz::ByteReader&))
    {
        std::vector<T> records;
        records.reserve(static_cast<size_t>(count));
        for (int32_t k = 0; k < count; ++k) records.push_back(read(in_));
        return records;
    }

    const std::vector<uint8_t>& bytes_;
    qz::ByteReader in_;
};

}  // namespace

MapReadResult readMapContents(const std::vector<uint8_t>& bytes) { return MapParser(bytes).parse(); }

std::string treeFault(const std::vector<Node>& nodes)
{
    auto count = static_cast<int32_t>(nodes.size());
    for (int32_t k = 0; k < count; ++k) {
        for (auto [name, link] : {std::pair {"front", nodes[k].front}, std::pair {"back", nodes[k].back}}) {
            if (link < 0 || link >= count)
                return "node " + text(k) + " of the wall block links its " + name + " child to node " + text(link) +
                       ", outside the node table 0.." + text(count - 1);
        }
    }
    if (count == 0) return {};
    std::vector<bool> reached(nodes.size(), false);
    std::vector<int32_t> pending {0};
    reached[0] = true;
    while (!pending.empty()) {
        int32_t k = pending.back();
        pending.pop_back();
        for (int32_t child : {nodes[k].front, nodes[k].back}) {
            if (child == 0) continue;
            if (reached[static_cast<size_t>(child)])
                return "node " + text(child) + " of the wall block is reached twice from the root (again from node " +
                       text(k) + "): its front and back links do not form a tree";
            reached[static_cast<size_t>(child)] = true;
            pending.push_back(child);
        }
    }
    return {};
}

}  // namespace engine
