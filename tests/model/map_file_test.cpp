#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <filesystem>
#include <functional>

#include "editor/model/clsMap.h"
#include "platform/bytes.h"
#include "tests/support/test_support.h"

using namespace qzedit;

namespace {

int32_t i32At(const std::vector<uint8_t>& b, size_t offset)
{
    int32_t v;
    std::memcpy(&v, b.data() + offset, 4);
    return v;
}

double f64At(const std::vector<uint8_t>& b, size_t offset)
{
    double v;
    std::memcpy(&v, b.data() + offset, 8);
    return v;
}

std::string textAt(const std::vector<uint8_t>& b, size_t offset, size_t size)
{
    return std::string(reinterpret_cast<const char*>(b.data() + offset), size);
}

// A map with two walls in one area, a changed viewer start and a renamed global.
void buildSample(clsMap& map)
{
    map.vx = 150.5;
    map.vy = -20.25;
    map.vz = 40;
    map.vd = 12;
    map.areaName = "Hall";
    map.startArea(0, 2);
    map.addWall(0, 0, 30, 40, 0, 1);
    map.wallFlags = 9;
    map.addWall(30, 40, -5, 7, 0, -1);
    map.endArea();
    map.areaName.clear();
    Wall& w = map.wallRecord(1);
    w.spareL3 = 77;
    w.spareD2 = 1.5;
    w.xo = -3;
    map.getGlobal(5);
    map.globalName = "Gravity";
    map.globalValue = 0;
    map.setGlobal(5);
}

class MapFile : public ::testing::Test {
protected:
    qztest::TempDir dir;
    qztest::MessageRecorder messages;
};

TEST_F(MapFile, EmptyMapLayout)
{
    clsMap map;
    std::string path = dir.file("empty.map");
    ASSERT_TRUE(map.WriteNewMPB(path, false));
    std::vector<uint8_t> b = qztest::readBytes(path);
    ASSERT_EQ(b.size(), 806u);
    EXPECT_EQ(textAt(b, 0, 4), "QZ3D");
    EXPECT_EQ(i32At(b, 4), 146);
    EXPECT_EQ(i32At(b, 8), 4);
    EXPECT_EQ(i32At(b, 12), 551);
    for (int i = 16; i < 64; ++i) ASSERT_EQ(b[i], 0) << "reserved header byte " << i;
    const int32_t types[] = {1, 2, 3, 4};
    const int32_t positions[] = {65, 91, 159, 163};
    for (int e = 0; e < 4; ++e) {
        size_t entry = 550 + 64 * e;
        EXPECT_EQ(i32At(b, entry), types[e]);
        EXPECT_EQ(i32At(b, entry + 4), positions[e]);
        for (int i = 8; i < 64; ++i) ASSERT_EQ(b[entry + i], 0);
    }
    EXPECT_EQ(i32At(b, 64), 0);
    EXPECT_EQ(f64At(b, 68), 200.0);
    EXPECT_EQ(f64At(b, 76), 200.0);
    EXPECT_EQ(i32At(b, 84), 64);
    EXPECT_EQ(b[88] | b[89] << 8, 0);
    EXPECT_EQ(i32At(b, 90), 1);
    EXPECT_EQ(textAt(b, 94, 16), "Initial position");
    EXPECT_EQ(i32At(b, 110), 100);
    EXPECT_EQ(i32At(b, 118), 8);
    EXPECT_EQ(i32At(b, 158), 0);
    EXPECT_EQ(i32At(b, 162), 6);
    EXPECT_EQ(f64At(b, 166), 12000.0);
    EXPECT_EQ(textAt(b, 174, 16), "MapID           ");
    EXPECT_EQ(f64At(b, 166 + 64 * 5), 12005.0);
    EXPECT_EQ(f64At(b, 166 + 64 * 5 + 24), 1.0);
}

TEST_F(MapFile, WallAndAreaRecordOffsets)
{
    clsMap map;
    buildSample(map);
    std::string path = dir.file("sample.map");
    ASSERT_TRUE(map.WriteNewMPB(path, false));
    std::vector<uint8_t> b = qztest::readBytes(path);
    ASSERT_EQ(b.size(), 64u + 26 + 2 * 148 + 68 + 94 + 388 + 256);
    EXPECT_EQ(i32At(b, 64), 2);
    EXPECT_EQ(f64At(b, 68), 150.5);
    EXPECT_EQ(b[88], 12);
    size_t w1 = 64 + 26 + 148;
    EXPECT_EQ(i32At(b, w1 + 0), 30);
    EXPECT_EQ(i32At(b, w1 + 8), -5);
    EXPECT_EQ(i32At(b, w1 + 16), 8);
    EXPECT_EQ(i32At(b, w1 + 28), 128);
    EXPECT_EQ(i32At(b, w1 + 32), -3);
    EXPECT_EQ(i32At(b, w1 + 40), 1);
    EXPECT_EQ(f64At(b, w1 + 68), 0.0);
    EXPECT_EQ(f64At(b, w1 + 76), 1.0);
    EXPECT_EQ(i32At(b, w1 + 84), 9);
    EXPECT_EQ(i32At(b, w1 + 88), 0);
    EXPECT_EQ(i32At(b, w1 + 92), 0);
    EXPECT_EQ(i32At(b, w1 + 96), -1);
    EXPECT_EQ(i32At(b, w1 + 108), 77);
    EXPECT_EQ(f64At(b, w1 + 116), map.wallRecord(1).wallID);
    EXPECT_EQ(f64At(b, w1 + 132), 1.5);
    size_t area = 64 + 26 + 2 * 148 + 68 + 4;
    EXPECT_EQ(i32At(b, area + 4), 35 * 40);
    EXPECT_EQ(i32At(b, area + 8), 2);
    EXPECT_EQ(i32At(b, area + 12), 0);
    EXPECT_EQ(i32At(b, area + 16), -5);
    EXPECT_EQ(i32At(b, area + 20), 40);
    EXPECT_EQ(i32At(b, area + 24), 30);
    EXPECT_EQ(i32At(b, area + 28), 8);
    EXPECT_EQ(textAt(b, area + 54, 16), "Hall            ");
}

TEST_F(MapFile, RoundTripKeepsEveryStoredField)
{
    clsMap source;
    buildSample(source);
    Viewpoint& gallery = source.viewpointRecord(source.numViewpoints++);
    gallery.name.assign("Gallery");
    gallery.x = -70;
    gallery.y = 35;
    gallery.z = 96;
    std::string path = dir.file("round.map");
    ASSERT_TRUE(source.WriteNewMPB(path, false));

    clsMap target;
    target.viewpointRecord(0).name.assign("Mine");
    target.numTreeSegs = 5;
    ASSERT_TRUE(target.ReadNewMPB(path));
    EXPECT_EQ(target.numTreeSegs, 0) << "a tree compiled from the previous map is dropped";
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(target.numWalls, 2);
    EXPECT_EQ(target.numAreas, 1);
    EXPECT_EQ(target.numGlobals, 6);
    EXPECT_EQ(target.vx, 150.5);
    EXPECT_EQ(target.vy, -20.25);
    EXPECT_EQ(target.vz, 40);
    EXPECT_EQ(target.vz0, 40);
    EXPECT_EQ(target.vd, 12);
    EXPECT_EQ(target.numViewpoints, 2) << "the file's viewpoints replace the map's";
    EXPECT_EQ(target.viewpointRecord(0).name.str(), "Initial position");
    EXPECT_EQ(target.viewpointRecord(1).name.str(), "Gallery         ");
    EXPECT_EQ((std::array {target.viewpointRecord(1).x, target.viewpointRecord(1).y, target.viewpointRecord(1).z}),
              (std::array {-70, 35, 96}));
    const Wall& w = target.wallRecord(1);
    EXPECT_EQ(w.x2, -5);
    EXPECT_EQ(w.wallFlags, 9);
    EXPECT_EQ(w.spareL3, 77);
    EXPECT_EQ(w.spareD2, 1.5);
    EXPECT_EQ(w.wallID, source.wallRecord(1).wallID);
    EXPECT_EQ(target.wallRecord(0).length, 50);
    EXPECT_EQ(w.length, 48) << "sqrt(35^2 + 33^2) = 48.1";
    target.getGlobal(5);
    EXPECT_EQ(target.globalName, "Gravity         ");
    EXPECT_EQ(target.globalValue, 0.0);
    target.getArea(0);
    EXPECT_EQ(target.areaName, "Hall            ");

    std::string again = dir.file("again.map");
    ASSERT_TRUE(target.WriteNewMPB(again, false));
    std::vector<uint8_t> a = qztest::readBytes(path), b = qztest::readBytes(again);
    EXPECT_EQ(a, b) << "a map read and saved again is the same file";
}

// Builds a file by hand: blocks in the given order, a directory with optional extra entries.
std::vector<uint8_t> handMadeFile(int32_t wallType, bool reversed, bool extraEntries)
{
    qz::ByteWriter out;
    out.zeros(64);
    struct Entry {
        int32_t type, position;
    };
    std::vector<Entry> entries;
    auto globals = [&] {
        entries.push_back({4, static_cast<int32_t>(out.size()) + 1});
        out.i32(1);
        out.f64(12005);
        out.raw("Gravity         ", 16);
        out.f64(3);
        out.zeros(32);
    };
    auto walls = [&] {
        entries.push_back({wallType, static_cast<int32_t>(out.size()) + 1});
        out.i32(1);
        out.f64(1);
        out.f64(2);
        out.i32(3);
        out.i16(4);
        for (int32_t v : {0, 0, 3, 4}) out.i32(v);
        out.zeros(148 - 16);
    };
    if (reversed) {
        globals();
        walls();
    } else {
        walls();
        globals();
    }
    int32_t directory = static_cast<int32_t>(out.size()) + 1;
    if (extraEntries) entries.insert(entries.begin(), {99, 1});
    if (extraEntries) entries.push_back({77, 99999});
    for (const Entry& e : entries) {
        out.i32(e.type);
        out.i32(e.position);
        out.zeros(56);
    }
    std::vector<uint8_t> bytes = out.bytes();
    std::memcpy(bytes.data(), "QZ3D", 4);
    int32_t count = static_cast<int32_t>(entries.size());
    std::memcpy(bytes.data() + 8, &count, 4);
    std::memcpy(bytes.data() + 12, &directory, 4);
    return bytes;
}

TEST_F(MapFile, BlockOrderExtraEntriesAndCompiledTypeReadAlike)
{
    for (int32_t type : {1, 8}) {
        for (bool reversed : {false, true}) {
            for (bool extra : {false, true}) {
                std::string path = dir.file("hand.map");
                qztest::writeBytes(path, handMadeFile(type, reversed, extra));
                clsMap map;
                ASSERT_TRUE(map.ReadNewMPB(path)) << type << reversed << extra;
                EXPECT_EQ(map.numWalls, 1);
                EXPECT_EQ(map.wallRecord(0).length, 5);
                EXPECT_EQ(map.vx, 1.0);
                EXPECT_EQ(map.vy, 2.0);
                EXPECT_EQ(map.vz, 3);
                EXPECT_EQ(map.vd, 4);
                EXPECT_EQ(map.numGlobals, 1);
                map.getGlobal(0);
                EXPECT_EQ(map.globalName, "Gravity         ");
                EXPECT_EQ(map.globalValue, 3.0);
                EXPECT_EQ(map.numAreas, 0);
                EXPECT_EQ(map.numViewpoints, 1);
            }
        }
    }
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(MapFile, CompiledWriteUsesTheTreeList)
{
    clsMap map;
    buildSample(map);
    map.numTreeSegs = 3;
    for (int i = 0; i < 3; ++i) map.treeSeg(i).x1 = 1000 + i;
    std::string path = dir.file("compiled.mpb");
    ASSERT_TRUE(map.WriteNewMPB(path, true));
    std::vector<uint8_t> b = qztest::readBytes(path);
    EXPECT_EQ(i32At(b, 64), 3);
    EXPECT_EQ(i32At(b, 90 + 2 * 148), 1000 + 2);
    int32_t directory = i32At(b, 12);
    EXPECT_EQ(i32At(b, directory - 1), 8);
    EXPECT_EQ(map.numWalls, 2);
}

TEST_F(MapFile, MissingFileSaysNoMap)
{
    clsMap map;
    const Outcome read = map.ReadNewMPB(dir.file("nothing.map"));
    EXPECT_FALSE(read);
    EXPECT_EQ(read.text, "No map");
    EXPECT_EQ(read.title, "");
    EXPECT_TRUE(messages.messages.empty()) << "the caller shows the message";
}

TEST_F(MapFile, TextFileIsNotAMapFile)
{
    std::string path = dir.file("notes.map");
    qztest::writeText(path, std::string(200, 'x'));
    clsMap map;
    map.addWall(1, 2, 3, 4, 0, -1);
    const Outcome read = map.ReadNewMPB(path);
    EXPECT_FALSE(read);
    EXPECT_EQ(read.title, "Read Error");
    EXPECT_EQ(read.text, "The file \"" + path + "\" is not a map file. The map was not changed.");
    EXPECT_EQ(map.numWalls, 1);

    qztest::writeText(path, "QZ");
    EXPECT_EQ(map.ReadNewMPB(path).text, "The file \"" + path + "\" is not a map file. The map was not changed.");
}

TEST_F(MapFile, DamagedFilesLeaveTheMapUnchanged)
{
    clsMap good;
    buildSample(good);
    std::string path = dir.file("good.map");
    ASSERT_TRUE(good.WriteNewMPB(path, false));
    const std::vector<uint8_t> valid = qztest::readBytes(path);
    size_t directory = static_cast<size_t>(i32At(valid, 12)) - 1;

    struct Case {
        const char* what;
        std::function<void(std::vector<uint8_t>&)> damage;
        std::string reason;
    };
    const std::string afterEnd = std::to_string(valid.size() + 1);
    const Case cases[] = {
        {"short header", [](std::vector<uint8_t>& b) { b.resize(40); }, "it is shorter than its 64-byte header"},
        {"directory outside", [](std::vector<uint8_t>& b) { int32_t p = 1 << 30; std::memcpy(&b[12], &p, 4); },
         "directory entry 1 at position 1073741824 lies outside the file"},
        {"directory at 0", [](std::vector<uint8_t>& b) { int32_t p = 0; std::memcpy(&b[12], &p, 4); },
         "directory entry 1 at position 0 lies outside the file"},
        {"huge entry count", [](std::vector<uint8_t>& b) { int32_t n = 0x7fffffff; std::memcpy(&b[8], &n, 4); },
         "directory entry 5 at position " + afterEnd + " lies outside the file"},
        {"last block outside", [&](std::vector<uint8_t>& b) { int32_t p = -5; std::memcpy(&b[directory + 3 * 64 + 4], &p, 4); },
         "the globals block at position -5 lies outside the file"},
        {"wall count 2002", [](std::vector<uint8_t>& b) { int32_t n = 2002; std::memcpy(&b[64], &n, 4); },
         "the wall block at position 65 holds 2002 records; the map holds 0 to 2001"},
        {"viewpoint count 202", [](std::vector<uint8_t>& b) { int32_t n = 202; std::memcpy(&b[64 + 26 + 2 * 148], &n, 4); },
         "the viewpoint block at position 387 holds 202 records; the map holds 0 to 201"},
        {"negative area count", [&](std::vector<uint8_t>& b) { int32_t n = -1; std::memcpy(&b[64 + 26 + 2 * 148 + 68], &n, 4); },
         "the area block at position 455 holds -1 records; the map holds 0 to 201"},
        {"globals past the end", [&](std::vector<uint8_t>& b) { int32_t n = 201; std::memcpy(&b[64 + 26 + 2 * 148 + 68 + 94], &n, 4); },
         "the globals block at position 549 runs past the end of the file"},
        {"cut in the directory", [&](std::vector<uint8_t>& b) { b.resize(directory + 100); },
         "directory entry 2 at position " + std::to_string(directory + 65) + " lies outside the file"},
        {"wall too long", [](std::vector<uint8_t>& b) {
             int32_t far = 2000000000, near = -2000000000;
             std::memcpy(&b[90 + 148], &near, 4);
             std::memcpy(&b[90 + 148 + 8], &far, 4);
             std::memcpy(&b[90 + 148 + 4], &near, 4);
             std::memcpy(&b[90 + 148 + 12], &far, 4);
         }, "a wall is too long"},
    };
    for (const Case& c : cases) {
        std::vector<uint8_t> bytes = valid;
        c.damage(bytes);
        std::string bad = dir.file("bad.map");
        qztest::writeBytes(bad, bytes);

        clsMap map;
        map.addWall(1, 2, 3, 4, 0, -1);
        map.vx = 5;
        map.getGlobal(0);
        double mapId = map.globalValue;
        const Outcome read = map.ReadNewMPB(bad);
        EXPECT_FALSE(read) << c.what;
        EXPECT_EQ(read.title, "Read Error") << c.what;
        EXPECT_EQ(read.text, "The map file \"" + bad + "\" is damaged: " + c.reason + ". The map was not changed.");
        EXPECT_EQ(map.numWalls, 1) << c.what;
        EXPECT_EQ(map.wallRecord(0).x2, 3) << c.what;
        EXPECT_EQ(map.vx, 5) << c.what;
        EXPECT_EQ(map.numGlobals, 6) << c.what;
        EXPECT_EQ(map.numViewpoints, 1) << c.what;
        map.getGlobal(0);
        EXPECT_EQ(map.globalValue, mapId) << c.what;
    }
    EXPECT_TRUE(messages.messages.empty()) << "the caller shows the message";
}

TEST_F(MapFile, FailedWriteKeepsThePreviousFile)
{
    clsMap map;
    std::string path = dir.file("keep.map");
    ASSERT_TRUE(map.WriteNewMPB(path, false));
    const std::vector<uint8_t> before = qztest::readBytes(path);

    const Outcome failed = map.WriteNewMPB(dir.file("no/such/dir/x.map"), false);
    EXPECT_FALSE(failed);
    EXPECT_EQ(failed.title, "Write Error");
    EXPECT_EQ(failed.text, "Path not found");
    EXPECT_EQ(failed.style, 16);
    EXPECT_TRUE(messages.messages.empty()) << "the caller shows the message";

    std::filesystem::create_directory(dir.file("blocked.map"));
    EXPECT_FALSE(map.WriteNewMPB(dir.file("blocked.map"), false));
    EXPECT_EQ(qztest::readBytes(path), before);

    // A longer old file is replaced whole: no stale tail after the directory.
    map.addWall(0, 0, 1, 1, 0, -1);
    ASSERT_TRUE(map.WriteNewMPB(path, false));
    map.numWalls = 0;
    ASSERT_TRUE(map.WriteNewMPB(path, false));
    EXPECT_EQ(qztest::readBytes(path).size(), 806u);
}

}  // namespace
