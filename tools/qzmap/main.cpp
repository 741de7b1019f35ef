#include <iostream>
#include <string>
#include <vector>

#include "platform/random.h"
#include "tools/qzmap/commands.h"

namespace {

constexpr const char* kUsage =
    "usage: qzmap info FILE          counts, viewer start and directory of a map file\n"
    "       qzmap dump FILE          every record of every block as JSON\n"
    "       qzmap compile IN OUT     build the BSP tree of IN and write the compiled map OUT\n";

std::string oneLine(std::string text)
{
    for (char& c : text)
        if (c == '\n' || c == '\r') c = ' ';
    return text;
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
    } else {
        std::cerr << kUsage;
        return 2;
    }
    if (ok) return 0;
    std::cerr << "qzmap: " << oneLine(failure) << "\n";
    return 1;
}
