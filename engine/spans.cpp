#include "engine/spans.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "engine/ceilbug_log.h"
#include "engine/render_math.h"
#include "engine/texture_lookup.h"

namespace engine::render {

namespace {

// The panorama turns with the viewer, 10 image columns per angle unit; a copy that runs past the
// last byte of the image continues at its first byte.
void drawSkySpan(const FrameContext& frame, uint8_t* destination, int32_t x, int32_t y, int32_t count)
{
    const uint8_t* sky = frame.state.skyImage;
    int32_t offset = (y % kSkyHeight) * kSkyWidth + (frame.angle * 10 + x) % kSkyWidth;
    while (count > 0) {
        int32_t run = std::min(count, kSkyBytes - offset);
        std::memcpy(destination, sky + offset, static_cast<size_t>(run));
        destination += run;
        count -= run;
        offset = 0;
    }
}

// The packed position holds world x (upper half) and world y (lower half) with 10 fractional
// bits each; bits 26..31 and 10..15 are the flat's column and row, so any position reads inside
// the 64 x 64 flat.
void drawFlatTexels(uint8_t* destination, const uint8_t* flat, uint32_t position, uint32_t step, int32_t count)
{
    for (int32_t i = 0; i < count; ++i) {
        destination[i] = flat[((position >> 10) & 63u) * 64u + (position >> 26)];
        position += step;
    }
}

}  // namespace

FlatSide makeFlatSide(const FrameContext& frame, int32_t ceilingHeight, int32_t floorHeight, int32_t floorNumber,
                      int32_t ceilingNumber)
{
    const EngineState& s = frame.state;
    // Heights and the eye are Longs: their difference needs 33 bits and 1024 times it 43, which
    // a double holds exactly.
    const double above = static_cast<double>(static_cast<int64_t>(ceilingHeight) - s.eyeZ);
    const double below = static_cast<double>(static_cast<int64_t>(s.eyeZ) - floorHeight);
    FlatSide flats;
    flats.kcs = std::nearbyint(1024.0 * above * frame.sinA);
    flats.kcc = std::nearbyint(1024.0 * above * frame.cosA);
    flats.kfs = std::nearbyint(1024.0 * below * frame.sinA);
    flats.kfc = std::nearbyint(1024.0 * below * frame.cosA);
    flats.floorFlat = textureByNumber(s.flatTextures, floorNumber, s.checkerboard);
    flats.ceilingFlat = textureByNumber(s.flatTextures, ceilingNumber, s.checkerboard);
    return flats;
}

void DrawFlatSpan(const FrameContext& frame, const FlatSide& flats, int32_t x, int32_t y, int32_t count, SpanKind kind)
{
    const EngineState& s = frame.state;
    uint8_t* destination = s.frameBuffer + s.rowOffset[static_cast<size_t>(y)] + x;
    const bool ceiling = kind == SpanKind::Ceiling;
    if (ceiling && (s.currentFlags & mapfile::kWallSkyCeiling) && s.skyImage) {
        drawSkySpan(frame, destination, x, y, count);
        return;
    }

    const int64_t belowHorizon = static_cast<int64_t>(y) - s.halfHeight - s.lookOffset;
    const int64_t distance = ceiling ? -belowHorizon : belowHorizon;
    // Packed 16.16 arithmetic wraps by design: carries from the lower half into the upper half
    // are part of the format.
    uint32_t step = 0;
    uint32_t position = frame.flatViewX * 65536u + frame.flatViewY;
    if (distance != 0) {
        const double d = static_cast<double>(distance);
        const uint32_t a = roundWrapped((ceiling ? flats.kcc : flats.kfc) / d) & 65535u;
        const uint32_t b = roundWrapped((ceiling ? flats.kcs : flats.kfs) / d) & 65535u;
        const uint32_t focal = static_cast<uint32_t>(s.focalLength);
        step = a * 65536u - b;
        position = (b * focal + frame.flatViewX) * 65536u + ((a * focal + frame.flatViewY) & 65535u);
    }
    const uint32_t start = static_cast<uint32_t>(x - s.halfWidth) * step + position;
    drawFlatTexels(destination, ceiling ? flats.ceilingFlat : flats.floorFlat, start, step, count);
}

SpanGenerator::SpanGenerator(const FrameContext& frame, const FlatSide& flats) : frame_(frame), flats_(flats) {}

void SpanGenerator::moveRegion(SpanKind kind, int32_t x, int32_t top, int32_t end)
{
    Region& region = kind == SpanKind::Ceiling ? ceiling_ : floor_;
    if (region.top == top && region.end == end) return;
    auto& spanStart = kind == SpanKind::Ceiling ? frame_.state.ceilingSpanStart : frame_.state.floorSpanStart;
    // Rows of the old region outside the new one end their spans, rows of the new region outside
    // the old one start theirs; rows in both carry on.
    endRows(kind, region.top, std::min(region.end, top), x, true);
    endRows(kind, std::max(region.top, end), region.end, x, false);
    for (int32_t row = top; row < std::min(end, region.top); ++row) spanStart[static_cast<size_t>(row)] = x;
    for (int32_t row = std::max(top, region.end); row < end; ++row) spanStart[static_cast<size_t>(row)] = x;
    region = {top, end};
}

void SpanGenerator::endAll(int32_t x)
{
    endRows(SpanKind::Ceiling, ceiling_.top, ceiling_.end, x, false);
    endRows(SpanKind::Floor, floor_.top, floor_.end, x, false);
    ceiling_ = {};
    floor_ = {};
}

void SpanGenerator::endRows(SpanKind kind, int32_t fromRow, int32_t toRow, int32_t x, bool topMovedDown)
{
    if (fromRow >= toRow) return;
    const auto& spanStart = kind == SpanKind::Ceiling ? frame_.state.ceilingSpanStart : frame_.state.floorSpanStart;
    const bool logged = topMovedDown && kind == SpanKind::Floor && frame_.ceilbugLog;
    for (int32_t row = fromRow; row < toRow; ++row) {
        const int32_t first = spanStart[static_cast<size_t>(row)];
        DrawFlatSpan(frame_, flats_, first, row, x - first, kind);
        if (logged) frame_.ceilbugLog->writeSpan(first, row, x - first);
    }
}

}  // namespace engine::render
