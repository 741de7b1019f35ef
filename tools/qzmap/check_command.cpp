#include "editor/check/map_check.h"
#include "editor/model/clsMap.h"
#include "format/json_text.h"
#include "tools/qzmap/commands.h"
#include "tools/qzmap/map_file_blocks.h"

using namespace qzedit;
using mapfile::jsonNumber;
using mapfile::jsonString;

namespace {

void printText(const clsMap& map, const std::vector<check::Finding>& findings, std::ostream& out)
{
    for (const check::Finding& f : findings) out << check::findingLine(map, f) << "\n";
    out << check::countsLine(findings) << "\n";
}

void printJson(const clsMap& map, const std::vector<check::Finding>& findings, std::ostream& out)
{
    const size_t errors = check::errorCount(findings);
    out << "{\n  \"errors\": " << errors << ",\n  \"warnings\": " << findings.size() - errors
        << ",\n  \"findings\": [";
    for (size_t i = 0; i < findings.size(); ++i) {
        const check::Finding& f = findings[i];
        const bool numbered = f.record == check::RecordKind::Wall || f.record == check::RecordKind::Area;
        out << (i == 0 ? "\n" : ",\n") << "    {\"severity\": " << jsonString(check::severityName(f.severity))
            << ", \"record\": " << jsonString(check::recordKindName(f.record))
            << ", \"index\": " << (numbered ? jsonNumber(int64_t {f.index}) : "null")
            << ", \"label\": " << jsonString(check::recordLabel(map, f)) << ", \"text\": " << jsonString(f.text) << "}";
    }
    out << (findings.empty() ? "]\n}\n" : "\n  ]\n}\n");
}

}  // namespace

bool checkCommand(const CheckArguments& args, std::ostream& out, std::string& failure, bool& foundErrors)
{
    if (!readMapFileBlocks(args.mapPath, failure)) return false;
    clsMap map;
    if (Outcome read = map.ReadNewMPB(args.mapPath); !read) {
        failure = read.text;
        return false;
    }
    check::CheckOptions options;
    if (!args.headerPath.empty()) {
        options.header = check::readHeaderTextures(args.headerPath);
        if (!options.header) {
            failure = "cannot read the header \"" + args.headerPath + "\"";
            return false;
        }
    }
    const std::vector<check::Finding> findings = check::checkMap(map, options);
    if (args.json)
        printJson(map, findings, out);
    else
        printText(map, findings, out);
    foundErrors = check::errorCount(findings) > 0;
    return true;
}
