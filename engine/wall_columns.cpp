#include "engine/wall_columns.h"

#include <cstddef>

#include "engine/render_math.h"

namespace engine::render {

namespace {

constexpr uint8_t kSeeThrough = 255;

void drawTextureColumn(uint8_t* destination, int32_t pitch, int32_t count, const uint8_t* source, uint32_t step,
                       uint32_t start)
{
    for (uint8_t* const end = destination + static_cast<ptrdiff_t>(count) * pitch; destination != end;
         destination += pitch) {
        const uint8_t texel = source[(start >> 16) & 127u];
        if (texel != kSeeThrough) *destination = texel;
        start += step;
    }
}

void drawStackedColumn(uint8_t* destination, int32_t pitch, int32_t count, const std::array<const uint8_t*, 4>& set,
                       uint32_t columnStart, uint32_t step, uint32_t start)
{
    for (int32_t i = 0; i < count; ++i) {
        const uint32_t row = (start >> 16) & 511u;
        const uint8_t texel = set[row >> 7][columnStart + (row & 127u)];
        if (texel != kSeeThrough) *destination = texel;
        destination += pitch;
        start += step;
    }
}

void advance(ColumnLine& line) { line.value += line.increment; }

}  // namespace

void DrawWallColumns(const FrameContext& frame, const WallPart& part)
{
    EngineState& s = frame.state;
    int32_t* const clipTops = s.clipTop.data();
    int32_t* const clipBottoms = s.clipBottom.data();
    const bool transparent = part.kind == PassKind::Transparent;
    const bool drawsWall = part.kind != PassKind::FlatsOnly;
    // The part of the texture row that does not change along the wall: the eye and the offset.
    const uint32_t rowBase = (static_cast<uint32_t>(s.eyeZ) + static_cast<uint32_t>(part.rowOffset)) * 65536u;
    const int64_t horizonRow = static_cast<int64_t>(s.halfHeight) + s.lookOffset;

    SpanGenerator spans(frame, part.flats);
    ColumnLine top = part.top;
    ColumnLine bottom = part.bottom;
    ColumnLine numerator = part.textureNumerator;
    ColumnLine denominator = part.textureDenominator;
    for (int32_t x = part.firstColumn; x < part.endColumn;
         ++x, advance(top), advance(bottom), advance(numerator), advance(denominator)) {
        int32_t& clipTop = clipTops[x];
        int32_t& clipBottom = clipBottoms[x];
        if (clipBottom <= clipTop) {
            if (!transparent) spans.endAll(x);
            continue;
        }
        const int32_t topRow = roundClamped(frame.horizon - top.value, clipTop, clipBottom);
        const int32_t bottomRow = roundClamped(frame.horizon - bottom.value, clipTop, clipBottom);
        if (!transparent) {
            if (part.partFlags & kPartCeiling) spans.moveRegion(SpanKind::Ceiling, x, clipTop, topRow);
            if (part.partFlags & kPartFloor) spans.moveRegion(SpanKind::Floor, x, bottomRow, clipBottom);
        }

        const int32_t rows = bottomRow - topRow;
        if (drawsWall && rows > 0) {
            const uint32_t u = roundWrapped(numerator.value / denominator.value + part.columnOffset) & 127u;
            const uint32_t step = roundWrapped(65536.0 * part.d / denominator.value);
            const uint32_t start = static_cast<uint32_t>(topRow - horizonRow) * step - rowBase;
            uint8_t* destination = s.frameBuffer + s.rowOffset[static_cast<size_t>(topRow)] + x;
            if (transparent) {
                // The list keeps the screenWidth + 1 entries it was sized to; columns beyond that
                // are dropped rather than growing the list during a frame.
                if (static_cast<size_t>(s.deferredCount) < s.deferred.size())
                    s.deferred[static_cast<size_t>(s.deferredCount++)] = {destination, rows, part.texture + u * 128u,
                                                                          static_cast<int32_t>(step),
                                                                          static_cast<int32_t>(start)};
            } else if (part.multiTexture) {
                drawStackedColumn(destination, s.screenWidth, rows, part.stackedTextures, u * 128u, step, start);
            } else {
                drawTextureColumn(destination, s.screenWidth, rows, part.texture + u * 128u, step, start);
            }
        }

        if (part.kind == PassKind::Wall) {
            if ((part.partFlags & kPartRaiseClipTop) && bottomRow > clipTop) clipTop = bottomRow;
            if ((part.partFlags & kPartLowerClipBottom) && topRow < clipBottom) clipBottom = topRow;
            if (clipBottom <= clipTop) --s.openColumns;
        } else if (part.kind == PassKind::FlatsOnly) {
            // An opening narrows the column to the rows between the floor and ceiling behind it.
            if ((part.partFlags & kPartRaiseClipTop) && topRow > clipTop) clipTop = topRow;
            if ((part.partFlags & kPartLowerClipBottom) && bottomRow < clipBottom) clipBottom = bottomRow;
        }
    }
    spans.endAll(part.endColumn);
}

void drawDeferredColumns(EngineState& state)
{
    for (int32_t i = 0; i < state.deferredCount; ++i) {
        const DeferredColumn& column = state.deferred[static_cast<size_t>(i)];
        drawTextureColumn(column.destination, state.screenWidth, column.count, column.source,
                          static_cast<uint32_t>(column.step), static_cast<uint32_t>(column.start));
    }
}

}  // namespace engine::render
