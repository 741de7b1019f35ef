#pragma once
#include <ostream>
#include <string>

// The commands of qzmap. Each prints its result on out and returns true; on failure it returns
// false with a one-line message in failure and prints nothing.
bool infoCommand(const std::string& path, std::ostream& out, std::string& failure);
bool dumpCommand(const std::string& path, std::ostream& out, std::string& failure);
bool compileCommand(const std::string& inPath, const std::string& outPath, std::ostream& out, std::string& failure);

// qzmap import-wad FILE.wad: the maps of the WAD, one a line.
bool listWadMapsCommand(const std::string& wadPath, std::ostream& out, std::string& failure);

struct ImportWadArguments {
    std::string wadPath, mapName, outPath;
    std::string texturesDir;  // empty: no textures
    bool fit = false;
};
// qzmap import-wad FILE.wad MAP OUT.map [--textures DIR] [--fit]: prints the import report.
bool importWadCommand(const ImportWadArguments& args, std::ostream& out, std::string& failure);

struct CheckArguments {
    std::string mapPath;
    std::string headerPath;  // empty: textures are not checked
    bool json = false;
};
// qzmap check FILE [--json] [--header HDR]: prints the map checker's findings as lines or JSON;
// foundErrors tells whether any of them is an error.
bool checkCommand(const CheckArguments& args, std::ostream& out, std::string& failure, bool& foundErrors);
