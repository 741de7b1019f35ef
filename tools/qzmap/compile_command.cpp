#include <chrono>
#include <iomanip>

#include "editor/model/clsMap.h"
#include "platform/run_error.h"
#include "tools/qzmap/commands.h"
#include "tools/qzmap/map_file_blocks.h"

using namespace qzedit;

bool compileCommand(const std::string& inPath, const std::string& outPath, std::ostream& out, std::string& failure)
{
    // The file is checked the same way for every command, with the same one-line failures.
    if (!readMapFileBlocks(inPath, failure)) return false;

    clsMap map;
    if (Outcome read = map.ReadNewMPB(inPath); !read) {
        failure = read.text;
        return false;
    }
    map.polishNextSeg();
    auto started = std::chrono::steady_clock::now();
    Outcome built;
    try {
        built = map.createBSP();
    } catch (const qz::RunError& e) {
        failure = "the tree of \"" + inPath + "\" cannot be built: " + e.what();
        return false;
    }
    std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - started;
    if (!built) {
        failure = built.text;
        return false;
    }
    if (Outcome written = map.WriteNewMPB(outPath, true); !written) {
        failure = "cannot write \"" + outPath + "\": " + written.text;
        return false;
    }
    out << "build time: " << std::fixed << std::setprecision(3) << elapsed.count() << " seconds\n"
        << "records: " << map.numTreeSegs << "\n";
    return true;
}
