// The textures of a header as the browser shows them and the engine draws them, and a choice that
// sets exactly the field chosen.
#include <gtest/gtest.h>

#include <filesystem>

#include "editor/edit/texture_catalogue.h"
#include "editor/edit/texture_choice.h"
#include "editor/model/clsMap.h"
#include "format/bitmap_file.h"
#include "format/record_identity.h"
#include "tests/edit/hand_edit_maps.h"
#include "tests/support/test_support.h"

using namespace qzedit;
using bitmapfile::IndexedImage;

namespace {

IndexedImage pattern(int side, uint8_t base)
{
    IndexedImage image(side, side);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) image.at(x, y) = static_cast<uint8_t>(base + (x + 3 * y) % 7);
    return image;
}

struct Catalogue : ::testing::Test {
    Catalogue()
    {
        bitmapfile::ColourTable colours {};
        for (size_t i = 0; i < colours.size(); ++i)
            colours[i] = {static_cast<uint8_t>(i), static_cast<uint8_t>(255 - i), static_cast<uint8_t>(i / 2)};
        write("pal.bmp", bitmapfile::encodeBitmap(IndexedImage(16, 16), colours));
        write("brick.bmp", bitmapfile::encodeBitmap(pattern(128, 10), colours));
        std::filesystem::create_directory(dir.file("Walls"));
        write("Walls/STONE.BMP", bitmapfile::encodeBitmap(pattern(128, 50), colours));
        write("grass.bmp", bitmapfile::encodeBitmap(pattern(64, 90), colours));
        // 1078 bytes of headers, then only 100 pixels.
        std::vector<uint8_t> shortFile(1078 + 100, 33);
        write("short.bmp", shortFile);
        write("outside.bmp", bitmapfile::encodeBitmap(pattern(64, 140), colours));
        qztest::writeText(dir.file("world.hdr"),
                          "[Quarzite3D]\nmap=world.mpb\npal = pal.bmp\nnumWalls= 3 \nnumFloors=3\n"
                          "[Walls]\n1=brick.bmp\n2=Walls\\stone.bmp\n3=gone.bmp\n"
                          "[Floors]\n1=grass.bmp\n2=short.bmp\n3=" + dir.file("outside.bmp") + "\n");
    }
    void write(const std::string& name, const std::vector<uint8_t>& bytes) { qztest::writeBytes(dir.file(name), bytes); }

    qztest::TempDir dir;
};

TEST_F(Catalogue, TheHeadersListsWithTheirPicturesAsTheEngineReadsThem)
{
    const TextureCatalogue catalogue = TextureCatalogue::read(dir.file("world.hdr"));
    EXPECT_EQ(catalogue.problem(), "");
    const std::vector<TextureEntry>& walls = catalogue.entries(TextureList::Walls);
    ASSERT_EQ(walls.size(), 3u);
    EXPECT_EQ(walls[0].number, 1);
    EXPECT_EQ(walls[0].fileName, "brick.bmp");
    EXPECT_FALSE(walls[0].missing);
    EXPECT_EQ(walls[0].picture.pixels, pattern(128, 10).pixels) << "file rows in file order, the first at the top";
    EXPECT_FALSE(walls[1].missing) << "a Windows name: a backslash and the file in another case";
    EXPECT_EQ(walls[1].picture.pixels, pattern(128, 50).pixels);
    EXPECT_TRUE(walls[2].missing);
    EXPECT_EQ(walls[2].picture.pixels, TextureCatalogue::checkerboard().pixels);

    const std::vector<TextureEntry>& flats = catalogue.entries(TextureList::Flats);
    ASSERT_EQ(flats.size(), 3u);
    EXPECT_EQ(flats[0].picture.width, 64);
    EXPECT_EQ(flats[0].picture.pixels, pattern(64, 90).pixels);
    std::vector<uint8_t> padded(64 * 64, 0);
    std::fill_n(padded.begin(), 100, 33);
    EXPECT_EQ(flats[1].picture.pixels, padded) << "a short file is padded with index 0";
    EXPECT_EQ(flats[2].picture.pixels, pattern(64, 140).pixels) << "named by its full path";

    EXPECT_EQ(catalogue.colours()[7].red, 7);
    EXPECT_EQ(catalogue.colours()[7].green, 248);
    EXPECT_EQ(catalogue.colours()[7].blue, 3);
}

TEST_F(Catalogue, NumbersOutsideTheListsShowTheCheckerboard)
{
    const TextureCatalogue catalogue = TextureCatalogue::read(dir.file("world.hdr"));
    EXPECT_EQ(&catalogue.picture(TextureList::Walls, 2), &catalogue.entries(TextureList::Walls)[1].picture);
    EXPECT_EQ(&catalogue.picture(TextureList::Flats, 3), &catalogue.entries(TextureList::Flats)[2].picture);
    for (int32_t number : {0, 4, -1, 1000})
        EXPECT_EQ(&catalogue.picture(TextureList::Walls, number), &TextureCatalogue::checkerboard()) << number;
    EXPECT_EQ(&catalogue.picture(TextureList::Flats, 4), &TextureCatalogue::checkerboard());

    const IndexedImage& board = TextureCatalogue::checkerboard();
    ASSERT_EQ(board.width, 128);
    auto row = [&board](int r) {
        const auto start = board.pixels.begin() + r * board.width;
        return std::vector<uint8_t>(start, start + 17);
    };
    const std::vector<uint8_t> fourFirst {4, 4, 4, 4, 4, 4, 4, 4, 0, 0, 0, 0, 0, 0, 0, 0, 4};
    const std::vector<uint8_t> zeroFirst {0, 0, 0, 0, 0, 0, 0, 0, 4, 4, 4, 4, 4, 4, 4, 4, 0};
    EXPECT_EQ(row(0), fourFirst) << "the first band is one row high";
    EXPECT_EQ(row(1), zeroFirst);
    EXPECT_EQ(row(8), zeroFirst);
    EXPECT_EQ(row(9), fourFirst);
    EXPECT_EQ(row(16), fourFirst);
    EXPECT_EQ(row(17), zeroFirst);
}

TEST_F(Catalogue, AHeaderWithoutListsOrPaletteShowsItsProblem)
{
    qztest::writeText(dir.file("bare.hdr"), "[Quarzite3D]\nnumWalls=-2\nnumFloors=abc\n[Walls]\n1=brick.bmp\n");
    const TextureCatalogue bare = TextureCatalogue::read(dir.file("bare.hdr"));
    EXPECT_TRUE(bare.entries(TextureList::Walls).empty()) << "a count below 1 lists nothing";
    EXPECT_TRUE(bare.entries(TextureList::Flats).empty());
    EXPECT_EQ(bare.problem(), "The palette palette.bmp is missing: the textures are shown in grey.");
    EXPECT_EQ(bare.colours()[200].red, 200);
    EXPECT_EQ(bare.colours()[200].blue, 200);

    const TextureCatalogue none = TextureCatalogue::read(dir.file("none.hdr"));
    EXPECT_EQ(none.problem(), "The header " + dir.file("none.hdr") + " cannot be read.");
    EXPECT_EQ(TextureCatalogue::read("").problem(), "No header is chosen.");
}

TEST_F(Catalogue, TheDefaultHeaderIsTheCurrentFoldersScratchHeaderElseTheShippedOne)
{
    qztest::TempDir program;
    qztest::writeText(program.file("scratch.hdr"), "[Quarzite3D]\n");
    EXPECT_EQ(defaultTextureHeader(dir.path(), program.path()), program.file("scratch.hdr"));
    qztest::writeText(dir.file("scratch.hdr"), "[Quarzite3D]\n");
    EXPECT_EQ(defaultTextureHeader(dir.path(), program.path()), dir.file("scratch.hdr"));
    qztest::TempDir empty;
    EXPECT_EQ(defaultTextureHeader(empty.path(), empty.path()), "");
}

TEST(TextureChoice, OnlyTheChosenFieldOfTheSelectedWallsChanges)
{
    clsMap map;
    handtest::buildTwoRooms(map);
    const clsMap before = map;
    for (TextureField field : kTextureFields) {
        clsMap changed = before;
        setTexture(changed, selectedWalls(changed, {{}, 1}), field, 12);
        for (int32_t w = 0; w < changed.numWalls; ++w) {
            Wall expected = before.wallRecord(w);
            if (w >= 4 && w < 8) {
                switch (field) {
                case TextureField::Wall: expected.txrWall = 12; break;
                case TextureField::FrontFloor: expected.txrFFloor = 12; break;
                case TextureField::FrontCeiling: expected.txrFCeil = 12; break;
                case TextureField::BackFloor: expected.txrBFloor = 12; break;
                case TextureField::BackCeiling: expected.txrBCeil = 12; break;
                }
                EXPECT_EQ(textureOf(changed.wallRecord(w), field), 12);
            }
            EXPECT_TRUE(mapfile::identical(changed.wallRecord(w), expected)) << textureFieldName(field) << " wall " << w;
        }
    }
    EXPECT_EQ(selectedWalls(map, {{8, 2, 8, 40}, -1}), (std::vector<int32_t> {8, 2})) << "each wall once, in the map";
    EXPECT_EQ(selectedWalls(map, {{5, 8}, 1}), (std::vector<int32_t> {4, 5, 6, 7, 8}));
    EXPECT_TRUE(selectedWalls(map, {{}, 7}).empty());
}

TEST(TextureChoice, TheGridsTextureRowsAndTheirLists)
{
    EXPECT_EQ(textureFieldOfRow("Wall Tx"), TextureField::Wall);
    EXPECT_EQ(textureFieldOfRow("Front Floor Tx"), TextureField::FrontFloor);
    EXPECT_EQ(textureFieldOfRow("Front Ceil Tx"), TextureField::FrontCeiling);
    EXPECT_EQ(textureFieldOfRow("Back Floor Tx"), TextureField::BackFloor);
    EXPECT_EQ(textureFieldOfRow("Back Ceil Tx"), TextureField::BackCeiling);
    EXPECT_FALSE(textureFieldOfRow("Tx Type").has_value());
    EXPECT_FALSE(textureFieldOfRow("x1").has_value());
    EXPECT_EQ(listOf(TextureField::Wall), TextureList::Walls);
    for (TextureField field : {TextureField::FrontFloor, TextureField::FrontCeiling, TextureField::BackFloor,
                               TextureField::BackCeiling})
        EXPECT_EQ(listOf(field), TextureList::Flats) << "ceilings come from the flats too";
}

}  // namespace
