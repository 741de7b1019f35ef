#include "editor/check/map_check.h"
#include "editor/model/clsMap.h"
#include "platform/codepage.h"
#include "platform/numbers.h"

namespace qzedit::check {

namespace {

std::string trimmed(const std::string& text)
{
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string counted(size_t n, const char* what) { return std::to_string(n) + " " + what + (n == 1 ? "" : "s"); }

}  // namespace

std::string countsLine(const std::vector<Finding>& findings)
{
    const size_t errors = errorCount(findings);
    return counted(errors, "error") + ", " + counted(findings.size() - errors, "warning");
}

const char* severityName(Severity severity) { return severity == Severity::Error ? "error" : "warning"; }

const char* recordKindName(RecordKind kind)
{
    switch (kind) {
    case RecordKind::Wall: return "wall";
    case RecordKind::Area: return "area";
    case RecordKind::ViewerStart: return "viewer start";
    case RecordKind::Map: return "map";
    }
    return "";
}

std::string recordLabel(const clsMap& map, const Finding& finding)
{
    std::string label = recordKindName(finding.record);
    if (finding.record == RecordKind::Wall || finding.record == RecordKind::Area) label += " " + qz::decimal(finding.index);
    // An area is known by its name in the project tree.
    if (finding.record == RecordKind::Area && finding.index >= 0 && finding.index < clsMap::kAreaSlots)
        label += " \"" + qz::cp1252ToUtf8(trimmed(map.areaRecord(finding.index).areaName.str())) + "\"";
    return label;
}

std::string findingLine(const clsMap& map, const Finding& finding)
{
    return std::string(severityName(finding.severity)) + ": " + recordLabel(map, finding) + ": " + finding.text;
}

}  // namespace qzedit::check
