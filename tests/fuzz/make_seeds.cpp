// Writes the starting corpora of the fuzz targets from our own code: map files of several shapes
// for fuzz_read_map and settings texts for fuzz_profile.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "editor/model/clsMap.h"
#include "platform/message_box.h"
#include "platform/random.h"

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
    profileSeeds(folder / "fuzz_profile");
    return 0;
}
