#include "format/engine_header.h"

namespace headerfile {
namespace {

std::string line(const std::string& key, const std::string& value) { return key + "=" + value + "\n"; }

std::string count(const std::vector<std::string>& list) { return std::to_string(list.size()); }

std::string listSection(const std::string& name, const std::vector<std::string>& files)
{
    std::string text = "\n[" + name + "]\n";
    for (size_t entry = 0; entry < files.size(); ++entry) text += line(std::to_string(entry + 1), files[entry]);
    return text;
}

}  // namespace

std::string headerText(const HeaderContents& contents)
{
    std::string text = "[Quarzite3D]\n";
    text += line("map", contents.map);
    text += line("pal", contents.palette);
    text += line("skyName", contents.sky);
    text += line("animInc", contents.animInc);
    text += line("animObjectInc", "0");
    text += line("animWallNum", "0");
    text += line("transparentIndex", std::to_string(contents.transparentIndex));
    text += line("numOverlays", count(contents.overlays));
    text += line("numWalls", count(contents.walls));
    text += line("numAnim", count(contents.anim));
    text += line("numCeilings", count(contents.ceilings));
    text += line("numFloors", count(contents.floors));
    text += line("numObjects", count(contents.objects));
    text += line("numCreatures", "0");
    text += listSection("Overlays", contents.overlays);
    text += listSection("Objects", contents.objects);
    text += listSection("Walls", contents.walls);
    text += listSection("Anim", contents.anim);
    text += listSection("Floors", contents.floors);
    text += listSection("Ceilings", contents.ceilings);
    return text;
}

}  // namespace headerfile
