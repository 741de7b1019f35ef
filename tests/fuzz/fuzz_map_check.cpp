// Checks arbitrary bytes that the map reader accepts with the map checker: links outside the
// tables, chains in circles, coordinates past any range. Every finding must name a record of the
// map, errors must come first, and checking again must find the same.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "editor/check/map_check.h"
#include "editor/model/clsMap.h"
#include "platform/message_box.h"
#include "platform/random.h"

using namespace qzedit;

namespace {

[[noreturn]] void fail(const char* what)
{
    std::fprintf(stderr, "fuzz_map_check: %s\n", what);
    std::abort();
}

const std::string& inputFile()
{
    static const std::string file = [] {
        std::string folder = (access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp") + std::string("/fuzz_map_check.XXXXXX");
        if (!mkdtemp(folder.data())) fail("cannot make a scratch folder");
        return folder + "/input.map";
    }();
    return file;
}

bool namesARecord(const clsMap& map, const check::Finding& f)
{
    switch (f.record) {
    case check::RecordKind::Wall: return f.index >= 0 && f.index < map.numWalls;
    case check::RecordKind::Area: return f.index >= 0 && f.index < map.numAreas;
    default: return f.index == -1;
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    qz::setMessageSink([](const std::string&, const std::string&, int) { return qz::kMsgResultOk; });
    qz::setFixedRandomSeed(1);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FILE* f = std::fopen(inputFile().c_str(), "wb");
    if (!f) fail("cannot write the input file");
    if (size > 0 && std::fwrite(data, 1, size, f) != size) fail("short write");
    std::fclose(f);

    static const clsMap fresh;
    static clsMap map;
    map = fresh;
    if (!map.ReadNewMPB(inputFile())) return 0;
    check::CheckOptions options;
    options.header = check::HeaderTextures {size % 13 == 0 ? 0 : 12, 6};
    const std::vector<check::Finding> findings = check::checkMap(map, options);
    bool warningSeen = false;
    for (const check::Finding& finding : findings) {
        if (!namesARecord(map, finding)) fail("a finding names no record of the map");
        if (finding.text.empty()) fail("a finding says nothing");
        if (check::findingLine(map, finding).find(finding.text) == std::string::npos) fail("a line without its text");
        if (finding.severity == check::Severity::Warning) warningSeen = true;
        if (finding.severity == check::Severity::Error && warningSeen) fail("an error after a warning");
    }
    if (check::checkMap(map, options) != findings) fail("a second check found something else");
    return 0;
}
