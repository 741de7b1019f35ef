// Writes the starting corpora of the fuzz targets from our own code: map files of several shapes
// for the map readers, settings and header texts, and small bitmaps.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

#include "editor/edit/map_piece.h"
#include "editor/model/clsMap.h"
#include "editor/model/map_file_reader.h"
#include "format/map_json.h"
#include "platform/message_box.h"
#include "platform/random.h"
#include "tests/support/check_maps.h"
#include "tests/support/texture_lumps.h"
#include "tests/support/wad_builder.h"

using namespace qzedit;

namespace {

void writeText(const std::filesystem::path& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

void mapSeeds(const std::filesystem::path& folder)
{
    std::filesystem::create_directories(folder);
    {
        clsMap empty;
        empty.WriteNewMPB((folder / "empty.map").string(), false);
    }
    clsMap rooms;
    rooms.addPolySurround(6, 0, 0, 200);
    rooms.wallFlags = 1;
    rooms.addPolyCol(4, 50, 50, 20);
    rooms.areaName = "Hall";
    rooms.startArea(rooms.numWalls, 3);
    rooms.addWall(-100, -50, 300, 250, rooms.numWalls, rooms.numWalls + 1);
    rooms.addWall(300, 250, -100, -50, rooms.numWalls - 1, -1);
    rooms.endArea();
    rooms.WriteNewMPB((folder / "rooms.map").string(), false);
    rooms.createBSP();
    rooms.WriteNewMPB((folder / "rooms.mpb").string(), true);
}

void profileSeeds(const std::filesystem::path& folder)
{
    std::filesystem::create_directories(folder);
    // Byte 0 picks the section, byte 1 the key; the text runs to a byte 1, the value follows it.
    writeText(folder / "header", std::string("\x00\x00", 2) +
                                     "[Walls]\r\ncount=3\r\n1=brick.bmp\r\n\r\n[Floors]\r\nmap=demo.mpb\r\n"
                                     "\x01" "scratch.mpb");
    writeText(folder / "recent", std::string("\x02\x01", 2) +
                                     "; recent files\n[Recent Files]\nFile1 = \"c:\\maps\\a.map\"\nFile2=b.map\n"
                                     "[recent files]\nfile1=x\n\x01" "new.map");
    writeText(folder / "empty", std::string("\x05\x05", 2) + "\x01" "value");
}

void headerSeeds(const std::filesystem::path& folder)
{
    std::filesystem::create_directories(folder);
    writeText(folder / "demo.hdr",
              "[Quarzite3D]\r\nmap=demo.mpb\r\npal=palette.bmp\r\nskyName=sky.bmp\r\nanimInc=0.5\r\n"
              "transparentIndex=255\r\nnumWalls=2\r\nnumFloors=1\r\nnumAnim=1\r\nnumOverlays=2\r\n"
              "[Walls]\r\n1=brick.bmp\r\n2=GRATE.BMP\r\n[Floors]\r\n1=flag.bmp\r\n[Anim]\r\n1=a1.bmp\r\n"
              "[Overlays]\r\n1=t1.bmp\r\n2=t2.bmp\r\n[init]\r\nshowSnow=1\r\nshowCompass=1\r\n");
}

void bitmapSeeds(const std::filesystem::path& folder)
{
    std::filesystem::create_directories(folder);
    // An 8-bit bitmap header and colour table, then a few rows of pixels.
    std::string bitmap(1078, '\0');
    bitmap[0] = 'B';
    bitmap[1] = 'M';
    for (size_t i = 0; i < 256; ++i) bitmap[54 + 4 * i] = static_cast<char>(i);
    for (int i = 0; i < 300; ++i) bitmap += static_cast<char>(i * 7);
    writeText(folder / "small.bmp", bitmap);
}

void writeBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes)
{
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                 static_cast<std::streamsize>(bytes.size()));
}

// WADs with a room and with two rooms joined by a two-sided line, with the lumps of their
// textures: palette, patch names, a texture of two patches, patches and flats between markers.
void wadSeeds(const std::filesystem::path& folder)
{
    using namespace importtest;
    std::filesystem::create_directories(folder);
    TestMap room;
    addRoom(room, 0, 0, 256, 256, TestSector {});
    room.things.push_back({128, 64, 90, 1});
    TestMap pair = room;
    pair.sectors.push_back(TestSector {24, 160, "FLOOR", "F_SKY1", 160, 9, 0});
    pair.lines[2].back = pair.side({1, "UP", "-", "-", 0, 5});
    pair.sides[pair.lines[2].front].lower = "LOW";
    pair.wall(256, 256, 512, 256, 1);
    pair.wall(512, 256, 512, 0, 1);
    pair.wall(512, 0, 256, 0, 1);
    for (const auto& [name, map] : {std::pair {"room.wad", room}, std::pair {"pair.wad", pair}}) {
        WadBuilder wad;
        wad.lump("PLAYPAL", paletteLump([](int i) { return std::array<uint8_t, 3> {static_cast<uint8_t>(i), 0, 0}; }));
        wad.lump("PNAMES", patchNamesLump({"P1", "P2"}));
        wad.lump("TEXTURE1", textureLump({{"WALL", 64, 72, {{0, 0, 0}, {32, 8, 1}}}, {"SKY1", 256, 128, {{0, 0, 1}}}}));
        wad.lump("P1", patchLump(40, 72, [](int x, int y) { return (x + y) % 5 == 0 ? -1 : x + y; }));
        wad.lump("P2", patchLump(16, 16, [](int x, int) { return x; }));
        wad.map("MAP01", map);
        wad.lump("F_START");
        wad.lump("FLOOR", std::vector<uint8_t>(4096, 7));
        wad.lump("F_END");
        writeBytes(folder / name, wad.bytes("IWAD"));
    }
}

// The map's JSON: a whole map as qzmap dump writes it, an area and free walls as Copy puts them
// on the clipboard, and a few records written by hand.
void jsonSeeds(const std::filesystem::path& folder)
{
    std::filesystem::create_directories(folder);
    clsMap every;
    qztest::buildEveryFindingMap(every);
    const std::string whole = folder / "every.map";
    every.WriteNewMPB(whole, false);
    std::ifstream in(whole, std::ios::binary);
    const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    writeText(folder / "every.json", mapfile::mapJson(parseMapFile(bytes)));
    std::filesystem::remove(whole);
    writeText(folder / "area.json", pieceText(copyPiece(every, {{}, 0})));
    writeText(folder / "walls.json", pieceText(copyPiece(every, {{11, 16, 17}, -1})));
    writeText(folder / "by-hand.json",
              "{\"walls\": [{\"x1\": 0, \"y1\": 0, \"x2\": 10, \"y2\": 0, \"areaNext\": 1}, {\"x2\": 5e1, \"areaNext\": -1}],\n"
              " \"areas\": [{\"areaFirstWall\": 0, \"areaName\": \"Caf\\u00e9 \\ud83d\\ude00\"}], \"viewerStart\": null}\n");
}

// Shape files: walls and turtle steps of every kind, tags in any case, area and unknown tags.
void shapeSeeds(const std::filesystem::path& folder)
{
    std::filesystem::create_directories(folder);
    writeText(folder / "square.xml", "<QZSHAPE>\n<TURTLEWALL>AR90,FD100</TURTLEWALL>\n<TURTLEWALL>RT90,FD100</TURTLEWALL>\n"
                                     "<TURTLEWALL>RT90,FD100</TURTLEWALL>\n<TURTLEWALL>RT90,FD100</TURTLEWALL>\n"
                                     "<WALL>0,200,100,200</WALL>\n");
    writeText(folder / "mixed.xml", "<qzshape version 2>\n<!-- note --><AREA name=\"a\"><wall>1.5,-2.5,30,40</wall>"
                                    "<TurtleWall>lt45,bd20</TurtleWall><TURTLEWALL>AL180,ZZ5</TURTLEWALL></AREA>"
                                    "<TURTLEWALL>RT0.5,FD0</TURTLEWALL><WALL\t>1,2,3,4,5</WALL></QZSHAPE>");
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: fuzz_seeds FOLDER\n";
        return 2;
    }
    qz::setFixedRandomSeed(7);
    std::filesystem::path folder = argv[1];
    mapSeeds(folder / "fuzz_read_map");
    mapSeeds(folder / "fuzz_map_check");
    {
        clsMap every;
        qztest::buildEveryFindingMap(every);
        every.WriteNewMPB((folder / "fuzz_map_check" / "every.map").string(), false);
    }
    profileSeeds(folder / "fuzz_profile");
    mapSeeds(folder / "fuzz_engine_world");
    headerSeeds(folder / "fuzz_engine_header");
    bitmapSeeds(folder / "fuzz_engine_bitmaps");
    wadSeeds(folder / "fuzz_wad_reader");
    shapeSeeds(folder / "fuzz_shape_file");
    jsonSeeds(folder / "fuzz_map_json");
    return 0;
}
