#pragma once
#include <array>
#include <cstdint>

#include "engine/render_context.h"
#include "engine/spans.h"

namespace engine::render {

enum class PassKind {
    Wall,         // draws wall pixels, updates the clip limits and closes columns
    Transparent,  // queues wall pixels in the deferred list; no spans, no clip changes
    FlatsOnly,    // spans and clip limits of an opening; no wall pixels
};

// A value that is linear in the screen column: its value at the first column of the pass and its
// change from one column to the next.
struct ColumnLine {
    double value = 0.0;
    double increment = 0.0;
};

// One wall-part pass over the columns firstColumn .. endColumn - 1.
struct WallPart {
    PassKind kind = PassKind::Wall;
    int32_t partFlags = 0;
    int32_t firstColumn = 0;
    int32_t endColumn = 0;
    ColumnLine top;     // projected height of the part's top, in pixels above the horizon
    ColumnLine bottom;  // the same for its bottom
    ColumnLine textureNumerator;
    ColumnLine textureDenominator;
    double d = 0.0;     // D of the face: the step is 65536 * D / denominator
    const uint8_t* texture = nullptr;  // 128 columns of 128 rows
    bool multiTexture = false;         // the four textures below, stacked 128 rows each
    std::array<const uint8_t*, 4> stackedTextures {};
    int32_t columnOffset = 0;
    int32_t rowOffset = 0;
    FlatSide flats;
};

void DrawWallColumns(const FrameContext& frame, const WallPart& part);

// The transparent columns of this frame, in the order they were recorded.
void drawDeferredColumns(EngineState& state);

}  // namespace engine::render
