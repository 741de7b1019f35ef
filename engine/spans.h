#pragma once
#include <cstdint>

#include "engine/render_context.h"

// Floor, ceiling and sky spans: the regions that the wall passes leave above and below each wall
// part become horizontal runs, one per row, drawn with perspective-correct flat texels.
namespace engine::render {

enum class SpanKind { Ceiling, Floor };

// The flats of one side of a node and the constants of the span formulas for that side.
struct FlatSide {
    double kcs = 0.0, kcc = 0.0;  // round(1024 * (ceiling - eyeZ) * sin / cos)
    double kfs = 0.0, kfc = 0.0;  // round(1024 * (eyeZ - floor) * sin / cos)
    const uint8_t* floorFlat = nullptr;
    const uint8_t* ceilingFlat = nullptr;
};

FlatSide makeFlatSide(const FrameContext& frame, int32_t ceilingHeight, int32_t floorHeight, int32_t floorNumber,
                      int32_t ceilingNumber);

// count pixels of row y from column x to the right.
void DrawFlatSpan(const FrameContext& frame, const FlatSide& flats, int32_t x, int32_t y, int32_t count, SpanKind kind);

// The open floor and ceiling spans of one wall-part pass. Each kind has a region, the rows of the
// previous column that are inside an open span; a row's span starts where the row entered the
// region and is drawn when the row leaves it.
class SpanGenerator {
public:
    SpanGenerator(const FrameContext& frame, const FlatSide& flats);

    // The region of `kind` at column x becomes rows top .. end - 1 (top <= end).
    void moveRegion(SpanKind kind, int32_t x, int32_t top, int32_t end);

    // Ends every open span at column x and leaves both regions empty.
    void endAll(int32_t x);

private:
    struct Region {
        int32_t top = 0;
        int32_t end = 0;
    };

    void endRows(SpanKind kind, int32_t fromRow, int32_t toRow, int32_t x, bool topMovedDown);

    const FrameContext& frame_;
    const FlatSide& flats_;
    Region ceiling_;
    Region floor_;
};

}  // namespace engine::render
