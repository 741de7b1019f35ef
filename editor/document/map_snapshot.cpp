#include "editor/document/map_snapshot.h"

#include <bit>

#include "format/record_identity.h"

namespace qzedit {

namespace {

MapScalars scalarsOf(const clsMap& m)
{
    return {m.numWalls, m.numAreas, m.numViewpoints, m.numGlobals, m.vx, m.vy, m.vz, m.vh, m.vz0, m.vdz, m.vd};
}

bool sameBits(double a, double b) { return std::bit_cast<uint64_t>(a) == std::bit_cast<uint64_t>(b); }

// Sets the fields that differ between the two sides to the target side's values; the others keep
// what the map holds.
void putChangedScalars(clsMap& m, const MapScalars& from, const MapScalars& to)
{
    auto put = [](auto& field, auto source, auto target) {
        if (source != target) field = target;
    };
    put(m.numWalls, from.numWalls, to.numWalls);
    put(m.numAreas, from.numAreas, to.numAreas);
    put(m.numViewpoints, from.numViewpoints, to.numViewpoints);
    put(m.numGlobals, from.numGlobals, to.numGlobals);
    if (!sameBits(from.vx, to.vx)) m.vx = to.vx;
    if (!sameBits(from.vy, to.vy)) m.vy = to.vy;
    put(m.vz, from.vz, to.vz);
    put(m.vh, from.vh, to.vh);
    put(m.vz0, from.vz0, to.vz0);
    put(m.vdz, from.vdz, to.vdz);
    put(m.vd, from.vd, to.vd);
}

bool sameScalars(const MapScalars& a, const MapScalars& b)
{
    return a.numWalls == b.numWalls && a.numAreas == b.numAreas && a.numViewpoints == b.numViewpoints &&
           a.numGlobals == b.numGlobals && sameBits(a.vx, b.vx) && sameBits(a.vy, b.vy) && a.vz == b.vz &&
           a.vh == b.vh && a.vz0 == b.vz0 && a.vdz == b.vdz && a.vd == b.vd;
}

template <typename Record, typename Get>
void collect(std::vector<Record>& shadow, Get current, std::vector<MapDelta::Slot<Record>>& changed)
{
    for (size_t i = 0; i < shadow.size(); ++i) {
        const Record& now = current(static_cast<int32_t>(i));
        if (mapfile::identical(now, shadow[i])) continue;
        changed.push_back({static_cast<int32_t>(i), shadow[i], now});
        shadow[i] = now;
    }
}

template <typename Record, typename Get>
void put(std::vector<Record>& shadow, Get target, const std::vector<MapDelta::Slot<Record>>& slots, bool forward)
{
    for (const auto& slot : slots) {
        const Record& value = forward ? slot.after : slot.before;
        target(slot.index) = value;
        shadow[static_cast<size_t>(slot.index)] = value;
    }
}

template <typename Record>
std::vector<Record> tableOf(int32_t slots, auto get)
{
    std::vector<Record> table;
    table.reserve(static_cast<size_t>(slots));
    for (int32_t i = 0; i < slots; ++i) table.push_back(get(i));
    return table;
}

}  // namespace

bool MapDelta::empty() const
{
    return walls.empty() && areas.empty() && viewpoints.empty() && globals.empty() && !scalars;
}

size_t MapDelta::bytes() const
{
    return sizeof(MapDelta) + walls.capacity() * sizeof(Slot<Wall>) + areas.capacity() * sizeof(Slot<Area>) +
           viewpoints.capacity() * sizeof(Slot<Viewpoint>) + globals.capacity() * sizeof(Slot<MapGlobals>);
}

MapSnapshot::MapSnapshot(const clsMap& map)
    : walls_(tableOf<Wall>(clsMap::kWallSlots, [&](int32_t i) { return map.wallRecord(i); })),
      areas_(tableOf<Area>(clsMap::kAreaSlots, [&](int32_t i) { return map.areaRecord(i); })),
      viewpoints_(tableOf<Viewpoint>(clsMap::kViewpointSlots, [&](int32_t i) { return map.viewpointRecord(i); })),
      globals_(tableOf<MapGlobals>(clsMap::kGlobalSlots, [&](int32_t i) { return map.globalRecord(i); })),
      scalars_(scalarsOf(map))
{
}

MapDelta MapSnapshot::takeChanges(const clsMap& map)
{
    MapDelta delta;
    collect(walls_, [&](int32_t i) -> const Wall& { return map.wallRecord(i); }, delta.walls);
    collect(areas_, [&](int32_t i) -> const Area& { return map.areaRecord(i); }, delta.areas);
    collect(viewpoints_, [&](int32_t i) -> const Viewpoint& { return map.viewpointRecord(i); }, delta.viewpoints);
    collect(globals_, [&](int32_t i) -> const MapGlobals& { return map.globalRecord(i); }, delta.globals);
    MapScalars now = scalarsOf(map);
    if (!sameScalars(now, scalars_)) {
        delta.scalars = {scalars_, now};
        scalars_ = now;
    }
    return delta;
}

void MapSnapshot::apply(clsMap& map, const MapDelta& delta, bool forward)
{
    put(walls_, [&](int32_t i) -> Wall& { return map.wallRecord(i); }, delta.walls, forward);
    put(areas_, [&](int32_t i) -> Area& { return map.areaRecord(i); }, delta.areas, forward);
    put(viewpoints_, [&](int32_t i) -> Viewpoint& { return map.viewpointRecord(i); }, delta.viewpoints, forward);
    put(globals_, [&](int32_t i) -> MapGlobals& { return map.globalRecord(i); }, delta.globals, forward);
    if (delta.scalars) {
        const MapScalars& from = forward ? delta.scalars->first : delta.scalars->second;
        const MapScalars& to = forward ? delta.scalars->second : delta.scalars->first;
        putChangedScalars(map, from, to);
        scalars_ = scalarsOf(map);
    }
}

}  // namespace qzedit
