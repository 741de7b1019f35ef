#include "editor/wizards/generators/room_generator.h"

#include "editor/model/clsMap.h"
#include "platform/numbers.h"

namespace qzedit {

int32_t pillarX(int32_t startX, int32_t i) { return startX + 200 + 200 * i; }
int32_t pillarY(int32_t startY) { return startY + 250; }
int32_t columnX(int32_t startX, int32_t j) { return startX + 300 + 400 * j; }
int32_t columnY(int32_t startY) { return startY + 1000; }

void makeRoom(clsMap& map, RoomType type, const RoomParameters& p)
{
    map.areaCeilHtEnd = p.ceilingHeight;

    map.floorHtBegin = 8;
    map.floorHtEnd = 16;
    map.ceilHtBegin = 128;
    map.ceilHtEnd = p.ceilingHeight;
    map.txrWall = 2;
    map.txrFFloor = 2;
    map.txrBFloor = 1;
    map.setPasteWall(true, true);

    if (type == RoomType::MultiPillar) {
        for (int32_t i = 0; i < p.numPillars; ++i)
            map.addPolyCol(p.numPillarSides, qz::toInteger(pillarX(p.startX, i)), qz::toInteger(pillarY(p.startY)),
                           kPillarSideLength);
        for (int32_t j = 0; j < p.numColumns; ++j) {
            map.txrWall = j % 2 == 0 ? 6 : 8;
            map.setPasteWall(true, true);
            map.addPolyCol(kColumnSides, qz::toInteger(columnX(p.startX, j)), qz::toInteger(columnY(p.startY)),
                           kColumnSideLength);
        }
    }

    map.floorHtBegin = 0;
    map.floorHtEnd = p.ceilingHeight;
    map.ceilHtBegin = p.ceilingHeight;
    map.ceilHtEnd = p.ceilingHeight;
    map.txrWall = 1;
    map.txrFFloor = 1;
    map.txrBFloor = 2;
    map.setPasteWall(true, true);
    map.addPolySurround(p.numSides, p.startX, p.startY, p.sideSize);
}

}  // namespace qzedit
