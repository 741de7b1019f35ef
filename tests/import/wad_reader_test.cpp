#include <gtest/gtest.h>

#include "editor/import/doom_map.h"
#include "editor/import/texture_defs.h"
#include "editor/import/wad_error.h"
#include "editor/import/wad_file.h"
#include "editor/import/wad_maps.h"
#include "tests/support/wad_builder.h"

using namespace qzedit;

namespace importtest {
namespace {

TestMap oneRoom()
{
    TestMap map;
    addRoom(map, 0, 0, 256, 256, TestSector {});
    map.things.push_back({128, 64, 90, 1});
    return map;
}

std::string failure(const std::vector<uint8_t>& bytes, const std::string& mapName = "MAP01")
{
    try {
        wad::WadFile file(bytes, "test.wad");
        wad::readDoomMap(file, mapName);
        readTextureDefs(file, readPatchNames(file).size());
    } catch (const wad::WadError& e) {
        return e.what();
    }
    return "";
}

void setI32(std::vector<uint8_t>& bytes, size_t offset, int32_t v)
{
    for (int k = 0; k < 4; ++k) bytes[offset + k] = static_cast<uint8_t>((v >> (8 * k)) & 0xFF);
}

TEST(WadReader, ReadsTheDirectoryAndTheMapLumps)
{
    WadBuilder wad;
    wad.lump("PLAYPAL", std::vector<uint8_t>(768, 3));
    wad.map("E1M1", oneRoom());
    wad.map("map02", oneRoom());
    const wad::WadFile file(wad.bytes("IWAD"), "test.wad");
    EXPECT_TRUE(file.isIwad());
    ASSERT_EQ(file.lumps().size(), 13u);
    EXPECT_EQ(file.lumps()[0].name, "PLAYPAL");
    EXPECT_EQ(file.lumps()[0].position, 12);
    EXPECT_EQ(file.lumps()[0].size, 768);
    EXPECT_EQ(file.lumps()[7].name, "MAP02") << "names read in upper case";
    EXPECT_EQ(file.lumpBytes(0)[767], 3);
    EXPECT_EQ(*file.findLast("THINGS"), 8u);
    EXPECT_EQ(*file.findLast("THINGS", 0, 8), 2u);

    const std::vector<wad::MapEntry> maps = wad::listMaps(file);
    ASSERT_EQ(maps.size(), 2u);
    EXPECT_EQ(maps[0].name, "E1M1");
    EXPECT_EQ(maps[1].name, "MAP02");

    const wad::DoomMap map = wad::readDoomMap(file, "MAP02");
    ASSERT_EQ(map.vertexes.size(), 4u);
    EXPECT_EQ(map.vertexes[1].y, 256);
    ASSERT_EQ(map.linedefs.size(), 4u);
    EXPECT_EQ(map.linedefs[1].v1, 1);
    EXPECT_EQ(map.linedefs[1].v2, 2);
    EXPECT_EQ(map.linedefs[1].front, 1);
    EXPECT_EQ(map.linedefs[1].back, wad::kNoSide);
    ASSERT_EQ(map.sidedefs.size(), 4u);
    EXPECT_EQ(map.sidedefs[0].middle, "WALL");
    EXPECT_EQ(map.sidedefs[0].upper, "-");
    ASSERT_EQ(map.sectors.size(), 1u);
    EXPECT_EQ(map.sectors[0].ceiling, 128);
    EXPECT_EQ(map.sectors[0].floorFlat, "FLOOR");
    ASSERT_EQ(map.things.size(), 1u);
    EXPECT_EQ(map.things[0].angle, 90);
}

TEST(WadReader, LaterMapOfOneNameWinsAndOtherLayoutsAreNamed)
{
    TestMap bigger = oneRoom();
    addRoom(bigger, 300, 0, 400, 100, TestSector {});
    WadBuilder wad;
    wad.map("MAP01", oneRoom());
    wad.map("MAP01", bigger);
    wad.map("MAP03", oneRoom());
    wad.lump("BEHAVIOR", {0});
    wad.lump("MAP04");
    wad.lump("TEXTMAP", {'x'});
    wad.lump("ENDMAP");
    wad.lump("MAP05");  // a marker with no map after it
    const wad::WadFile file(wad.bytes(), "test.wad");
    EXPECT_FALSE(file.isIwad());
    const std::vector<wad::MapEntry> maps = wad::listMaps(file);
    ASSERT_EQ(maps.size(), 3u);
    EXPECT_EQ(maps[0].name, "MAP01");
    EXPECT_EQ(maps[0].marker, 6u);
    EXPECT_EQ(maps[1].format, wad::MapFormat::Hexen);
    EXPECT_EQ(maps[2].format, wad::MapFormat::Udmf);
    EXPECT_EQ(wad::readDoomMap(file, "MAP01").sectors.size(), 2u);
    EXPECT_EQ(failure(wad.bytes(), "MAP03"), "MAP03 is a map in the Hexen layout; only classic Doom-format maps can be imported");
    EXPECT_EQ(failure(wad.bytes(), "MAP04"), "MAP04 is a map in the UDMF text layout; only classic Doom-format maps can be imported");
    EXPECT_EQ(failure(wad.bytes(), "MAP09"), "test.wad has no map MAP09");
}

TEST(WadReader, DamagedFilesAreRefusedNamingTheLumpAndRecord)
{
    WadBuilder good;
    good.map("MAP01", oneRoom());
    const std::vector<uint8_t> bytes = good.bytes();
    EXPECT_EQ(failure(bytes), "");

    EXPECT_EQ(failure({'P', 'W', 'A', 'D', 0}), "test.wad is not a WAD file: 5 bytes, shorter than the 12-byte header");
    EXPECT_EQ(failure(std::vector<uint8_t>(20, 'x')), "test.wad is not a WAD file: it does not start with IWAD or PWAD");

    std::vector<uint8_t> manyLumps = bytes;
    setI32(manyLumps, 4, 1000);
    const int32_t directory = static_cast<int32_t>(bytes.size()) - 6 * 16;
    EXPECT_EQ(failure(manyLumps), "test.wad: the directory of 1000 lumps at byte " + std::to_string(directory) +
                                      " runs past the end of the file (" + std::to_string(bytes.size()) + " bytes)");

    // The file cut in the middle of the SECTORS lump, the directory kept.
    std::vector<uint8_t> truncated = bytes;
    const size_t sectorsEntry = static_cast<size_t>(directory) + 5 * 16;
    setI32(truncated, sectorsEntry + 4, 26 + 100000);
    EXPECT_EQ(failure(truncated), "test.wad: lump 5 (SECTORS) is truncated: 100026 bytes at byte 214 of a file of " +
                                      std::to_string(bytes.size()) + " bytes");

    TestMap badVertex = oneRoom();
    badVertex.lines[2].v2 = 99;
    WadBuilder w1;
    w1.map("MAP01", badVertex);
    EXPECT_EQ(failure(w1.bytes()), "LINEDEFS record 2 of MAP01: vertex 99 is out of range (4 vertexes)");

    TestMap badSide = oneRoom();
    badSide.lines[3].back = 7;
    WadBuilder w2;
    w2.map("MAP01", badSide);
    EXPECT_EQ(failure(w2.bytes()), "LINEDEFS record 3 of MAP01: sidedef 7 is out of range (4 sidedefs)");

    TestMap noFront = oneRoom();
    noFront.lines[0].front = kNone;
    WadBuilder w3;
    w3.map("MAP01", noFront);
    EXPECT_EQ(failure(w3.bytes()), "LINEDEFS record 0 of MAP01 has no front sidedef");

    TestMap badSector = oneRoom();
    badSector.sides[1].sector = 1;
    WadBuilder w4;
    w4.map("MAP01", badSector);
    EXPECT_EQ(failure(w4.bytes()), "SIDEDEFS record 1 of MAP01: sector 1 is out of range (1 sectors)");

    WadBuilder w5;
    w5.lump("MAP01");
    w5.lump("THINGS", thingsLump(oneRoom()));
    w5.lump("LINEDEFS", linedefsLump(oneRoom()));
    std::vector<uint8_t> sides = sidedefsLump(oneRoom());
    sides.resize(sides.size() - 15);
    w5.lump("SIDEDEFS", sides);
    w5.lump("VERTEXES", vertexesLump(oneRoom()));
    w5.lump("SECTORS", sectorsLump(oneRoom()));
    EXPECT_EQ(failure(w5.bytes()),
              "SIDEDEFS of MAP01 holds 105 bytes, not a whole number of 30-byte records: record 3 is cut short");

    WadBuilder w6;
    w6.lump("MAP01");
    w6.lump("THINGS", thingsLump(oneRoom()));
    w6.lump("LINEDEFS", linedefsLump(oneRoom()));
    w6.lump("VERTEXES", vertexesLump(oneRoom()));
    w6.lump("SECTORS", sectorsLump(oneRoom()));
    EXPECT_EQ(failure(w6.bytes()), "map MAP01 has no SIDEDEFS lump");
}

TEST(WadReader, TextureListsAreCheckedAgainstTheirLumps)
{
    auto withLumps = [](std::vector<uint8_t> pnames, std::vector<uint8_t> texture1) {
        WadBuilder wad;
        wad.map("MAP01", oneRoom());
        wad.lump("PNAMES", std::move(pnames));
        wad.lump("TEXTURE1", std::move(texture1));
        return wad.bytes();
    };
    std::vector<uint8_t> pnames;
    putI32(pnames, 2);
    putName(pnames, "brick");
    putName(pnames, "PIPE");
    std::vector<uint8_t> texture;
    putI32(texture, 1);
    putI32(texture, 8);
    putName(texture, "WALL");
    putI32(texture, 0);
    putI16(texture, 64);
    putI16(texture, 72);
    putI32(texture, 0);
    putI16(texture, 2);
    for (int32_t v : {0, 0, 1, 1, 0, 32, 8, 0, 1, 0}) putI16(texture, v);

    const wad::WadFile file(withLumps(pnames, texture), "test.wad");
    const std::vector<std::string> names = wad::readPatchNames(file);
    EXPECT_EQ(names, (std::vector<std::string> {"BRICK", "PIPE"}));
    const std::vector<wad::TextureDef> defs = wad::readTextureDefs(file, names.size());
    ASSERT_EQ(defs.size(), 1u);
    EXPECT_EQ(defs[0].name, "WALL");
    EXPECT_EQ(defs[0].width, 64);
    EXPECT_EQ(defs[0].height, 72);
    ASSERT_EQ(defs[0].patches.size(), 2u);
    EXPECT_EQ(defs[0].patches[1].originX, 32);
    EXPECT_EQ(defs[0].patches[1].originY, 8);
    EXPECT_EQ(defs[0].patches[1].patch, 0);

    std::vector<uint8_t> manyNames = pnames;
    manyNames[0] = 50;
    EXPECT_EQ(failure(withLumps(manyNames, texture)), "PNAMES counts 50 patch names, more than its 20 bytes hold");
    std::vector<uint8_t> manyTextures = texture;
    manyTextures[0] = 20;
    EXPECT_EQ(failure(withLumps(pnames, manyTextures)), "TEXTURE1 counts 20 textures, more than its 50 bytes hold offsets for");
    std::vector<uint8_t> farOffset = texture;
    farOffset[4] = 40;
    EXPECT_EQ(failure(withLumps(pnames, farOffset)), "TEXTURE1 texture 0: its offset 40 lies outside the lump (50 bytes)");
    std::vector<uint8_t> manyPatches = texture;
    manyPatches[28] = 3;
    EXPECT_EQ(failure(withLumps(pnames, manyPatches)), "TEXTURE1 texture 0 (WALL) counts 3 patches, more than the lump holds");
    std::vector<uint8_t> huge = texture;
    huge[23] = 0x20;
    EXPECT_EQ(failure(withLumps(pnames, huge)), "TEXTURE1 texture 0 (WALL) is 64 x 8264 texels, outside 1 .. 4096");
    std::vector<uint8_t> badPatch = texture;
    badPatch[30 + 4] = 2;
    EXPECT_EQ(failure(withLumps(pnames, badPatch)),
              "TEXTURE1 texture 0 (WALL) patch 0: patch number 2 is out of range (2 patch names)");
}

}  // namespace
}  // namespace importtest
