#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace qzedit {

// One record of the older segment list that the side editor edits; 32-bit fields in this order.
struct LegacySegment {
    int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    int32_t h1 = 0, h2 = 0, h3 = 0, h4 = 0;
    int32_t txrWall = 0, txrFFloor = 0, txrFCeil = 0, txrBCeil = 0, txrBFloor = 0;
    int32_t length = 0;
};

// The side editor's text boxes over a plain table of 2001 segment records. Nothing in the editor
// picks a segment, so the boxes work on the first record.
class SideEditor {
public:
    static constexpr int32_t kSegmentSlots = 2001;
    // The boxes, in the order of boxNames().
    enum Box { kX1, kY1, kX2, kY2, kLength, kH1, kH2, kH3, kH4, kWallTx, kFrontFloorTx, kFrontCeilTx,
               kBackFloorTx, kBackCeilTx, kBoxCount };
    static const std::array<const char*, kBoxCount>& boxNames();

    SideEditor();

    std::function<void()> redrawMap;

    const std::string& text(Box box) const { return texts_[box]; }
    void setText(Box box, const std::string& text) { texts_[box] = text; }

    // "<": the start or end point boxes from the editor's insertion point.
    void takeInsertionPointAsStart();
    void takeInsertionPointAsEnd();
    // "> IP": the editor's insertion point from the start or end point boxes.
    void moveInsertionPointToStart();
    void moveInsertionPointToEnd();
    // "Set Properties".
    void setPropertiesOfCurrentSide() { updateSideDef(currentSide_); }

    void updateSideDef(int32_t n);
    void selSideDef(int32_t n);

    const LegacySegment& segment(int32_t n) const;
    int32_t insertX() const { return insertX_; }
    int32_t insertY() const { return insertY_; }

private:
    std::array<std::string, kBoxCount> texts_;
    std::vector<LegacySegment> segments_;
    int32_t insertX_ = 100;
    int32_t insertY_ = 100;
    int32_t currentSide_ = 0;
};

}  // namespace qzedit
