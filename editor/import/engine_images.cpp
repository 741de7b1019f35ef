#include "editor/import/engine_images.h"

namespace qzedit {

namespace wad {

namespace {

constexpr int kWallSize = 128;
constexpr int kFlatSize = 64;
constexpr int kSkyWidth = 1280;
constexpr int kSkyHeight = 200;
constexpr int kDoomSkyColumnsPerTurn = 1024;

}  // namespace

bitmapfile::IndexedImage engineWallTexture(const bitmapfile::IndexedImage& texture)
{
    bitmapfile::IndexedImage wall(kWallSize, kWallSize);
    for (int y = 0; y < kWallSize; ++y)
        for (int x = 0; x < kWallSize; ++x) wall.at(x, y) = texture.at(x % texture.width, y % texture.height);
    return wall;
}

bitmapfile::IndexedImage engineFlat(const bitmapfile::IndexedImage& flat)
{
    bitmapfile::IndexedImage out(kFlatSize, kFlatSize);
    for (int v = 0; v < kFlatSize; ++v)
        for (int u = 0; u < kFlatSize; ++u) out.at(u, v) = flat.at(u, kFlatSize - 1 - v);
    return out;
}

bitmapfile::IndexedImage engineSky(const bitmapfile::IndexedImage& sky)
{
    bitmapfile::IndexedImage out(kSkyWidth, kSkyHeight);
    for (int y = 0; y < kSkyHeight; ++y) {
        const int row = y * sky.height / kSkyHeight;
        for (int x = 0; x < kSkyWidth; ++x) out.at(x, y) = sky.at(x * kDoomSkyColumnsPerTurn / kSkyWidth % sky.width, row);
    }
    return out;
}

}  // namespace wad

}  // namespace qzedit
