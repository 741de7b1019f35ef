#include "tools/demo-world/contact_sheet.h"

#include <algorithm>
#include <vector>

#include "tools/demo-world/palette.h"

namespace qzdemo {
namespace {

constexpr int kGap = 8;
constexpr int kSheetWidth = 1400;

IndexedImage repeated(const IndexedImage& image, int across, int down)
{
    IndexedImage result(image.width * across, image.height * down);
    for (int y = 0; y < result.height; ++y)
        for (int x = 0; x < result.width; ++x) result.at(x, y) = image.at(x % image.width, y % image.height);
    return result;
}

IndexedImage doubled(const IndexedImage& image)
{
    IndexedImage result(image.width * 2, image.height * 2);
    for (int y = 0; y < result.height; ++y)
        for (int x = 0; x < result.width; ++x) result.at(x, y) = image.at(x / 2, y / 2);
    return result;
}

IndexedImage stacked(const std::vector<const IndexedImage*>& images)
{
    IndexedImage result(images.front()->width, images.front()->height * static_cast<int>(images.size()));
    for (size_t i = 0; i < images.size(); ++i)
        std::copy(images[i]->pixels.begin(), images[i]->pixels.end(),
                  result.pixels.begin() + static_cast<std::ptrdiff_t>(i * images[i]->pixels.size()));
    return result;
}

// The right and left ends of a panorama side by side, as the sky shows them when it wraps.
IndexedImage wrapJoin(const IndexedImage& image, int span)
{
    IndexedImage result(2 * span, image.height);
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < result.width; ++x) result.at(x, y) = image.at((image.width - span + x) % image.width, y);
    return result;
}

// Places pictures left to right in shelves, starting a new shelf when one is full.
IndexedImage shelve(const std::vector<IndexedImage>& pictures)
{
    struct Place {
        int x, y;
    };
    std::vector<Place> places;
    int x = kGap, y = kGap, shelfHeight = 0, width = 0;
    for (const IndexedImage& picture : pictures) {
        if (x > kGap && x + picture.width + kGap > kSheetWidth) {
            x = kGap;
            y += shelfHeight + kGap;
            shelfHeight = 0;
        }
        places.push_back({x, y});
        x += picture.width + kGap;
        width = std::max(width, x);
        shelfHeight = std::max(shelfHeight, picture.height);
    }
    IndexedImage sheet(width, y + shelfHeight + kGap, rampIndex(Ramp::Grey, 0));
    for (size_t i = 0; i < pictures.size(); ++i)
        for (int py = 0; py < pictures[i].height; ++py)
            for (int px = 0; px < pictures[i].width; ++px) sheet.at(places[i].x + px, places[i].y + py) = pictures[i].at(px, py);
    return sheet;
}

}  // namespace

IndexedImage contactSheet(const DemoWorld& world)
{
    std::vector<IndexedImage> pictures;
    std::vector<const IndexedImage*> multiTexture;
    for (const WorldImage& entry : world.images) {
        const IndexedImage& image = entry.image;
        switch (entry.kind) {
        case AssetKind::Wall:
            pictures.push_back(repeated(image, 2, 2));
            if (multiTexture.size() < 4) multiTexture.push_back(&image);
            break;
        case AssetKind::Flat: pictures.push_back(repeated(image, 3, 3)); break;
        case AssetKind::Overlay: pictures.push_back(doubled(transpose(image))); break;
        case AssetKind::PaletteSwatches: pictures.push_back(image); break;
        case AssetKind::Sky:
            pictures.push_back(image);
            pictures.push_back(wrapJoin(image, 160));
            break;
        }
    }
    pictures.push_back(repeated(stacked(multiTexture), 2, 1));
    return shelve(pictures);
}

}  // namespace qzdemo
