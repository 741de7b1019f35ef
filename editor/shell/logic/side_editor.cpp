#include "editor/shell/logic/side_editor.h"

#include "platform/numbers.h"
#include "platform/run_error.h"

namespace qzedit {

namespace {

int32_t whole(const std::string& text) { return qz::toLong(qz::val(text)); }

// The record field each box edits, in box order.
int32_t LegacySegment::* const kFields[SideEditor::kBoxCount] = {
    &LegacySegment::x1,      &LegacySegment::y1,        &LegacySegment::x2,       &LegacySegment::y2,
    &LegacySegment::length,  &LegacySegment::h1,        &LegacySegment::h2,       &LegacySegment::h3,
    &LegacySegment::h4,      &LegacySegment::txrWall,   &LegacySegment::txrFFloor, &LegacySegment::txrFCeil,
    &LegacySegment::txrBFloor, &LegacySegment::txrBCeil};

}  // namespace

const std::array<const char*, SideEditor::kBoxCount>& SideEditor::boxNames()
{
    static const std::array<const char*, kBoxCount> names = {"txtX1", "txtY1", "txtX2", "txtY2", "txtmyLen",
                                                             "txtH1", "txtH2", "txtH3", "txtH4", "txtWt",
                                                             "txtFft", "txtFct", "txtBft", "txtBct"};
    return names;
}

SideEditor::SideEditor() : segments_(kSegmentSlots)
{
    texts_.fill("0");
    texts_[kX2] = "1000";
}

const LegacySegment& SideEditor::segment(int32_t n) const
{
    qz::checkIndex(n, kSegmentSlots);
    return segments_[n];
}

void SideEditor::takeInsertionPointAsStart()
{
    texts_[kX1] = qz::decimal(insertX_);
    texts_[kY1] = qz::decimal(insertY_);
}

void SideEditor::takeInsertionPointAsEnd()
{
    texts_[kX2] = qz::decimal(insertX_);
    texts_[kY2] = qz::decimal(insertY_);
}

void SideEditor::moveInsertionPointToStart()
{
    insertX_ = whole(texts_[kX1]);
    insertY_ = whole(texts_[kY1]);
    if (redrawMap) redrawMap();
}

void SideEditor::moveInsertionPointToEnd()
{
    insertX_ = whole(texts_[kX2]);
    insertY_ = whole(texts_[kY2]);
    if (redrawMap) redrawMap();
}

void SideEditor::updateSideDef(int32_t n)
{
    if (n < 0) return;
    qz::checkIndex(n, kSegmentSlots);
    // Every box is read before anything is stored, so a box that overflows leaves the record whole.
    LegacySegment updated = segments_[n];
    for (int box = 0; box < kBoxCount; ++box) updated.*kFields[box] = whole(texts_[box]);
    segments_[n] = updated;
    if (redrawMap) redrawMap();
}

void SideEditor::selSideDef(int32_t n)
{
    const LegacySegment& s = segment(n);
    for (int box = 0; box < kBoxCount; ++box) texts_[box] = qz::decimal(s.*kFields[box]);
}

}  // namespace qzedit
