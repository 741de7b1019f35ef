#include <cstring>
#include <filesystem>
#include <limits>

#include "engine/map_reader.h"
#include "engine/world_loader.h"
#include "tests/support/engine_files.h"

namespace enginetest {
namespace {

class WorldTest : public EngineTest {
protected:
    bool loadBytes(const std::vector<uint8_t>& bytes)
    {
        write("level.mpb", bytes);
        return engine::LoadWorld("level.mpb");
    }
    // A compiled tree of three nodes: 0 -> front 1, back 2.
    static TestMap treeMap()
    {
        TestMap testMap;
        addRoom(testMap, 0, 0, 100, 100, "Room");
        testMap.nodes[0].front = 1;
        testMap.nodes[0].back = 2;
        testMap.nodes[2].front = 3;
        testMap.vx = 50.5;
        testMap.vy = 60.25;
        testMap.vz = 72;
        testMap.vd = 40;
        testMap.globals = {global(12000, 4242.5), global(12004, 24.5), global(12005, 1)};
        return testMap;
    }
    std::string lastMessage() const { return messages.messages.empty() ? "" : messages.messages.back().text; }
};

TEST_F(WorldTest, ReadsNodesViewerStartAreasAndGlobals)
{
    TestMap testMap = treeMap();
    testMap.nodes[1].txrWall = 9;
    testMap.nodes[3].wallFlags = 32;
    testMap.nodes[3].xo = -3;
    ASSERT_TRUE(loadBytes(mapFile(testMap)));
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(s().nodeCount, 4);
    EXPECT_EQ(s().nodes[0].front, 1);
    EXPECT_EQ(s().nodes[0].back, 2);
    EXPECT_EQ(s().nodes[3].wallFlags, 32);
    EXPECT_EQ(s().nodes[3].xo, -3);
    EXPECT_EQ(s().nodes[1].x1, 100);
    EXPECT_EQ(s().nodes[1].y2, 100);
    EXPECT_EQ(s().highestWallTexture, 9);
    EXPECT_EQ(s().viewX, 50.5);
    EXPECT_EQ(s().viewY, 60.25);
    EXPECT_EQ(s().eyeZ, 72);
    EXPECT_EQ(s().viewAngle, 40);
    EXPECT_EQ(s().areaCount, 1);
    EXPECT_EQ(s().areas[0].areaName.str(), "Room            ");
    EXPECT_EQ(s().globalCount, 3);
    EXPECT_EQ(s().mapIdentifier, 4242.5);
    EXPECT_EQ(s().maxStepHeight, 24) << "rounded half to even";
    EXPECT_EQ(s().gravity, 1);
}

TEST_F(WorldTest, LengthIsTheRoundedDistance)
{
    TestMap testMap;
    testMap.nodes = {node(0, 0, 3, 4), node(0, 0, 1, 1), node(0, 0, 5, 0), node(INT32_MIN, 0, INT32_MAX, 0)};
    ASSERT_TRUE(loadBytes(mapFile(testMap)));
    EXPECT_EQ(s().nodes[0].length, 5);
    EXPECT_EQ(s().nodes[1].length, 1);
    EXPECT_EQ(s().nodes[2].length, 5);
    EXPECT_EQ(s().nodes[3].length, INT32_MAX) << "clamped instead of overflowing";
}

TEST_F(WorldTest, WallBlockTypeAndVersionDoNotMatter)
{
    TestMap testMap = treeMap();
    std::vector<uint8_t> compiled = mapFile(testMap);
    ASSERT_TRUE(loadBytes(compiled));
    std::vector<engine::Node> expected(s().nodes.begin(), s().nodes.begin() + 4);
    for (auto [type, version] : {std::pair {1, 146}, std::pair {8, 145}, std::pair {1, 999}}) {
        engine::state() = engine::EngineState();
        testMap.wallType = type;
        testMap.version = version;
        ASSERT_TRUE(loadBytes(mapFile(testMap)));
        ASSERT_EQ(s().nodeCount, 4);
        for (size_t k = 0; k < 4; ++k) EXPECT_EQ(std::memcmp(&s().nodes[k], &expected[k], sizeof(engine::Node)), 0);
    }
}

TEST_F(WorldTest, DirectoryOrderAndUnknownEntriesDoNotMatter)
{
    std::vector<uint8_t> bytes = mapFile(treeMap());
    size_t directoryStart = directoryOffset(bytes);
    std::vector<uint8_t> entries(bytes.begin() + static_cast<long>(directoryStart), bytes.end());
    std::vector<uint8_t> shuffled(bytes.begin(), bytes.begin() + static_cast<long>(directoryStart));
    for (size_t k : {3, 2, 1, 0}) shuffled.insert(shuffled.end(), entries.begin() + static_cast<long>(k * 64),
                                                  entries.begin() + static_cast<long>(k * 64 + 64));
    std::vector<uint8_t> unknown(64, 0);
    patchI32(unknown, 0, 77);
    patchI32(unknown, 4, 1);
    shuffled.insert(shuffled.end(), unknown.begin(), unknown.end());
    patchI32(shuffled, 8, 5);
    ASSERT_TRUE(loadBytes(shuffled));
    EXPECT_EQ(s().nodeCount, 4);
    EXPECT_EQ(s().areaCount, 1);
    EXPECT_EQ(s().gravity, 1);
}

TEST_F(WorldTest, OnlyTheLowSixteenBitsOfTheEntryCountAreUsed)
{
    std::vector<uint8_t> bytes = mapFile(treeMap());
    patchI32(bytes, 8, 0x10001);  // one entry: the wall block
    ASSERT_TRUE(loadBytes(bytes));
    EXPECT_EQ(s().nodeCount, 4);
    EXPECT_EQ(s().areaCount, 0);
    patchI32(bytes, 8, 0xFFFF);  // -1: nothing is read
    engine::state() = engine::EngineState();
    ASSERT_TRUE(loadBytes(bytes));
    EXPECT_EQ(s().nodeCount, 0);
}

TEST_F(WorldTest, GravityFollowsGlobal12005)
{
    TestMap testMap = treeMap();
    testMap.globals = {global(12005, 0)};
    ASSERT_TRUE(loadBytes(mapFile(testMap)));
    EXPECT_EQ(s().gravity, 0);
    testMap.globals = {global(12001, 5), global(12004.5, 1)};
    ASSERT_TRUE(loadBytes(mapFile(testMap)));
    EXPECT_EQ(s().gravity, 0);
    EXPECT_EQ(s().maxStepHeight, 0) << "12004.5 is not 12004";
    testMap.globals = {global(12005, 1e12), global(12004, -1e12)};
    ASSERT_TRUE(loadBytes(mapFile(testMap)));
    EXPECT_EQ(s().gravity, 32767);
    EXPECT_EQ(s().maxStepHeight, INT32_MIN);
}

TEST_F(WorldTest, MapWithoutAreaBlockKeepsTheAreasItHad)
{
    TestMap testMap = treeMap();
    testMap.withAreas = false;
    ASSERT_TRUE(loadBytes(mapFile(testMap)));
    EXPECT_EQ(s().areaCount, 0);
    ASSERT_TRUE(loadBytes(mapFile(treeMap())));
    ASSERT_TRUE(loadBytes(mapFile(testMap)));
    EXPECT_EQ(s().areaCount, 1);
}

TEST_F(WorldTest, LaterBlockOfTheSameKindReplacesTheEarlier)
{
    TestMap first = treeMap();
    std::vector<uint8_t> bytes = mapFile(first);
    TestMap second;
    second.nodes = {node(1, 2, 3, 4)};
    second.vx = -7;
    std::vector<uint8_t> other = mapFile(second);
    // Append the other file's wall block and list it as a fifth directory entry.
    size_t appendedAt = bytes.size();
    bytes.insert(bytes.end(), other.begin() + 64, other.begin() + 64 + 26 + 148);
    std::vector<uint8_t> entry(64, 0);
    patchI32(entry, 0, 1);
    patchI32(entry, 4, static_cast<int32_t>(appendedAt + 1));
    std::vector<uint8_t> directory(bytes.begin() + static_cast<long>(directoryOffset(bytes)),
                                   bytes.begin() + static_cast<long>(directoryOffset(bytes) + 4 * 64));
    directory.insert(directory.end(), entry.begin(), entry.end());
    patchI32(bytes, 12, static_cast<int32_t>(bytes.size() + 1));
    patchI32(bytes, 8, 5);
    bytes.insert(bytes.end(), directory.begin(), directory.end());
    ASSERT_TRUE(loadBytes(bytes));
    EXPECT_EQ(s().nodeCount, 1);
    EXPECT_EQ(s().nodes[0].x2, 3);
    EXPECT_EQ(s().viewX, -7.0);
    EXPECT_EQ(s().areaCount, 1);
}

TEST_F(WorldTest, StartDirectionIsTakenModulo128)
{
    TestMap testMap = treeMap();
    testMap.vd = 200;
    ASSERT_TRUE(loadBytes(mapFile(testMap)));
    EXPECT_EQ(s().viewAngle, 72);
    testMap.vd = -1;
    ASSERT_TRUE(loadBytes(mapFile(testMap)));
    EXPECT_EQ(s().viewAngle, 127);
}

TEST_F(WorldTest, MissingMapSaysNoMapAndKeepsTheWorld)
{
    ASSERT_TRUE(loadBytes(mapFile(treeMap())));
    EXPECT_FALSE(engine::LoadWorld("absent.mpb"));
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "No map");
    EXPECT_EQ(messages.messages[0].title, "");
    EXPECT_EQ(messages.messages[0].style, 0);
    EXPECT_EQ(s().nodeCount, 4);
}

TEST_F(WorldTest, WindowsNamesAreFound)
{
    std::filesystem::create_directory(dir.path() + "/maps");
    qztest::writeBytes(dir.path() + "/maps/Level.MPB", mapFile(treeMap()));
    EXPECT_TRUE(engine::LoadWorld("maps\\level.MPB"));
    EXPECT_EQ(s().nodeCount, 4);
}

// Damaged files: refused as a whole with a message naming the block and record.
class DamagedMapTest : public WorldTest {
protected:
    void SetUp() override { ASSERT_TRUE(loadBytes(mapFile(treeMap()))); }

    void expectRefused(const std::vector<uint8_t>& bytes, const std::string& fault)
    {
        messages.messages.clear();
        s().viewX = 1234;
        EXPECT_FALSE(loadBytes(bytes));
        ASSERT_EQ(messages.messages.size(), 1u);
        EXPECT_EQ(messages.messages[0].text, "The map level.mpb is damaged and was not loaded: " + fault + ".");
        EXPECT_EQ(messages.messages[0].title, "Load Error");
        EXPECT_EQ(messages.messages[0].style, 16);
        EXPECT_EQ(s().nodeCount, 4) << "the previous world stays";
        EXPECT_EQ(s().areaCount, 1);
        EXPECT_EQ(s().viewX, 1234.0);
    }
};

TEST_F(DamagedMapTest, CountsAboveTheTablesAreRefused)
{
    std::vector<uint8_t> bytes = mapFile(treeMap());
    patchI32(bytes, kWallCountOffset, 2002);
    expectRefused(bytes, "the wall block (directory entry 1) holds 2002 records, outside 0..2001");
    patchI32(bytes, kWallCountOffset, -1);
    expectRefused(bytes, "the wall block (directory entry 1) holds -1 records, outside 0..2001");

    bytes = mapFile(treeMap());
    size_t areaBlock = static_cast<size_t>(readI32(bytes, directoryOffset(bytes) + 2 * 64 + 4) - 1);
    patchI32(bytes, areaBlock, 5000);
    expectRefused(bytes, "the area block (directory entry 3) holds 5000 records, outside 0..2001");
}

TEST_F(DamagedMapTest, PositionsOutsideTheFileAreRefused)
{
    std::vector<uint8_t> bytes = mapFile(treeMap());
    expectRefused(std::vector<uint8_t>(bytes.begin(), bytes.begin() + 63), "the file header is shorter than 64 bytes");

    std::vector<uint8_t> moved = bytes;
    patchI32(moved, 12, static_cast<int32_t>(bytes.size()));
    expectRefused(moved, "directory entry 1 lies outside the file");
    patchI32(moved, 12, -5);
    expectRefused(moved, "directory entry 1 lies outside the file");

    moved = bytes;
    patchI32(moved, directoryOffset(bytes) + 4, 0);
    expectRefused(moved, "the wall block (directory entry 1) lies outside the file");
    patchI32(moved, directoryOffset(bytes) + 4, INT32_MAX);
    expectRefused(moved, "the wall block (directory entry 1) lies outside the file");

    moved = bytes;
    patchI32(moved, kWallCountOffset, 40);  // the records run into the other blocks and past the end
    int32_t fitting = static_cast<int32_t>((bytes.size() - kFirstNodeOffset) / kNodeBytes);
    expectRefused(moved, "record " + std::to_string(fitting) + " of the wall block (directory entry 1) lies outside the file");

    std::vector<uint8_t> cut(bytes.begin(), bytes.begin() + static_cast<long>(directoryOffset(bytes) + 100));
    expectRefused(cut, "directory entry 2 lies outside the file");
}

TEST_F(DamagedMapTest, TreeLinksOutsideTheNodeTableAreRefused)
{
    TestMap testMap = treeMap();
    testMap.nodes[2].front = 4;
    expectRefused(mapFile(testMap),
                  "node 2 of the wall block links its front child to node 4, outside the node table 0..3");
    testMap = treeMap();
    testMap.nodes[3].back = -1;
    expectRefused(mapFile(testMap),
                  "node 3 of the wall block links its back child to node -1, outside the node table 0..3");
}

TEST_F(DamagedMapTest, LinksThatDoNotFormATreeAreRefused)
{
    TestMap testMap = treeMap();
    testMap.nodes[3].back = 2;  // 2 -> 3 -> 2: a cycle below the root
    expectRefused(mapFile(testMap), "node 2 of the wall block is reached twice from the root (again from node 3): "
                                 "its front and back links do not form a tree");
    testMap = treeMap();
    testMap.nodes[1].back = 3;  // 3 is also 2's front child
    std::vector<uint8_t> bytes = mapFile(testMap);
    EXPECT_FALSE(loadBytes(bytes));
    EXPECT_NE(lastMessage().find("do not form a tree"), std::string::npos);
    testMap = treeMap();
    testMap.nodes[2].back = 2;  // its own child
    EXPECT_FALSE(loadBytes(mapFile(testMap)));
    EXPECT_NE(lastMessage().find("node 2 of the wall block is reached twice"), std::string::npos);
}

TEST_F(DamagedMapTest, ViewerStartThatIsNotANumberIsRefused)
{
    TestMap testMap = treeMap();
    testMap.vx = std::numeric_limits<double>::quiet_NaN();
    expectRefused(mapFile(testMap), "the wall block (directory entry 1) holds a viewer start that is not a number");
}

TEST_F(WorldTest, NodesOutsideTheTreeAndAreaLinksOutsideTheTableAreAccepted)
{
    TestMap testMap = treeMap();
    testMap.nodes[0].front = 0;  // nodes 1 is unreachable: never drawn, still a node for collisions
    testMap.nodes[1].areaNext = 999;
    testMap.areas[0].areaFirstWall = -50;
    EXPECT_TRUE(loadBytes(mapFile(testMap)));
    EXPECT_TRUE(messages.messages.empty());
}

}  // namespace
}  // namespace enginetest
