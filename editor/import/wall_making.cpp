#include "editor/import/wall_making.h"

#include <algorithm>

namespace qzedit {

namespace wad {

namespace {

constexpr int kDefaultTextureHeight = 128;
constexpr int kEngineTextureSize = 128;

int textureHeight(const TextureHeights& heights, const std::string& name)
{
    auto it = heights.find(name);
    return it == heights.end() ? kDefaultTextureHeight : it->second;
}

int32_t wrapToTexture(int32_t v) { return ((v % kEngineTextureSize) + kEngineTextureSize) % kEngineTextureSize; }

// A texture and the height its top row is drawn at.
struct Choice {
    std::string name;
    int32_t top = 0;
};

// The texture a wall shows and where it is pegged, as Doom aligns each part: a one-sided middle
// from the ceiling (from the floor up when lower-unpegged); an upper part up from the lower
// ceiling (down from the higher one when upper-unpegged); a lower part down from the higher floor
// (from the ceiling when lower-unpegged). Of a visible upper and lower part, the taller shows.
Choice chooseTexture(const Sidedef& sd, const Linedef& line, const Sector& front, const Sector* behind,
                     const TextureHeights& heights, ImportCounts& counts, bool solid)
{
    const bool lowerUnpegged = (line.flags & kLineLowerUnpegged) != 0;
    const bool upperUnpegged = (line.flags & kLineUpperUnpegged) != 0;
    if (!behind) {
        const int h = textureHeight(heights, sd.middle);
        return {sd.middle, lowerUnpegged ? front.floor + h : front.ceiling};
    }
    const bool bothSky = isSkyFlat(front.ceilingFlat) && isSkyFlat(behind->ceilingFlat);
    const int32_t lowerPart = behind->floor - front.floor;
    const int32_t upperPart = bothSky ? 0 : front.ceiling - behind->ceiling;
    Choice lower {sd.lower, lowerUnpegged ? front.ceiling : behind->floor};
    Choice upper {sd.upper, upperUnpegged ? front.ceiling : behind->ceiling + textureHeight(heights, sd.upper)};
    if (lowerPart > 0 && upperPart > 0 && sd.lower != sd.upper) ++counts.secondTextures;
    Choice chosen;
    if (upperPart > 0 && (upperPart >= lowerPart || isNoTexture(sd.lower))) {
        chosen = upper;
    } else if (lowerPart > 0) {
        chosen = lower;
    } else {
        return {sd.middle, front.ceiling};
    }
    if (isNoTexture(chosen.name) && solid) {
        // A solid wall shows its whole height: any texture the side names serves better than none.
        for (const std::string* other : {&sd.upper, &sd.lower, &sd.middle})
            if (!isNoTexture(*other)) return {*other, front.ceiling};
    }
    if (isNoTexture(chosen.name)) ++counts.missingTextures;
    return chosen;
}

}  // namespace

bool isSkyFlat(const std::string& flat) { return flat == "F_SKY1"; }

mapfile::Wall makeWall(const DoomMap& map, const LineSide& side, TextureCatalogue& textures,
                       const TextureHeights& heights, ImportCounts& counts)
{
    const Linedef& line = *side.line;
    const Sidedef& sd = map.sidedefs[static_cast<size_t>(side.reversed ? line.back : line.front)];
    const Sector& front = map.sectors[sd.sector];
    const Sector* behind = side.behind;
    const Vertex& start = map.vertexes[side.reversed ? line.v2 : line.v1];
    const Vertex& end = map.vertexes[side.reversed ? line.v1 : line.v2];

    mapfile::Wall w;
    w.x1 = start.x;
    w.y1 = start.y;
    w.x2 = end.x;
    w.y2 = end.y;
    w.back = w.front = -1;
    w.tStart = 0.0;
    w.tEnd = 1.0;
    w.floorHtBegin = front.floor;
    w.ceilHtEnd = front.ceiling;
    w.txrFFloor = textures.flat(front.floorFlat);
    w.txrFCeil = textures.flat(front.ceilingFlat);
    const Sector& backFlats = behind && side.behindImported ? *behind : front;
    w.txrBFloor = textures.flat(backFlats.floorFlat);
    w.txrBCeil = textures.flat(backFlats.ceilingFlat);
    if (isSkyFlat(front.ceilingFlat)) w.wallFlags |= mapfile::kWallSkyCeiling;

    // Open when the viewer can see and walk through: the other room is imported and the gap
    // between the higher floor and the lower ceiling is not closed (a shut door is).
    const bool open = behind && side.behindImported &&
                      std::max(front.floor, behind->floor) < std::min(front.ceiling, behind->ceiling);
    const bool seeThrough = open && (line.flags & kLineImpassable) != 0 && !isNoTexture(sd.middle);
    Choice choice;
    if (seeThrough) {
        choice = {sd.middle, front.ceiling};
        w.wallFlags |= mapfile::kWallTransparent;
    } else {
        choice = chooseTexture(sd, line, front, behind, heights, counts, !open);
    }
    if (open && !seeThrough) {
        w.floorHtEnd = behind->floor;
        w.ceilHtBegin = behind->ceiling;
        if (isSkyFlat(front.ceilingFlat) && isSkyFlat(behind->ceilingFlat)) {
            // Between two skies no upper wall shows: the sky runs on over the line.
            w.ceilHtBegin = w.ceilHtEnd = std::max(front.ceiling, behind->ceiling);
        }
    } else {
        // Solid from the floor to the ceiling: the lower part's top meets the upper part's bottom.
        w.floorHtEnd = w.ceilHtBegin = front.ceiling;
    }
    w.txrWall = textures.wall(choice.name);
    w.xo = wrapToTexture(sd.xOffset);
    w.yo = wrapToTexture(-choice.top - sd.yOffset);
    return w;
}

}  // namespace wad

}  // namespace qzedit
