#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace qzedit {

class clsMap;
class MapDocument;

// The property grid's logic: the rows of the selected record, the value box, OK and X, and the
// write-back into the map. Row 0 is the header; texts are UTF-8 (the map's 16-character fields
// are Windows-1252 and converted both ways).
class PropertyGrid {
public:
    enum SelType { kNothing = 0, kWall = 1, kArea = 2, kViewpoint = 3, kGlobal = 4 };
    struct Row {
        std::string label;
        std::string value;
    };
    static const std::vector<std::string>& textureTypeChoices();

    void setMap(clsMap* map) { map_ = map; }
    // Write-backs go through the document as named changes once there is one.
    void setDocument(MapDocument* document) { document_ = document; }
    // Called after the rows, the current row or the value box changed.
    std::function<void()> onChanged;
    std::function<void()> onFocusValueBox;
    std::function<void()> redrawMap;

    void showProps(int selType, int32_t itemNum);
    // Back to nothing selected: no rows, an empty value box.
    void clear();
    void setSelType(int selType);
    // A click on grid row `row`.
    void rowClick(int row);
    // Writes the value box into the current row and the record into the map, then shows the
    // record as stored (also when a value was refused).
    void ok();
    void cancel();
    void updateItem();
    // What the user typed or chose in the value box.
    void setValueText(const std::string& text) { valueText_ = text; }

    // The record the grid shows filled again from the map, on the same row (after an undo or redo
    // changed it underneath).
    void showRecordAgain() { refill(); }

    int selType() const { return selType_; }
    int32_t itemNum() const { return itemNum_; }
    std::string selTypeLabel() const;
    const std::vector<Row>& rows() const { return rows_; }
    int currentRow() const { return currentRow_; }
    int currentColumn() const { return currentColumn_; }
    const std::string& valueText() const { return valueText_; }
    const std::vector<std::string>& valueChoices() const { return valueChoices_; }
    // The value box's selection: start and length in characters.
    int selectionStart() const { return selStart_; }
    int selectionLength() const { return selLength_; }

private:
    bool dataRowCurrent() const { return currentRow_ >= 1 && currentRow_ < static_cast<int>(rows_.size()); }
    void selectAllValueText();
    // The grid filled again from the map for the record it shows, on the same row.
    void refill();
    const std::string& cell(int row) const { return rows_.at(row).value; }
    void changed() const;

    clsMap* map_ = nullptr;
    MapDocument* document_ = nullptr;
    int selType_ = kNothing;
    int32_t itemNum_ = 0;
    std::vector<Row> rows_ {{"Property", "Value"}};
    int currentRow_ = 0;
    int currentColumn_ = 0;
    std::string valueText_;
    std::vector<std::string> valueChoices_;
    int selStart_ = 0;
    int selLength_ = 0;
};

}  // namespace qzedit
