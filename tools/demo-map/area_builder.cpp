#include "tools/demo-map/area_builder.h"

using namespace qzedit;

namespace {

void loadBuffer(clsMap& map, const WallStyle& w)
{
    map.floorHtBegin = w.floorHtBegin;
    map.floorHtEnd = w.floorHtEnd;
    map.ceilHtBegin = w.ceilHtBegin;
    map.ceilHtEnd = w.ceilHtEnd;
    map.txrWall = w.txrWall;
    map.txrFFloor = w.txrFFloor;
    map.txrFCeil = w.txrFCeil;
    map.txrBFloor = w.txrBFloor;
    map.txrBCeil = w.txrBCeil;
    map.wallFlags = w.flags;
}

// The paste buffer gives new walls and areas their heights and textures.
void pasteFrom(clsMap& map, const WallStyle& w)
{
    loadBuffer(map, w);
    map.setPasteWall(true, true);
}

// An area's heights as startArea takes them: floor, floor, ceiling, ceiling.
WallStyle roomPaste(const RoomStyle& room)
{
    return {0, 0, 0, 0, room.floor, room.floor, room.ceil, room.ceil, room.wallTexture,
            room.floorFlat, room.ceilFlat, room.floorFlat, room.ceilFlat, room.flags};
}

void renameLastArea(clsMap& map, const std::string& name)
{
    int32_t area = map.numAreas - 1;
    map.getArea(area);
    map.areaName = name;
    map.setArea(area);
    map.areaName.clear();
}

}  // namespace

WallStyle solidWall(const RoomStyle& room, int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    return {x1, y1, x2, y2, room.floor, room.ceil, room.ceil, room.ceil, room.wallTexture,
            room.floorFlat, room.ceilFlat, room.floorFlat, room.ceilFlat, room.flags};
}

WallStyle styled(WallStyle wall, int32_t texture, int32_t flags)
{
    wall.txrWall = texture;
    wall.flags = flags;
    return wall;
}

WallStyle openingWall(const RoomStyle& front, const RoomStyle& back, int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    return {x1, y1, x2, y2, front.floor, back.floor, back.ceil, front.ceil, front.wallTexture,
            front.floorFlat, front.ceilFlat, back.floorFlat, back.ceilFlat, front.flags};
}

void addArea(clsMap& map, const std::string& name, const RoomStyle& room, const std::vector<WallStyle>& walls)
{
    pasteFrom(map, roomPaste(room));
    map.areaName = name;
    const int32_t first = map.numWalls;
    map.startArea(first, 0);
    map.areaName.clear();
    const int32_t count = static_cast<int32_t>(walls.size());
    for (int32_t k = 0; k < count; ++k) {
        const WallStyle& w = walls[k];
        pasteFrom(map, w);
        map.addWall(w.x1, w.y1, w.x2, w.y2, first, k + 1 < count ? first + k + 1 : -1);
    }
    map.endArea();
}

int32_t addClosedRoom(clsMap& map, const std::string& name, const RoomStyle& room, int16_t ox, int16_t oy,
                      int16_t side)
{
    pasteFrom(map, roomPaste(room));
    const int32_t first = map.numWalls;
    map.addPolySurround(4, ox, oy, side);
    renameLastArea(map, name);
    return first;
}

void addPillar(clsMap& map, const std::string& name, const RoomStyle& room, int16_t sides, int16_t ox, int16_t oy,
               int16_t side, int32_t texture)
{
    pasteFrom(map, styled(solidWall(room, 0, 0, 0, 0), texture, room.flags));
    map.addPolyCol(sides, ox, oy, side);
    renameLastArea(map, name);
}

void addRaisedBlock(clsMap& map, const std::string& name, const RoomStyle& room, int32_t top, int32_t topFlat,
                    int16_t ox, int16_t oy, int16_t side, int32_t texture)
{
    RoomStyle block = room;
    block.floor = top;
    block.floorFlat = topFlat;
    pasteFrom(map, styled(openingWall(room, block, 0, 0, 0, 0), texture, room.flags));
    map.addPolyCol(4, ox, oy, side);
    renameLastArea(map, name);
}

void restyleWall(clsMap& map, int32_t index, const WallStyle& style)
{
    map.getWall(index);
    int32_t x1 = map.x1, y1 = map.y1, x2 = map.x2, y2 = map.y2;
    loadBuffer(map, style);
    map.x1 = x1;
    map.y1 = y1;
    map.x2 = x2;
    map.y2 = y2;
    map.setWall(index);
}
