#include "tools/demo-world/world.h"

#include "format/bitmap_file.h"
#include "tools/demo-world/flats.h"
#include "tools/demo-world/overlay.h"
#include "tools/demo-world/palette.h"
#include "tools/demo-world/sky.h"
#include "tools/demo-world/walls.h"

namespace qzdemo {
namespace {

struct Recipe {
    const char* file;
    IndexedImage (*make)();
};

// The order of each list is the texture numbering the demo map relies on.
const Recipe kWalls[] = {
    {"brick.bmp", brickWall},       {"stone.bmp", stoneWall},         {"wood.bmp", woodWall},
    {"metal.bmp", metalWall},       {"panel.bmp", panelWall},         {"grate.bmp", grateWall},
    {"tiles.bmp", tilesWall},       {"moss.bmp", mossWall},           {"marble.bmp", marbleWall},
    {"darkbrick.bmp", darkBrickWall}, {"waterfall.bmp", waterfallWall}, {"runes.bmp", runesWall},
};

const Recipe kAnim[] = {
    {"anim1.bmp", [] { return glowPanelFrame(0); }},
    {"anim2.bmp", [] { return glowPanelFrame(1); }},
    {"anim3.bmp", [] { return glowPanelFrame(2); }},
};

const Recipe kFloors[] = {
    {"flagstone.bmp", flagstoneFlat}, {"woodfloor.bmp", woodFloorFlat}, {"ceiltile.bmp", ceilingTileFlat},
    {"grass.bmp", grassFlat},         {"sand.bmp", sandFlat},           {"metalplate.bmp", metalPlateFlat},
};

const Recipe kCeilings[] = {{"ceiling.bmp", beamCeiling}};

const Recipe kOverlays[] = {
    {"torch1.bmp", [] { return transpose(torchPicture(0)); }},
    {"torch2.bmp", [] { return transpose(torchPicture(1)); }},
};

// Swatches of 8 x 8 pixels, one per index, so the palette file shows its colours.
IndexedImage paletteSwatches()
{
    IndexedImage image(128, 128);
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) image.at(x, y) = static_cast<uint8_t>((y / 8) * 16 + x / 8);
    return image;
}

template <size_t N>
void add(DemoWorld& world, const Recipe (&recipes)[N], AssetKind kind, std::vector<std::string>& list)
{
    for (const Recipe& recipe : recipes) {
        world.images.push_back({recipe.file, kind, recipe.make()});
        list.push_back(recipe.file);
    }
}

}  // namespace

DemoWorld buildDemoWorld()
{
    DemoWorld world;
    headerfile::HeaderContents& header = world.header;
    header.map = kDemoMap;
    header.palette = "palette.bmp";
    header.sky = "sky.bmp";
    header.animInc = "0.2";
    header.transparentIndex = kOverlayTransparent;
    world.images.push_back({header.palette, AssetKind::PaletteSwatches, paletteSwatches()});
    world.images.push_back({header.sky, AssetKind::Sky, skyPanorama()});
    add(world, kOverlays, AssetKind::Overlay, header.overlays);
    add(world, kWalls, AssetKind::Wall, header.walls);
    add(world, kAnim, AssetKind::Wall, header.anim);
    add(world, kFloors, AssetKind::Flat, header.floors);
    add(world, kCeilings, AssetKind::Flat, header.ceilings);
    return world;
}

std::vector<OutputFile> worldFiles(const DemoWorld& world)
{
    std::vector<OutputFile> files;
    for (const WorldImage& image : world.images) files.push_back({image.file, bitmapfile::encodeBitmap(image.image, demoPalette())});
    headerfile::HeaderContents header = world.header;
    for (const auto& [file, map] : {std::pair {kDemoHeader, kDemoMap}, std::pair {kPreviewHeader, kPreviewMap}}) {
        header.map = map;
        const std::string text = headerfile::headerText(header);
        files.push_back({file, std::vector<uint8_t>(text.begin(), text.end())});
    }
    return files;
}

}  // namespace qzdemo
