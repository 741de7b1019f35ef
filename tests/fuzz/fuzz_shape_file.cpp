// Reads arbitrary text as a shape file. A file that is accepted gives only walls of some length
// within the coordinate range, each from a line of the file; a refused one gives no wall and says
// where; and reading the same text again gives the same answer.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "editor/wizards/generators/shape_file.h"

namespace {

void fault(const char* what)
{
    std::fprintf(stderr, "fuzz_shape_file: %s\n", what);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const qzedit::ShapeScan scan = qzedit::scanShape(text);
    int32_t lines = 1;
    for (char c : text) lines += c == '\n';
    if (!scan.ok) {
        if (!scan.lines.empty()) fault("a refused file gave walls");
        if (scan.problem != qzedit::ShapeScan::kMissingHeader && scan.problem.rfind("line ", 0) != 0)
            fault("a fault without its line");
    }
    for (const qzedit::ShapeLine& l : scan.lines) {
        if (l.x1 == l.x2 && l.y1 == l.y2) fault("a wall of no length");
        for (int32_t v : {l.x1, l.y1, l.x2, l.y2})
            if (v < qzedit::kShapeMin || v > qzedit::kShapeMax) fault("a wall outside the range");
        if (l.fileLine < 1 || l.fileLine > lines) fault("a wall from a line the file does not have");
    }
    const qzedit::ShapeScan again = qzedit::scanShape(text);
    if (again.ok != scan.ok || again.problem != scan.problem || again.lines != scan.lines || again.areaTags != scan.areaTags)
        fault("two readings differ");
    return 0;
}
