#include "tests/support/engine_files.h"

#include <cstring>

#include "engine/initialisation.h"
#include "format/map_file_writer.h"
#include "platform/bytes.h"

namespace enginetest {

std::vector<uint8_t> bitmapFile(int32_t width, int32_t height, const std::vector<uint8_t>& pixels,
                                const Colours& colours)
{
    qz::ByteWriter out;
    out.raw("BM", 2);
    out.i32(static_cast<int32_t>(1078 + pixels.size()));
    out.i32(0);
    out.i32(1078);
    out.i32(40);
    out.i32(width);
    out.i32(height);
    out.i16(1);
    out.i16(8);
    out.i32(0);
    out.i32(static_cast<int32_t>(pixels.size()));
    out.i32(0);
    out.i32(0);
    out.i32(256);
    out.i32(256);
    for (const auto& bgr : colours) {
        out.raw(bgr.data(), 3);
        out.zeros(1);
    }
    out.raw(pixels.data(), pixels.size());
    return out.bytes();
}

std::vector<uint8_t> wallBitmap(const std::function<uint8_t(int row, int column)>& texel)
{
    std::vector<uint8_t> pixels(128 * 128);
    for (int r = 0; r < 128; ++r)
        for (int c = 0; c < 128; ++c) pixels[static_cast<size_t>(r * 128 + c)] = texel(r, c);
    return bitmapFile(128, 128, pixels);
}

std::vector<uint8_t> plainBitmap(int32_t width, int32_t height, uint8_t index)
{
    return bitmapFile(width, height, std::vector<uint8_t>(static_cast<size_t>(width * height), index));
}

std::vector<uint8_t> mapFile(const TestMap& testMap)
{
    mapfile::MapFileContents contents;
    mapfile::WallBlock& walls = contents.wallBlock.emplace();
    walls.type = testMap.wallType;
    walls.viewer = {testMap.vx, testMap.vy, testMap.vz, testMap.vd};
    walls.walls = testMap.nodes;
    contents.viewpoints = testMap.viewpoints;
    if (testMap.withAreas) contents.areas = testMap.areas;
    if (testMap.withGlobals) contents.globals = testMap.globals;
    std::vector<uint8_t> bytes = mapfile::writeMapFile(contents);
    patchI32(bytes, 4, testMap.version);
    return bytes;
}

size_t directoryOffset(const std::vector<uint8_t>& file) { return static_cast<size_t>(readI32(file, 12) - 1); }

engine::Node node(int32_t x1, int32_t y1, int32_t x2, int32_t y2, bool solid)
{
    engine::Node n;
    n.x1 = x1;
    n.y1 = y1;
    n.x2 = x2;
    n.y2 = y2;
    n.floorHtBegin = 8;
    n.floorHtEnd = solid ? 64 : 16;
    n.ceilHtBegin = 64;
    n.ceilHtEnd = 128;
    n.txrWall = n.txrFFloor = n.txrFCeil = n.txrBFloor = n.txrBCeil = 1;
    n.tEnd = 1.0;
    n.areaNext = -1;
    return n;
}

engine::Area area(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t firstWall, const std::string& name)
{
    engine::Area a;
    a.areaFirstWall = firstWall;
    a.areaBbLeft = left;
    a.areaBbTop = top;
    a.areaBbRight = right;
    a.areaBbBottom = bottom;
    a.areaSqArea = (right - left) * (bottom - top);
    a.areaFloorHtBegin = 8;
    a.areaFloorHtEnd = 16;
    a.areaCeilHtBegin = 64;
    a.areaCeilHtEnd = 128;
    a.areaName.assign(name);
    return a;
}

engine::MapGlobals global(double id, double value)
{
    engine::MapGlobals g;
    g.globalID = id;
    g.globalValue = value;
    g.globalName.assign("G" + std::to_string(static_cast<int>(id)));
    return g;
}

void addRoom(TestMap& testMap, int32_t left, int32_t top, int32_t right, int32_t bottom, const std::string& name,
             int32_t floorBegin, int32_t floorEnd, int32_t ceilBegin)
{
    auto first = static_cast<int32_t>(testMap.nodes.size());
    const int32_t corners[5][2] = {{left, top}, {right, top}, {right, bottom}, {left, bottom}, {left, top}};
    for (int k = 0; k < 4; ++k) {
        engine::Node n = node(corners[k][0], corners[k][1], corners[k + 1][0], corners[k + 1][1]);
        n.areaNum = static_cast<int32_t>(testMap.areas.size());
        n.areaFirst = first;
        n.areaNext = k < 3 ? first + k + 1 : -1;
        testMap.nodes.push_back(n);
    }
    engine::Area a = area(left, top, right, bottom, first, name);
    a.areaFloorHtBegin = floorBegin;
    a.areaFloorHtEnd = floorEnd;
    a.areaCeilHtBegin = ceilBegin;
    testMap.areas.push_back(a);
}

int32_t readI32(const std::vector<uint8_t>& bytes, size_t offset)
{
    int32_t v;
    std::memcpy(&v, bytes.data() + offset, 4);
    return v;
}

void patchI32(std::vector<uint8_t>& bytes, size_t offset, int32_t value) { std::memcpy(bytes.data() + offset, &value, 4); }

EngineTest::EngineTest()
{
    engine::state() = engine::EngineState();
    engine::fillAngleTables(engine::state());
}

void EngineTest::write(const std::string& name, const std::vector<uint8_t>& bytes) const
{
    qztest::writeBytes(file(name), bytes);
}

void EngineTest::writeText(const std::string& name, const std::string& text) const
{
    qztest::writeText(file(name), text);
}

std::vector<std::string> EngineTest::messageTexts() const
{
    std::vector<std::string> texts;
    for (const auto& m : messages.messages) texts.push_back(m.text);
    return texts;
}

}  // namespace enginetest
