#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "editor/model/clsMap.h"

// Building blocks for maps made in code, on top of the map object's own operations. A wall's
// front is on the right-hand side of its direction (x to the right, y up): that side's floor is
// floorHtBegin with txrFFloor and its ceiling ceilHtEnd with txrFCeil; behind it, floorHtEnd with
// txrBFloor and ceilHtBegin with txrBCeil.

// A room's floor and ceiling, their flats, its wall texture and the flags its walls carry.
struct RoomStyle {
    int32_t floor;
    int32_t ceil;
    int32_t floorFlat;
    int32_t ceilFlat;
    int32_t wallTexture;
    int32_t flags;
};

struct WallStyle {
    int32_t x1, y1, x2, y2;
    int32_t floorHtBegin, floorHtEnd, ceilHtBegin, ceilHtEnd;
    int32_t txrWall, txrFFloor, txrFCeil, txrBFloor, txrBCeil;
    int32_t flags;
};

// A wall of the room, solid from its floor to its ceiling, facing the room on its right.
WallStyle solidWall(const RoomStyle& room, int32_t x1, int32_t y1, int32_t x2, int32_t y2);

// The same wall with another texture and flags.
WallStyle styled(WallStyle wall, int32_t texture, int32_t flags);

// An opening from the room in front (on the right) into the room behind. The front room must
// have the lower floor and the higher ceiling: the step and the lintel between the two rooms are
// drawn only on the wall's front.
WallStyle openingWall(const RoomStyle& front, const RoomStyle& back, int32_t x1, int32_t y1, int32_t x2, int32_t y2);

// Appends one area whose chain holds the walls in the order given. The area takes the room's
// floor and ceiling.
void addArea(qzedit::clsMap& map, const std::string& name, const RoomStyle& room, const std::vector<WallStyle>& walls);

// A closed square room of solid walls facing inward, starting at (ox, oy) going up the y axis;
// returns the index of its first wall (the others follow clockwise).
int32_t addClosedRoom(qzedit::clsMap& map, const std::string& name, const RoomStyle& room, int16_t ox, int16_t oy,
                      int16_t side);

// A solid column in the room: a regular polygon starting at (ox, oy) with its first side running up
// the y axis and the column on the left of it.
void addPillar(qzedit::clsMap& map, const std::string& name, const RoomStyle& room, int16_t sides, int16_t ox, int16_t oy,
               int16_t side, int32_t texture);

// A block in the room whose top, at height top with the flat topFlat, can be stepped onto.
void addRaisedBlock(qzedit::clsMap& map, const std::string& name, const RoomStyle& room, int32_t top, int32_t topFlat,
                    int16_t ox, int16_t oy, int16_t side, int32_t texture);

// Gives an existing wall the heights, textures and flags of style; its end points stay.
void restyleWall(qzedit::clsMap& map, int32_t index, const WallStyle& style);
