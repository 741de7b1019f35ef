#include "engine/map_reader.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "engine/saturating.h"
#include "format/map_file_layout.h"
#include "format/map_file_reader.h"
#include "platform/numbers.h"

namespace engine {

namespace {

std::string text(long long n) { return qz::decimal(n); }

const char* blockName(int32_t type)
{
    switch (type) {
    case mapfile::kBlockViewpoints: return "viewpoint block";
    case mapfile::kBlockAreas: return "area block";
    case mapfile::kBlockGlobals: return "global block";
    default: return "wall block";
    }
}

std::string describe(const mapfile::MapFileFault& fault)
{
    using Kind = mapfile::MapFileFault::Kind;
    std::string block = std::string(blockName(fault.blockType)) + " (directory entry " + text(fault.entry) + ")";
    switch (fault.kind) {
    case Kind::ShortHeader: return "the file header is shorter than 64 bytes";
    case Kind::EntryOutside: return "directory entry " + text(fault.entry) + " lies outside the file";
    case Kind::BlockOutside: return "the " + block + " lies outside the file";
    case Kind::CountOutside:
        return "the " + block + " holds " + text(fault.count) + " records, outside 0.." + text(fault.limit);
    case Kind::RecordOutside: return "record " + text(fault.record) + " of the " + block + " lies outside the file";
    }
    return "the file cannot be read";
}

// The entry of the last wall block in the directory, for the faults found after reading.
int32_t wallBlockEntry(const mapfile::MapFileContents& contents)
{
    int32_t entry = 0;
    for (size_t k = 0; k < contents.directory.size(); ++k) {
        int32_t type = contents.directory[k].type;
        if (type == mapfile::kBlockWalls || type == mapfile::kBlockCompiledWalls) entry = static_cast<int32_t>(k) + 1;
    }
    return entry;
}

MapReadResult refuse(std::string fault)
{
    MapReadResult result;
    result.fault = std::move(fault);
    return result;
}

}  // namespace

MapReadResult readMapContents(const std::vector<uint8_t>& bytes)
{
    const mapfile::TableLimits limits {kMaxNodes, kMaxViewpoints, kMaxAreas, kMaxGlobals};
    mapfile::MapFileRead read = mapfile::readMapFile(bytes, limits, mapfile::EntryCount::LowWord);
    if (read.fault) return refuse(describe(*read.fault));
    MapReadResult result;
    result.contents = std::move(read.contents);
    if (auto& walls = result.contents.wallBlock) {
        if (!std::isfinite(walls->viewer.vx) || !std::isfinite(walls->viewer.vy))
            return refuse("the wall block (directory entry " + text(wallBlockEntry(result.contents)) +
                          ") holds a viewer start that is not a number");
        for (Node& n : walls->walls) {
            double dx = static_cast<double>(n.x2) - n.x1, dy = static_cast<double>(n.y2) - n.y1;
            n.length = saturatingLong(std::sqrt(dx * dx + dy * dy));
            result.highestTexture = std::max(result.highestTexture, n.txrWall);
        }
        std::string fault = treeFault(walls->walls);
        if (!fault.empty()) return refuse(fault);
    }
    return result;
}

std::string treeFault(const std::vector<Node>& nodes)
{
    auto count = static_cast<int32_t>(nodes.size());
    for (int32_t k = 0; k < count; ++k) {
        const Node& node = nodes[static_cast<size_t>(k)];
        for (auto [name, link] : {std::pair {"front", node.front}, std::pair {"back", node.back}}) {
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
        const Node& node = nodes[static_cast<size_t>(k)];
        for (int32_t child : {node.front, node.back}) {
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
