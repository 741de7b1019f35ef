#include "engine/render_walk.h"

#include <algorithm>
#include <limits>
#include <optional>

#include "engine/render_math.h"
#include "engine/texture_lookup.h"
#include "engine/wall_columns.h"

namespace engine::render {

namespace {

// A face's end points in view space and its extent on the screen.
struct FaceProjection {
    double x1 = 0.0, z1 = 0.0;  // left end: lateral X and depth Z
    double d = 0.0;             // Z2 * X1 - Z1 * X2
    double dx = 0.0, dz = 0.0;  // X2 - X1, Z2 - Z1
    double sx1 = 0.0;           // left screen edge relative to the centre, within the screen limits
    int32_t firstColumn = 0;
    int32_t endColumn = 0;
};

struct ViewPoint {
    double x = 0.0;  // lateral
    double z = 0.0;  // depth
};

ViewPoint toView(const FrameContext& frame, int32_t px, int32_t py)
{
    const double dx = px - frame.state.viewX;
    const double dy = py - frame.state.viewY;
    return {frame.cosA * dx - frame.sinA * dy, frame.sinA * dx + frame.cosA * dy};
}

// Screen x of a point at depth z >= 0. A point exactly on the view plane counts as just in front
// of the viewer: it lies infinitely far to its side (a point at the eye itself makes D zero, so
// the face is dropped before this is asked).
double projectedX(double focal, const ViewPoint& p)
{
    if (p.z > 0.0) return focal * p.x / p.z;
    const double infinity = std::numeric_limits<double>::infinity();
    return p.x > 0.0 ? infinity : (p.x < 0.0 ? -infinity : 0.0);
}

int32_t screenColumn(const EngineState& s, double sx)
{
    return roundClamped(sx + s.halfWidth, 0, s.screenWidth);
}

std::optional<FaceProjection> projectFace(const FrameContext& frame, int32_t ax, int32_t ay, int32_t bx, int32_t by)
{
    const EngineState& s = frame.state;
    const ViewPoint left = toView(frame, ax, ay);
    const ViewPoint right = toView(frame, bx, by);
    if (left.z < 0.0 && right.z < 0.0) return std::nullopt;
    FaceProjection face;
    face.d = right.z * left.x - left.z * right.x;
    if (face.d == 0.0) return std::nullopt;
    face.x1 = left.x;
    face.z1 = left.z;
    face.dx = right.x - left.x;
    face.dz = right.z - left.z;
    const double focal = s.focalLength;
    const double halfWidth = s.halfWidth;
    face.sx1 = left.z >= 0.0 ? std::max(-halfWidth, projectedX(focal, left)) : -halfWidth;
    const double sx2 = right.z >= 0.0 ? std::min(halfWidth, projectedX(focal, right)) : halfWidth;
    // Seen edge-on or from behind; the comparison also drops a NaN edge.
    if (!(sx2 > face.sx1)) return std::nullopt;
    face.firstColumn = screenColumn(s, face.sx1);
    face.endColumn = screenColumn(s, sx2);
    return face;
}

// The top and bottom of a part between heights bottom and top, linear in the screen column.
void setPartLines(const FrameContext& frame, const FaceProjection& face, int32_t bottom, int32_t top, WallPart& part)
{
    const double focal = frame.state.focalLength;
    const double atFirst = face.sx1 * face.dz - focal * face.dx;
    const double ht = static_cast<double>(static_cast<int64_t>(top) - frame.state.eyeZ);
    const double hb = static_cast<double>(static_cast<int64_t>(bottom) - frame.state.eyeZ);
    part.top = {ht * atFirst / face.d, ht * face.dz / face.d};
    part.bottom = {hb * atFirst / face.d, hb * face.dz / face.d};
}

bool isSolid(const Node& node) { return node.floorHtEnd == node.ceilHtBegin; }

int32_t lowByte(int32_t value) { return value & 255; }

}  // namespace

void RenderNode(const FrameContext& frame, int32_t n)
{
    EngineState& s = frame.state;
    if (s.openColumns == 0) return;
    // Links come from a file: a child outside the table or one already visited in this frame (a
    // cycle) is not followed.
    auto walk = [&](int32_t child) {
        if (child > 0 && child < frame.nodeCount && !s.nodeVisited[static_cast<size_t>(child)]) {
            s.nodeVisited[static_cast<size_t>(child)] = 1;
            RenderNode(frame, child);
        }
    };
    const Node& node = s.nodes[static_cast<size_t>(n)];
    const double cross = (s.viewX - node.x1) * (static_cast<double>(node.y2) - node.y1) -
                         (s.viewY - node.y1) * (static_cast<double>(node.x2) - node.x1);
    if (cross > 0.0) {
        walk(node.front);
        DrawFrontFace(frame, n);
        if (s.openColumns != 0) walk(node.back);
    } else {
        walk(node.back);
        DrawBackFlats(frame, n);
        if (s.openColumns != 0) walk(node.front);
    }
}

void DrawFrontFace(const FrameContext& frame, int32_t n)
{
    EngineState& s = frame.state;
    const Node& node = s.nodes[static_cast<size_t>(n)];
    const std::optional<FaceProjection> face = projectFace(frame, node.x1, node.y1, node.x2, node.y2);
    if (!face) return;

    WallPart part;
    part.kind = (node.wallFlags & mapfile::kWallTransparent) ? PassKind::Transparent : PassKind::Wall;
    part.firstColumn = face->firstColumn;
    part.endColumn = face->endColumn;
    part.d = face->d;
    const double focal = s.focalLength;
    const double length = node.length;
    part.textureNumerator = {length * (focal * face->x1 - face->sx1 * face->z1), -length * face->z1};
    part.textureDenominator = {face->sx1 * face->dz - focal * face->dx, face->dz};

    s.currentFlags = node.wallFlags;
    part.texture = textureByNumber(s.wallTextures, node.txrWall, s.checkerboard);
    if (node.wallFlags & mapfile::kWallAnimated) {
        const int32_t frames = static_cast<int32_t>(s.animTextures.size());
        part.texture = textureByNumber(s.animTextures, roundClamped(s.animPhase, -1, frames) + 1, s.checkerboard);
    }
    if (node.wallFlags & mapfile::kWallMultiTexture) {
        part.multiTexture = true;
        for (size_t k = 0; k < part.stackedTextures.size(); ++k) {
            const uint8_t* texture = s.animationSets[0][k];
            part.stackedTextures[k] = texture ? texture : s.checkerboard;
        }
    }

    // The scroll counter moves once for every cycling face drawn.
    part.columnOffset = lowByte(node.xo);
    part.rowOffset = lowByte(node.yo);
    if (node.wallFlags & mapfile::kWallVertCycle) {
        s.scrollPhase = static_cast<int16_t>((s.scrollPhase - 1) & 127);
        part.rowOffset = s.scrollPhase;
    } else if (node.wallFlags & mapfile::kWallHorzCycle) {
        s.scrollPhase = static_cast<int16_t>((s.scrollPhase - 1) & 127);
        part.columnOffset = s.scrollPhase;
    }

    part.flats = makeFlatSide(frame, node.ceilHtEnd, node.floorHtBegin, node.txrFFloor, node.txrFCeil);
    if (isSolid(node)) {
        part.partFlags = kPartFloor | kPartCeiling | kPartLowerClipBottom | kPartRaiseClipTop;
        setPartLines(frame, *face, node.floorHtBegin, node.ceilHtEnd, part);
        DrawWallColumns(frame, part);
        return;
    }
    part.partFlags = kPartFloor | kPartLowerClipBottom;
    setPartLines(frame, *face, node.floorHtBegin, node.floorHtEnd, part);
    DrawWallColumns(frame, part);
    part.partFlags = kPartCeiling | kPartRaiseClipTop;
    setPartLines(frame, *face, node.ceilHtBegin, node.ceilHtEnd, part);
    DrawWallColumns(frame, part);
}

void DrawBackFlats(const FrameContext& frame, int32_t n)
{
    const EngineState& s = frame.state;
    const Node& node = s.nodes[static_cast<size_t>(n)];
    if (isSolid(node)) return;
    const std::optional<FaceProjection> face = projectFace(frame, node.x2, node.y2, node.x1, node.y1);
    if (!face) return;

    WallPart part;
    part.kind = PassKind::FlatsOnly;
    part.partFlags = kPartFloor | kPartCeiling | kPartLowerClipBottom | kPartRaiseClipTop;
    part.firstColumn = face->firstColumn;
    part.endColumn = face->endColumn;
    part.flats = makeFlatSide(frame, node.ceilHtBegin, node.floorHtEnd, node.txrBFloor, node.txrBCeil);
    setPartLines(frame, *face, node.floorHtEnd, node.ceilHtBegin, part);
    DrawWallColumns(frame, part);
}

}  // namespace engine::render
