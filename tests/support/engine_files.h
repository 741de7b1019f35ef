#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/engine_state.h"
#include "tests/support/test_support.h"

// Files for the engine tests, written by our own code: 8-bit bitmaps, binary maps and headers.
namespace enginetest {

using Colours = std::array<std::array<uint8_t, 3>, 256>;  // blue, green, red

// An uncompressed 8-bit bitmap: file header, 40-byte information header, colour table, pixels in
// file order (bottom row first), so the pixels start at byte 1078.
std::vector<uint8_t> bitmapFile(int32_t width, int32_t height, const std::vector<uint8_t>& pixels,
                                const Colours& colours = {});
// A 128 x 128 bitmap whose file row r, column c holds texel(r, c).
std::vector<uint8_t> wallBitmap(const std::function<uint8_t(int row, int column)>& texel);
// A bitmap of width x height filled with one palette index.
std::vector<uint8_t> plainBitmap(int32_t width, int32_t height, uint8_t index);

struct TestMap {
    std::vector<engine::Node> nodes;
    std::vector<engine::Viewpoint> viewpoints;
    std::vector<engine::Area> areas;
    std::vector<engine::MapGlobals> globals;
    double vx = 0.0, vy = 0.0;
    int32_t vz = 64;
    int16_t vd = 0;
    int32_t wallType = 8;
    int32_t version = 146;
    bool withAreas = true;
    bool withGlobals = true;
};

// Offsets in a map file written by mapFile: the wall block starts at byte 64.
inline constexpr size_t kWallCountOffset = 64;
inline constexpr size_t kFirstNodeOffset = 64 + 26;
inline constexpr size_t kNodeBytes = 148;

// The binary map layout: header, wall block, viewpoint, area and global blocks, directory.
std::vector<uint8_t> mapFile(const TestMap& testMap);
size_t directoryOffset(const std::vector<uint8_t>& file);

engine::Node node(int32_t x1, int32_t y1, int32_t x2, int32_t y2, bool solid = true);
engine::Area area(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t firstWall,
                  const std::string& name = "Room");
engine::MapGlobals global(double id, double value);

// A closed rectangle of four solid nodes (indexes first .. first + 3, chained by areaNext) and
// its area with the given floor and ceiling heights.
void addRoom(TestMap& testMap, int32_t left, int32_t top, int32_t right, int32_t bottom, const std::string& name,
             int32_t floorBegin = 8, int32_t floorEnd = 16, int32_t ceilBegin = 128);

int32_t readI32(const std::vector<uint8_t>& bytes, size_t offset);
void patchI32(std::vector<uint8_t>& bytes, size_t offset, int32_t value);

// An empty engine, a fresh current directory and recorded messages for every test.
class EngineTest : public ::testing::Test {
protected:
    EngineTest();
    std::string file(const std::string& name) const { return dir.file(name); }
    void write(const std::string& name, const std::vector<uint8_t>& bytes) const;
    void writeText(const std::string& name, const std::string& text) const;
    std::vector<std::string> messageTexts() const;
    static engine::EngineState& s() { return engine::state(); }

    qztest::TempDir dir;
    qztest::ScopedCurrentDir cwd {dir.path()};
    qztest::MessageRecorder messages;
};

}  // namespace enginetest
