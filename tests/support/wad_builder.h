#pragma once
#include <cstdint>
#include <string>
#include <vector>

// WAD files written by the tests: lumps in order, and the lumps of small hand-made maps.
namespace importtest {

constexpr uint16_t kNone = 0xFFFF;

struct TestSector {
    int16_t floor = 0, ceiling = 128;
    std::string floorFlat = "FLOOR", ceilingFlat = "CEIL";
    int16_t light = 255, special = 0, tag = 0;
};

struct TestSide {
    uint16_t sector = 0;
    std::string upper = "-", lower = "-", middle = "-";
    int16_t xOffset = 0, yOffset = 0;
};

struct TestLine {
    uint16_t v1 = 0, v2 = 0;
    uint16_t front = 0, back = kNone;
    uint16_t flags = 0, special = 0, tag = 0;
};

struct TestThing {
    int16_t x = 0, y = 0, angle = 0, type = 1;
};

struct TestMap {
    std::vector<std::pair<int16_t, int16_t>> vertexes;
    std::vector<TestLine> lines;
    std::vector<TestSide> sides;
    std::vector<TestSector> sectors;
    std::vector<TestThing> things;

    uint16_t vertex(int16_t x, int16_t y);  // the index of the vertex, added when new
    uint16_t side(const TestSide& s);
    // A one-sided line from a to b, its front (right) side facing the sector.
    void wall(int16_t ax, int16_t ay, int16_t bx, int16_t by, uint16_t sector, const std::string& texture = "WALL");
};

// Rooms of 64 units in a row along x, each a sector of its own, joined by two-sided lines; player 1
// stands in the middle of room playerRoom.
TestMap roomsInARow(int rooms, int playerRoom);

class WadBuilder {
public:
    void lump(const std::string& name, std::vector<uint8_t> bytes = {});
    void map(const std::string& name, const TestMap& map);
    std::vector<uint8_t> bytes(const std::string& kind = "PWAD") const;

private:
    std::vector<std::pair<std::string, std::vector<uint8_t>>> lumps_;
};

// Lump encoders, for tests that damage one.
std::vector<uint8_t> vertexesLump(const TestMap& map);
std::vector<uint8_t> linedefsLump(const TestMap& map);
std::vector<uint8_t> sidedefsLump(const TestMap& map);
std::vector<uint8_t> sectorsLump(const TestMap& map);
std::vector<uint8_t> thingsLump(const TestMap& map);

// Little-endian appenders.
void putI16(std::vector<uint8_t>& out, int32_t v);
void putI32(std::vector<uint8_t>& out, int32_t v);
void putName(std::vector<uint8_t>& out, const std::string& name);

// A rectangle of one-sided lines facing inwards, as one sector.
uint16_t addRoom(TestMap& map, int16_t left, int16_t bottom, int16_t right, int16_t top, const TestSector& sector,
                 const std::string& texture = "WALL");

}  // namespace importtest
