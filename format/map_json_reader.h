#pragma once
#include <string>
#include <string_view>

#include "format/map_file_contents.h"
#include "format/map_file_reader.h"

namespace mapfile {

// What reading the map's JSON came to: the blocks, or why the text is refused.
struct MapJsonRead {
    MapFileContents contents;
    std::string fault;  // "line 3, column 7: ...", empty when the text was read
    bool ok() const { return fault.empty(); }
};

// Reads the JSON that mapJson writes (qzmap dump, the editor's Copy). The text must be one object
// with the keys "wallBlockType", "viewerStart", "walls", "viewpoints", "areas" and "globals", each
// at most once and any of them left out; its records are objects of the record's fields under the
// names mapJson gives them. A field left out keeps 0 (a text, spaces); a field or key of another
// name, a whole-number field that is not a whole number within its type's range, a text of a
// number, text after the object, or more records than limits allow refuses the whole text.
// Fixed texts are UTF-8 and are stored in Windows-1252, cut at 16 bytes; null in a Double field
// reads as NaN, as mapJson writes NaN and the infinities. A wall block is read whenever the text
// names its type, the viewer start or the walls; its type defaults to 1.
MapJsonRead readMapJson(std::string_view text, const TableLimits& limits);

}  // namespace mapfile
