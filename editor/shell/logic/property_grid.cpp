#include "editor/shell/logic/property_grid.h"

#include <algorithm>

#include "editor/model/clsMap.h"
#include "editor/shell/logic/value_text.h"
#include "platform/codepage.h"
#include "platform/numbers.h"

namespace {

const char* const kTxType = "Tx Type";
constexpr int kSelectAll = 32000;

int32_t whole(const std::string& text) { return qz::toLong(qz::val(text)); }

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
    int remembered = currentRow_;
    rows_.resize(1);
    currentRow_ = 0;
    if (map_) {
        clsMap& m = *map_;
        switch (selType) {
        case kWall:
            m.getWall(itemNum);
            addRow("x1", qz::decimal(m.x1));
            addRow("y1", qz::decimal(m.y1));
            addRow("x2", qz::decimal(m.x2));
            addRow("y2", qz::decimal(m.y2));
            addRow("Wall Tx", qz::decimal(m.txrWall));
            addRow(kTxType, qz::decimal(m.wallFlags));
            addRow("Front Floor Tx", qz::decimal(m.txrFFloor));
            addRow("Front Ceil Tx", qz::decimal(m.txrFCeil));
            addRow("Back Floor Tx", qz::decimal(m.txrBFloor));
            addRow("Back Ceil Tx", qz::decimal(m.txrBCeil));
            addRow("Floor(h1)", qz::decimal(m.floorHtBegin));
            addRow("End Floor(h2)", qz::decimal(m.floorHtEnd));
            addRow("Begin Ceil(h3)", qz::decimal(m.ceilHtBegin));
            addRow("End Ceil(h4)", qz::decimal(m.ceilHtEnd));
            break;
        case kArea:
            m.getArea(itemNum);
            addRow("Floor beg", qz::decimal(m.areaFloorHtBegin));
            addRow("Floor end", qz::decimal(m.areaFloorHtEnd));
            addRow("Ceil beg", qz::decimal(m.areaCeilHtBegin));
            addRow("Ceil end", qz::decimal(m.areaCeilHtEnd));
            addRow("Flags", qz::decimal(m.areaFLAGS));
            addRow("Name", qz::cp1252ToUtf8(m.areaName));
            break;
        case kViewpoint:
            addRow("x", numberText(m.vx));
            addRow("y", numberText(m.vy));
            addRow("z", qz::decimal(m.vz));
            addRow("d", qz::decimal(m.vd));
            break;
        case kGlobal:
            m.getGlobal(itemNum);
            addRow("ID", numberText(m.globalID));
            addRow("Name", qz::cp1252ToUtf8(m.globalName));
            addRow("Value", numberText(m.globalValue));
            break;
        default:
            break;
        }
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
    updateItem();
}

void PropertyGrid::cancel()
{
    if (!dataRowCurrent()) return;
    valueText_ = cell(currentRow_);
    selectAllValueText();
    changed();
}

void PropertyGrid::updateWall()
{
    clsMap& m = *map_;
    if (m.selWallNum < 0) return;
    // The buffer is loaded from the wall first, so fields the grid does not show keep their values.
    m.getWall(m.selWallNum);
    m.x1 = whole(cell(1));
    m.y1 = whole(cell(2));
    m.x2 = whole(cell(3));
    m.y2 = whole(cell(4));
    m.wallFlags = whole(cell(6));
    m.txrWall = whole(cell(5));
    m.txrFFloor = whole(cell(7));
    m.txrFCeil = whole(cell(8));
    m.txrBFloor = whole(cell(9));
    m.txrBCeil = whole(cell(10));
    m.floorHtBegin = whole(cell(11));
    m.floorHtEnd = whole(cell(12));
    m.ceilHtBegin = whole(cell(13));
    m.ceilHtEnd = whole(cell(14));
    m.setWall(m.selWallNum);
    if (redrawMap) redrawMap();
}

void PropertyGrid::updateItem()
{
    if (!map_) return;
    clsMap& m = *map_;
    switch (selType_) {
    case kWall:
        if (rows_.size() == 15) updateWall();
        break;
    case kArea:
        if (m.selAreaNum < 0 || rows_.size() != 7) return;
        m.getArea(m.selAreaNum);
        m.areaFloorHtBegin = whole(cell(1));
        m.areaFloorHtEnd = whole(cell(2));
        m.areaCeilHtBegin = whole(cell(3));
        m.areaCeilHtEnd = whole(cell(4));
        m.areaFLAGS = whole(cell(5));
        m.areaName = qz::utf8ToCp1252(cell(6));
        m.setArea(m.selAreaNum);
        if (redrawMap) redrawMap();
        break;
    case kViewpoint:
        if (rows_.size() != 5) return;
        m.vx = qz::val(cell(1));
        m.vy = qz::val(cell(2));
        m.vz = whole(cell(3));
        m.vd = qz::toInteger(qz::val(cell(4)));
        break;
    case kGlobal:
        if (rows_.size() != 4) return;
        m.getGlobal(m.selGlobalNum);
        m.globalName = qz::utf8ToCp1252(cell(2));
        m.globalValue = qz::val(cell(3));
        m.setGlobal(m.selGlobalNum);
        if (redrawMap) redrawMap();
        break;
    default:
        break;
    }
}
