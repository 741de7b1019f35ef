#include "engine/viewer/viewer_icons.h"

#include <array>
#include <cstdint>
#include <string_view>

#include "engine/viewer/viewer_resources.h"

namespace engine::viewer {

namespace {

using Art = std::array<std::string_view, 24>;

// A play triangle: Start.
constexpr Art kStartArt = {
    "........................",
    "........................",
    ".....kk.................",
    ".....kGkk...............",
    ".....kGGGkk.............",
    ".....kGggGGkk...........",
    ".....kGggggGGkk.........",
    ".....kGggggggGGkk.......",
    ".....kGggggggggGGkk.....",
    ".....kGggggggggggGGkk...",
    ".....kGggggggggggggGGk..",
    ".....kGggggggggggggggGk.",
    ".....kGgggggggggggggggdk",
    ".....kGgggggggggggggddk.",
    ".....kGgggggggggggddkk..",
    ".....kGgggggggggddkk....",
    ".....kGgggggggddkk......",
    ".....kGgggggddkk........",
    ".....kGgggddkk..........",
    ".....kGgddkk............",
    ".....kGdkk..............",
    ".....kkk................",
    "........................",
    "........................",
};

// A quartz crystal, lit from the left.
constexpr Art kCrystalArt = {
    "...........kk...........",
    "..........kwlk..........",
    ".........kwwlpk.........",
    "........kwwllppk........",
    ".......kwwlllpppk.......",
    "......kwwllllppppk......",
    ".....kwwlllllpppppk.....",
    ".....kwlllllppppPPk.....",
    ".....kwlllllppppPPk.....",
    ".....kwlllllppppPPk.....",
    ".....kwlllllppppPPk.....",
    ".....kwlllllppppPPk.....",
    ".....kwlllllppppPPk.....",
    ".....kwlllllppppPPk.....",
    ".....kwlllllppppPPk.....",
    ".....kwlllllppppPPk.....",
    ".....kwlllllppppPPk.....",
    ".....kwlllllppppPPk.....",
    ".....kwlllllppppPPk.....",
    "....kkwlllllppppPPkk....",
    "...kmmkkkkkkkkkkkkmmk...",
    "..kmmmmmmmmmmmmmmmmmmk..",
    "...kkkkkkkkkkkkkkkkkk...",
    "........................",
};

uint32_t colourOf(char ink)
{
    switch (ink) {
    case 'k': return 0xFF202830;  // outline
    case 'G': return 0xFF8CE08C;  // lit edge
    case 'g': return 0xFF30A040;
    case 'd': return 0xFF1C6828;  // shaded edge
    case 'w': return 0xFFF4F0FF;
    case 'l': return 0xFFD2C4F0;
    case 'p': return 0xFFA088D8;
    case 'P': return 0xFF6A50A8;
    case 'm': return 0xFF8A7E70;  // rock
    default: return 0x00000000;   // transparent
    }
}

void paint(qz::ImageResource& image, int32_t left, const Art& art)
{
    for (int32_t y = 0; y < kToolbarImageSize; ++y) {
        const std::string_view row = art[static_cast<size_t>(y)];
        for (int32_t x = 0; x < kToolbarImageSize && x < static_cast<int32_t>(row.size()); ++x)
            image.pixels[static_cast<size_t>(y * image.width + left + x)] = colourOf(row[static_cast<size_t>(x)]);
    }
}

qz::ImageResource blank(int32_t width, int32_t height)
{
    qz::ImageResource image;
    image.width = width;
    image.height = height;
    image.pixels.assign(static_cast<size_t>(width) * static_cast<size_t>(height), 0);
    return image;
}

}  // namespace

qz::ImageResource toolbarStrip()
{
    qz::ImageResource strip = blank(kToolbarImages * kToolbarImageSize, kToolbarImageSize);
    paint(strip, 0, kStartArt);
    return strip;
}

qz::ImageResource programIcon()
{
    qz::ImageResource icon = blank(kToolbarImageSize, kToolbarImageSize);
    paint(icon, 0, kCrystalArt);
    return icon;
}

}  // namespace engine::viewer
