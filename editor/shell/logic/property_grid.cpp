#include "editor/shell/logic/property_grid.h"

#include <algorithm>
#include <variant>

#include "editor/document/map_document.h"
#include "editor/model/clsMap.h"
#include "editor/shell/logic/value_text.h"
#include "platform/codepage.h"
#include "platform/numbers.h"

namespace qzedit {

namespace {

const char* const kTxType = "Tx Type";
constexpr int kSelectAll = 32000;

int32_t whole(const std::string& text) { return qz::toLong(qz::val(text)); }

// How a value cell goes back into its field.
enum class WriteBack {
    kWhole,        // read as a number, rounded to a 32-bit whole number, halves to even
    kWhole16,      // the same, 16-bit
    kNumber,       // read as a number (Double)
    kText,         // the text as typed, in the map's code page
    kDisplayOnly,  // shown, never written
};

using FieldOf = std::variant<int32_t clsMap::*, int16_t clsMap::*, double clsMap::*, std::string clsMap::*>;

// One grid row: where it is shown, its label, the map object's field and how it is written back.
struct GridField {
    int row;
    const char* label;
    FieldOf field;
    WriteBack writeBack;
};

// A record type's rows, in the order they are written back, and how its record is fetched and
// stored (none for the viewer start, whose fields the map object holds itself).
struct RecordRows {
    std::vector<GridField> fields;
    void (clsMap::*fetch)(int32_t) = nullptr;
    void (clsMap::*store)(int32_t) = nullptr;
    int32_t clsMap::*selected = nullptr;
    const char* changeName = "";  // as undo names it
};

using W = WriteBack;

const RecordRows& recordRows(int selType)
{
    // The wall's texture type is assigned before its wall texture, the row above it.
    static const RecordRows wall {{
        {1, "x1", &clsMap::x1, W::kWhole},
        {2, "y1", &clsMap::y1, W::kWhole},
        {3, "x2", &clsMap::x2, W::kWhole},
        {4, "y2", &clsMap::y2, W::kWhole},
        {6, kTxType, &clsMap::wallFlags, W::kWhole},
        {5, "Wall Tx", &clsMap::txrWall, W::kWhole},
        {7, "Front Floor Tx", &clsMap::txrFFloor, W::kWhole},
        {8, "Front Ceil Tx", &clsMap::txrFCeil, W::kWhole},
        {9, "Back Floor Tx", &clsMap::txrBFloor, W::kWhole},
        {10, "Back Ceil Tx", &clsMap::txrBCeil, W::kWhole},
        {11, "Floor(h1)", &clsMap::floorHtBegin, W::kWhole},
        {12, "End Floor(h2)", &clsMap::floorHtEnd, W::kWhole},
        {13, "Begin Ceil(h3)", &clsMap::ceilHtBegin, W::kWhole},
        {14, "End Ceil(h4)", &clsMap::ceilHtEnd, W::kWhole},
    }, &clsMap::getWall, &clsMap::setWall, &clsMap::selWallNum, "Edit Wall"};
    static const RecordRows area {{
        {1, "Floor beg", &clsMap::areaFloorHtBegin, W::kWhole},
        {2, "Floor end", &clsMap::areaFloorHtEnd, W::kWhole},
        {3, "Ceil beg", &clsMap::areaCeilHtBegin, W::kWhole},
        {4, "Ceil end", &clsMap::areaCeilHtEnd, W::kWhole},
        {5, "Flags", &clsMap::areaFLAGS, W::kWhole},
        {6, "Name", &clsMap::areaName, W::kText},
    }, &clsMap::getArea, &clsMap::setArea, &clsMap::selAreaNum, "Edit Area"};
    static const RecordRows viewpoint {{
        {1, "x", &clsMap::vx, W::kNumber},
        {2, "y", &clsMap::vy, W::kNumber},
        {3, "z", &clsMap::vz, W::kWhole},
        {4, "d", &clsMap::vd, W::kWhole16},
    }, nullptr, nullptr, nullptr, "Edit Viewer Start"};
    static const RecordRows global {{
        {1, "ID", &clsMap::globalID, W::kDisplayOnly},
        {2, "Name", &clsMap::globalName, W::kText},
        {3, "Value", &clsMap::globalValue, W::kNumber},
    }, &clsMap::getGlobal, &clsMap::setGlobal, &clsMap::selGlobalNum, "Edit Global"};
    static const RecordRows nothing;
    switch (selType) {
    case PropertyGrid::kWall: return wall;
    case PropertyGrid::kArea: return area;
    case PropertyGrid::kViewpoint: return viewpoint;
    case PropertyGrid::kGlobal: return global;
    default: return nothing;
    }
}

// The field's value as the grid shows it.
std::string cellText(const clsMap& m, const FieldOf& field)
{
    struct Show {
        const clsMap& m;
        std::string operator()(int32_t clsMap::*f) const { return qz::decimal(m.*f); }
        std::string operator()(int16_t clsMap::*f) const { return qz::decimal(m.*f); }
        std::string operator()(double clsMap::*f) const { return numberText(m.*f); }
        std::string operator()(std::string clsMap::*f) const { return qz::cp1252ToUtf8(m.*f); }
    };
    return std::visit(Show {m}, field);
}

// Writes a value cell into its field; a number that does not fit raises overflow (error 6).
void storeCell(clsMap& m, const GridField& g, const std::string& text)
{
    switch (g.writeBack) {
    case W::kWhole: m.*std::get<int32_t clsMap::*>(g.field) = whole(text); break;
    case W::kWhole16: m.*std::get<int16_t clsMap::*>(g.field) = qz::toInteger(qz::val(text)); break;
    case W::kNumber: m.*std::get<double clsMap::*>(g.field) = qz::val(text); break;
    case W::kText: m.*std::get<std::string clsMap::*>(g.field) = qz::utf8ToCp1252(text); break;
    case W::kDisplayOnly: break;
    }
}

}  // namespace

const std::vector<std::string>& PropertyGrid::textureTypeChoices()
{
    static const std::vector<std::string> choices = {"00 - Normal",        "01 - Transparent",
                                                     "02 - Horz Cycle",    "04 - Vert Cycle",
                                                     "08 - Multi-Texture", "16 - Animated Texture"};
    return choices;
}

void PropertyGrid::changed() const
{
    if (onChanged) onChanged();
}

void PropertyGrid::setSelType(int selType)
{
    selType_ = selType;
    changed();
}

std::string PropertyGrid::selTypeLabel() const
{
    static const char* const names[] = {"", "Wall", "Area", "Viewpoint", "Global"};
    return std::string("Type: ") + (selType_ >= 0 && selType_ <= 4 ? names[selType_] : "");
}

void PropertyGrid::selectAllValueText()
{
    selStart_ = 0;
    selLength_ = std::min<int>(kSelectAll, static_cast<int>(utf8Length(valueText_)));
}

void PropertyGrid::showProps(int selType, int32_t itemNum)
{
    valueText_.clear();
    selType_ = selType;
    itemNum_ = itemNum;
    int remembered = currentRow_;
    rows_.resize(1);
    currentRow_ = 0;
    if (map_) {
        const RecordRows& record = recordRows(selType);
        if (record.fetch) (map_->*record.fetch)(itemNum);
        rows_.resize(record.fields.size() + 1);
        for (const GridField& g : record.fields)
            rows_[static_cast<size_t>(g.row)] = {g.label, cellText(*map_, g.field)};
    }
    // Stepping from wall to wall keeps the row being edited; the header row is no editing row.
    if (selType == kWall && remembered >= 1 && remembered < static_cast<int>(rows_.size())) {
        currentRow_ = remembered;
        currentColumn_ = 2;
        valueText_ = cell(currentRow_);
        selectAllValueText();
    }
    changed();
}

void PropertyGrid::clear()
{
    selType_ = kNothing;
    rows_.resize(1);
    currentRow_ = 0;
    currentColumn_ = 0;
    valueText_.clear();
    valueChoices_.clear();
    selStart_ = 0;
    selLength_ = 0;
    changed();
}

void PropertyGrid::rowClick(int row)
{
    currentRow_ = row;
    if (!dataRowCurrent() || rows_.size() < 2) {
        changed();
        return;
    }
    if (rows_[currentRow_].label == kTxType)
        valueChoices_ = textureTypeChoices();
    else
        valueChoices_.clear();
    valueText_ = cell(currentRow_);
    selectAllValueText();
    changed();
    if (onFocusValueBox) onFocusValueBox();
}

void PropertyGrid::ok()
{
    if (!dataRowCurrent() || rows_.size() < 2) return;
    Row& row = rows_[currentRow_];
    row.value = row.label == kTxType ? utf8Prefix(valueText_, 2) : valueText_;
    selectAllValueText();
    changed();
    // Whether the value was stored or refused, the grid then shows the record as it is stored.
    try {
        updateItem();
    } catch (...) {
        refill();
        throw;
    }
    refill();
}

void PropertyGrid::refill()
{
    const int row = currentRow_;
    const int column = currentColumn_;
    const std::vector<std::string> choices = valueChoices_;
    showProps(selType_, itemNum_);
    currentRow_ = row;
    currentColumn_ = column;
    valueChoices_ = choices;
    if (dataRowCurrent()) {
        valueText_ = cell(currentRow_);
        selectAllValueText();
    }
    changed();
}

void PropertyGrid::cancel()
{
    if (!dataRowCurrent()) return;
    valueText_ = cell(currentRow_);
    selectAllValueText();
    changed();
}

void PropertyGrid::updateItem()
{
    if (!map_) return;
    clsMap& m = *map_;
    const RecordRows& record = recordRows(selType_);
    if (record.fields.empty() || rows_.size() != record.fields.size() + 1) return;
    if (record.selected && m.*record.selected < 0) return;
    applyChange(document_, record.changeName, [&] {
        // The buffer is loaded from the record first, so fields the grid does not show keep their values.
        if (record.fetch) (m.*record.fetch)(m.*record.selected);
        for (const GridField& g : record.fields) storeCell(m, g, cell(g.row));
        if (record.store) (m.*record.store)(m.*record.selected);
    });
    if (record.store && redrawMap) redrawMap();
}

}  // namespace qzedit
