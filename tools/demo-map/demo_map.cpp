#include "tools/demo-map/demo_map.h"

#include <string>

#include "tools/demo-map/area_builder.h"

using namespace qzedit;

namespace {

namespace wall {
constexpr int32_t kBrick = 1, kStone = 2, kWood = 3, kMetal = 4, kPanels = 5, kGrate = 6, kTiles = 7, kMossy = 8,
                  kMarble = 9, kDarkBrick = 10, kWaterfall = 11, kRunes = 12;
}
namespace flat {
constexpr int32_t kFlagstones = 1, kWoodFloor = 2, kCeilingTiles = 3, kGrass = 4, kSand = 5, kMetalPlate = 6;
}

constexpr int32_t kEyeHeight = 56;

// The engine fills the floor and the ceiling seen round a transparent wall from the room behind it,
// so the rooms on both sides of a grate share their floor and their ceiling: the courtyard and the
// vault are paved like the hall, at its level, and the hall's grate onto the courtyard opens into a
// covered walkway under a ceiling like the hall's, not under the sky.
const RoomStyle kHall {0, 192, flat::kFlagstones, flat::kCeilingTiles, wall::kBrick, 0};
const RoomStyle kCourtyard {0, 256, flat::kFlagstones, flat::kCeilingTiles, wall::kMossy, kWallSkyCeiling};
const RoomStyle kWalkway {0, 192, flat::kFlagstones, flat::kCeilingTiles, wall::kMossy, 0};
const RoomStyle kGallery {48, 176, flat::kWoodFloor, flat::kCeilingTiles, wall::kWood, 0};
const RoomStyle kTower {0, 512, flat::kMetalPlate, flat::kCeilingTiles, wall::kMetal, 0};
const RoomStyle kVault {0, 192, flat::kFlagstones, flat::kCeilingTiles, wall::kDarkBrick, 0};
const RoomStyle kCrypt {-36, 224, flat::kSand, flat::kCeilingTiles, wall::kDarkBrick, 0};

// Stairs run over x 256..384, three steps of 48 up to the gallery and two down to the crypt.
RoomStyle upStep(int k) { return {12 * k, 176, flat::kFlagstones, flat::kCeilingTiles, wall::kStone, 0}; }
RoomStyle downStep(int k) { return {-12 * k, 192, flat::kFlagstones, flat::kCeilingTiles, wall::kStone, 0}; }

// The hall: x 0..640, y 0..512, walls running clockwise so that they face inward.
void buildHall(clsMap& map)
{
    addArea(map, "Hall", kHall,
            {
                solidWall(kHall, 0, 0, 0, 96),
                styled(solidWall(kHall, 0, 96, 0, 224), wall::kGrate, kWallTransparent),
                solidWall(kHall, 0, 224, 0, 288),
                openingWall(kCourtyard, kHall, 0, 384, 0, 288),
                solidWall(kHall, 0, 384, 0, 512),
                solidWall(kHall, 0, 512, 256, 512),
                openingWall(kHall, upStep(1), 256, 512, 384, 512),
                solidWall(kHall, 384, 512, 640, 512),
                solidWall(kHall, 640, 512, 640, 384),
                openingWall(kTower, kHall, 640, 256, 640, 384),
                solidWall(kHall, 640, 256, 640, 192),
                styled(solidWall(kHall, 640, 192, 640, 64), wall::kGrate, kWallTransparent),
                solidWall(kHall, 640, 64, 640, 0),
                solidWall(kHall, 640, 0, 384, 0),
                openingWall(downStep(1), kHall, 256, 0, 384, 0),
                solidWall(kHall, 256, 0, 0, 0),
            });
    addRaisedBlock(map, "Dais", kHall, 24, flat::kWoodFloor, 368, 252, 96, wall::kMarble);
    const int16_t pillarStarts[][2] = {{157, 148}, {541, 148}, {157, 372}, {541, 372}};
    int n = 1;
    for (const auto& start : pillarStarts)
        addPillar(map, "Hall pillar " + std::to_string(n++), kHall, 8, start[0], start[1], 24, wall::kMarble);
}

// The courtyard west of the hall: x -384..0, y 0..512, open to the sky, with a waterfall and a lawn
// in its south-west corner, and the walkway (x -64..0, y 96..224) behind the hall's grate.
void buildCourtyard(clsMap& map)
{
    const int32_t sky = kWallSkyCeiling;
    const WallStyle walkwayOpenings[] = {
        openingWall(kCourtyard, kWalkway, 0, 224, -64, 224),
        openingWall(kCourtyard, kWalkway, -64, 224, -64, 96),
        openingWall(kCourtyard, kWalkway, -64, 96, 0, 96),
    };
    addArea(map, "Courtyard", kCourtyard,
            {
                solidWall(kCourtyard, -384, 0, -384, 128),
                styled(solidWall(kCourtyard, -384, 128, -384, 384), wall::kWaterfall, kWallVertCycle | sky),
                solidWall(kCourtyard, -384, 384, -384, 512),
                solidWall(kCourtyard, -384, 512, 0, 512),
                solidWall(kCourtyard, 0, 512, 0, 384),
                openingWall(kCourtyard, kHall, 0, 384, 0, 288),
                solidWall(kCourtyard, 0, 288, 0, 224),
                walkwayOpenings[0],
                walkwayOpenings[1],
                walkwayOpenings[2],
                solidWall(kCourtyard, 0, 96, 0, 0),
                solidWall(kCourtyard, 0, 0, -384, 0),
            });
    addPillar(map, "Yard pillar 1", kCourtyard, 6, -236, 180, 24, wall::kMossy);
    addPillar(map, "Yard pillar 2", kCourtyard, 6, -108, 308, 24, wall::kMossy);
    addRaisedBlock(map, "Lawn", kCourtyard, 8, flat::kGrass, -272, 16, 80, wall::kMossy);
    addArea(map, "Walkway", kWalkway,
            {
                walkwayOpenings[0],
                walkwayOpenings[1],
                walkwayOpenings[2],
                styled(solidWall(kWalkway, 0, 224, 0, 96), wall::kGrate, kWallTransparent),
            });
}

// Three steps up from the hall's north doorway to the gallery, each one area.
void buildUpStairs(clsMap& map)
{
    for (int k = 1; k <= 3; ++k) {
        const RoomStyle step = upStep(k);
        const RoomStyle below = k == 1 ? kHall : upStep(k - 1);
        const RoomStyle above = k == 3 ? kGallery : upStep(k + 1);
        const int32_t y0 = 512 + 48 * (k - 1);
        const int32_t y1 = y0 + 48;
        addArea(map, "Step up " + std::to_string(k), step,
                {
                    openingWall(below, step, 256, y0, 384, y0),
                    solidWall(step, 384, y1, 384, y0),
                    openingWall(step, above, 256, y1, 384, y1),
                    solidWall(step, 256, y0, 256, y1),
                });
    }
}

// The gallery: x 128..512, y 656..896, with scrolling runes on its north wall.
void buildGallery(clsMap& map)
{
    addArea(map, "Gallery", kGallery,
            {
                solidWall(kGallery, 256, 656, 128, 656),
                openingWall(upStep(3), kGallery, 256, 656, 384, 656),
                solidWall(kGallery, 512, 656, 384, 656),
                solidWall(kGallery, 512, 896, 512, 656),
                solidWall(kGallery, 384, 896, 512, 896),
                styled(solidWall(kGallery, 256, 896, 384, 896), wall::kRunes, kWallHorzCycle),
                solidWall(kGallery, 128, 896, 256, 896),
                solidWall(kGallery, 128, 656, 128, 896),
            });
    addPillar(map, "Gallery pillar 1", kGallery, 8, 219, 768, 16, wall::kMarble);
    addPillar(map, "Gallery pillar 2", kGallery, 8, 459, 768, 16, wall::kMarble);
}

// A free-standing block of solid walls facing outward, counter-clockwise around x0..x1, y0..y1.
void addBlock(clsMap& map, const std::string& name, const RoomStyle& room, int32_t texture, int32_t x0, int32_t y0,
              int32_t x1, int32_t y1)
{
    addArea(map, name, room,
            {
                styled(solidWall(room, x0, y0, x1, y0), texture, room.flags),
                styled(solidWall(room, x1, y0, x1, y1), texture, room.flags),
                styled(solidWall(room, x1, y1, x0, y1), texture, room.flags),
                styled(solidWall(room, x0, y1, x0, y0), texture, room.flags),
            });
}

// Four screens in a pinwheel around (cx, cy): the line of every long side runs through another
// screen, so the tree compiler has to split walls here.
void addPinwheel(clsMap& map, const RoomStyle& room, int32_t cx, int32_t cy)
{
    addBlock(map, "Screen 1", room, wall::kRunes, cx - 40, cy - 16, cx + 8, cy - 8);
    addBlock(map, "Screen 2", room, wall::kRunes, cx + 8, cy - 40, cx + 16, cy + 8);
    addBlock(map, "Screen 3", room, wall::kRunes, cx - 8, cy + 8, cx + 40, cy + 16);
    addBlock(map, "Screen 4", room, wall::kRunes, cx - 16, cy - 8, cx - 8, cy + 40);
}

// Two steps down from the hall's south doorway into the crypt: x 128..512, y -352..-96.
void buildCrypt(clsMap& map)
{
    for (int k = 1; k <= 2; ++k) {
        const RoomStyle step = downStep(k);
        const RoomStyle above = k == 1 ? kHall : downStep(k - 1);
        const RoomStyle below = k == 2 ? kCrypt : downStep(k + 1);
        const int32_t y1 = -48 * (k - 1);
        const int32_t y0 = y1 - 48;
        addArea(map, "Step down " + std::to_string(k), step,
                {
                    openingWall(step, above, 256, y1, 384, y1),
                    solidWall(step, 384, y1, 384, y0),
                    openingWall(below, step, 256, y0, 384, y0),
                    solidWall(step, 256, y0, 256, y1),
                });
    }
    addArea(map, "Crypt", kCrypt,
            {
                solidWall(kCrypt, 128, -96, 256, -96),
                openingWall(kCrypt, downStep(2), 256, -96, 384, -96),
                solidWall(kCrypt, 384, -96, 512, -96),
                styled(solidWall(kCrypt, 512, -96, 512, -224), wall::kPanels, 0),
                styled(solidWall(kCrypt, 512, -224, 512, -352), wall::kTiles, 0),
                solidWall(kCrypt, 512, -352, 384, -352),
                styled(solidWall(kCrypt, 384, -352, 256, -352), wall::kRunes, 0),
                solidWall(kCrypt, 256, -352, 128, -352),
                styled(solidWall(kCrypt, 128, -352, 128, -224), wall::kTiles, 0),
                styled(solidWall(kCrypt, 128, -224, 128, -96), wall::kPanels, 0),
            });
    const int16_t pillarStarts[][2] = {{221, -172}, {445, -172}, {221, -300}, {445, -300}};
    int n = 1;
    for (const auto& start : pillarStarts)
        addPillar(map, "Crypt pillar " + std::to_string(n++), kCrypt, 8, start[0], start[1], 20, wall::kStone);
    addPinwheel(map, kCrypt, 320, -224);
}

// The tower east of the hall, 512 high so that its multi-texture wall shows all four textures, and
// the vault beside it, closed but for a grate onto the hall, with an animated wall.
void buildTowerAndVault(clsMap& map)
{
    int32_t tower = addClosedRoom(map, "Tower", kTower, 640, 256, 128);
    restyleWall(map, tower, openingWall(kTower, kHall, 0, 0, 0, 0));
    restyleWall(map, tower + 2, styled(solidWall(kTower, 0, 0, 0, 0), wall::kMetal, kWallMultiTexture));

    int32_t vault = addClosedRoom(map, "Vault", kVault, 640, 64, 128);
    restyleWall(map, vault, styled(solidWall(kVault, 0, 0, 0, 0), wall::kGrate, kWallTransparent));
    restyleWall(map, vault + 2, styled(solidWall(kVault, 0, 0, 0, 0), wall::kDarkBrick, kWallAnimated));
}

void placeViewer(clsMap& map)
{
    // In the hall's south part, looking north over the dais and up the stairs to the gallery.
    map.vx = 320;
    map.vy = 64;
    map.vz = kHall.floor + kEyeHeight;
    map.vd = 0;
    struct Place {
        const char* name;
        int32_t x, y, floor;
    };
    const Place places[] = {{"Hall", 320, 64, kHall.floor},
                            {"Courtyard", -192, 448, kCourtyard.floor},
                            {"Gallery", 320, 720, kGallery.floor},
                            {"Crypt", 320, -160, kCrypt.floor}};
    map.numViewpoints = 0;
    for (const Place& p : places) {
        Viewpoint& v = map.viewpointRecord(map.numViewpoints++);
        v.name.assign(p.name);
        v.x = p.x;
        v.y = p.y;
        v.z = p.floor + kEyeHeight;
    }
}

}  // namespace

void buildDemoMap(clsMap& map)
{
    buildHall(map);
    buildCourtyard(map);
    buildUpStairs(map);
    buildGallery(map);
    buildCrypt(map);
    buildTowerAndVault(map);
    placeViewer(map);
}
