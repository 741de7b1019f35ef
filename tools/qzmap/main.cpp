#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "platform/random.h"
#include "tools/qzmap/commands.h"

namespace {

constexpr const char* kUsage =
    "usage: qzmap info FILE          counts, viewer start and directory of a map file\n"
    "       qzmap dump FILE          every record of every block as JSON\n"
    "       qzmap compile IN OUT     build the BSP tree of IN and write the compiled map OUT\n"
    "       qzmap import-wad FILE.wad\n"
    "                                the maps of a Doom WAD file\n"
    "       qzmap import-wad FILE.wad MAP OUT.map [--textures DIR] [--fit]\n"
    "                                convert a map of the WAD into OUT.map and print the import\n"
    "                                report; --textures writes its palette, textures, flats, sky,\n"
    "                                compiled map and header into DIR; --fit imports the part\n"
    "                                around the player start that fits when the whole map does not\n"
    "       qzmap check FILE [--json] [--header HDR]\n"
    "                                what in the map the engine cannot take or will show wrongly,\n"
    "                                each finding with its record and what to do; --header also\n"
    "                                checks texture numbers against the header's lists; exit 1\n"
    "                                when there are errors\n";

std::string oneLine(std::string text)
{
    for (char& c : text)
        if (c == '\n' || c == '\r') c = ' ';
    return text;
}

// The arguments of import-wad with a map: three names, then the options in any order.
std::optional<ImportWadArguments> importWadArguments(const std::vector<std::string>& args)
{
    if (args.size() < 4) return std::nullopt;
    ImportWadArguments parsed {args[1], args[2], args[3], "", false};
    for (size_t i = 4; i < args.size(); ++i) {
        if (args[i] == "--fit") {
            parsed.fit = true;
        } else if (args[i] == "--textures" && i + 1 < args.size()) {
            parsed.texturesDir = args[++i];
        } else {
            return std::nullopt;
        }
    }
    return parsed;
}

// The arguments of check: the map, then the options in any order.
std::optional<CheckArguments> checkArguments(const std::vector<std::string>& args)
{
    if (args.size() < 2 || args[0] != "check") return std::nullopt;
    CheckArguments parsed {args[1], "", false};
    for (size_t i = 2; i < args.size(); ++i) {
        if (args[i] == "--json") {
            parsed.json = true;
        } else if (args[i] == "--header" && i + 1 < args.size()) {
            parsed.headerPath = args[++i];
        } else {
            return std::nullopt;
        }
    }
    return parsed;
}

}  // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    // The same input gives the same output bytes: identities the map object makes up are repeatable.
    qz::setFixedRandomSeed(1);

    std::string failure;
    bool ok = false;
    if (args.size() == 2 && args[0] == "info") {
        ok = infoCommand(args[1], std::cout, failure);
    } else if (args.size() == 2 && args[0] == "dump") {
        ok = dumpCommand(args[1], std::cout, failure);
    } else if (args.size() == 3 && args[0] == "compile") {
        ok = compileCommand(args[1], args[2], std::cout, failure);
    } else if (args.size() == 2 && args[0] == "import-wad") {
        ok = listWadMapsCommand(args[1], std::cout, failure);
    } else if (std::optional<ImportWadArguments> importArgs = importWadArguments(args);
               importArgs && args[0] == "import-wad") {
        ok = importWadCommand(*importArgs, std::cout, failure);
    } else if (std::optional<CheckArguments> check = checkArguments(args)) {
        bool foundErrors = false;
        ok = checkCommand(*check, std::cout, failure, foundErrors);
        if (ok) return foundErrors ? 1 : 0;
    } else {
        std::cerr << kUsage;
        return 2;
    }
    if (ok) return 0;
    std::cerr << "qzmap: " << oneLine(failure) << "\n";
    return 1;
}
