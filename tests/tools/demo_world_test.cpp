#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "format/bitmap_file.h"
#include "format/engine_header.h"
#include "platform/bytes.h"
#include "platform/profile.h"
#include "tests/support/test_support.h"
#include "tools/demo-world/block_layout.h"
#include "tools/demo-world/canvas.h"
#include "tools/demo-world/noise.h"
#include "tools/demo-world/palette.h"

namespace {

constexpr size_t kPixels = 1078;

int runTool(const std::string& arguments)
{
    const int status = std::system((std::string("\"") + QZ_DEMO_WORLD_TOOL + "\" " + arguments).c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

struct Bitmap {
    std::vector<uint8_t> bytes;
    int32_t width = 0;
    int32_t height = 0;  // as stored: negative for top-down
    uint8_t at(int x, int y) const { return bytes[kPixels + static_cast<size_t>(y) * width + x]; }
    int rows() const { return std::abs(height); }
};

Bitmap readBitmap(const std::string& path)
{
    Bitmap bitmap {qztest::readBytes(path)};
    qz::ByteReader reader(bitmap.bytes);
    reader.seek(18);
    bitmap.width = reader.i32();
    bitmap.height = reader.i32();
    return bitmap;
}

// The [section] list of a header, entries "1" .. count.
std::vector<std::string> headerList(const std::string& text, const std::string& section, const std::string& countKey)
{
    std::vector<std::string> names;
    const int count = std::stoi(qz::profileLookup(text, "Quarzite3D", countKey).value_or("-1"));
    for (int entry = 1; entry <= count; ++entry) names.push_back(qz::profileLookup(text, section, std::to_string(entry)).value_or(""));
    return names;
}

// The brightness of every palette index, from the colour table of palette.bmp.
std::array<double, 256> luminances(const std::vector<uint8_t>& palette)
{
    std::array<double, 256> result {};
    for (size_t i = 0; i < 256; ++i) {
        const uint8_t* entry = palette.data() + 54 + 4 * i;
        result[i] = 0.114 * entry[0] + 0.587 * entry[1] + 0.299 * entry[2];
    }
    return result;
}

// Mean brightness difference between row a and row b (or columns, when across is set).
double lineDifference(const Bitmap& image, const std::array<double, 256>& light, int a, int b, bool across)
{
    const int length = across ? image.rows() : image.width;
    double sum = 0;
    for (int i = 0; i < length; ++i)
        sum += std::abs(across ? light[image.at(a, i)] - light[image.at(b, i)] : light[image.at(i, a)] - light[image.at(i, b)]);
    return sum / length;
}

// A texture that repeats should not change more across its wrap-around than anywhere inside.
// Where the wrap-around is a joint (a mortar line), it is one of several alike whose tones vary
// at random, hence the tenth of slack; a texture that does not tile exceeds the roughest inside
// line by a fifth or more.
void expectSeamless(const Bitmap& image, const std::array<double, 256>& light, bool across, const std::string& name)
{
    const int lines = across ? image.width : image.rows();
    double roughestInside = 0;
    for (int line = 0; line + 1 < lines; ++line) roughestInside = std::max(roughestInside, lineDifference(image, light, line, line + 1, across));
    EXPECT_LE(lineDifference(image, light, lines - 1, 0, across), 1.1 * roughestInside) << name << (across ? " left/right" : " top/bottom");
}

// Mean brightness of a row (or column, when across is set).
double lineLight(const Bitmap& image, const std::array<double, 256>& light, int line, bool across)
{
    const int length = across ? image.rows() : image.width;
    double sum = 0;
    for (int i = 0; i < length; ++i) sum += light[across ? image.at(line, i) : image.at(i, line)];
    return sum / length;
}

// A framed module repeats as the joint of two frames: lit rims at the top and left, shadowed
// rims at the bottom and right, as light falls from the top left.
void expectFramed(const Bitmap& image, const std::array<double, 256>& light, const std::string& name)
{
    const int last = image.width - 1;
    EXPECT_GT(lineLight(image, light, 0, false), lineLight(image, light, last, false) + 20) << name;
    EXPECT_GT(lineLight(image, light, 0, true), lineLight(image, light, last, true) + 20) << name;
}

class DemoWorld : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        folder_ = new qztest::TempDir;
        ASSERT_EQ(runTool("\"" + folder_->path() + "\""), 0);
        header_ = qztest::readText(folder_->file("demo.hdr"));
    }
    static void TearDownTestSuite() { delete folder_; }

    static std::string file(const std::string& name) { return folder_->file(name); }
    static std::vector<std::string> list(const std::string& section, const std::string& countKey)
    {
        return headerList(header_, section, countKey);
    }
    static std::array<double, 256> light() { return luminances(qztest::readBytes(file("palette.bmp"))); }

    static qztest::TempDir* folder_;
    static std::string header_;
};

qztest::TempDir* DemoWorld::folder_ = nullptr;
std::string DemoWorld::header_;

TEST_F(DemoWorld, HeaderNamesTheMapPaletteSkyAndNumberedLists)
{
    EXPECT_EQ(qz::profileLookup(header_, "Quarzite3D", "map"), "demo.mpb");
    EXPECT_EQ(qz::profileLookup(header_, "Quarzite3D", "pal"), "palette.bmp");
    EXPECT_EQ(qz::profileLookup(header_, "Quarzite3D", "skyName"), "sky.bmp");
    EXPECT_EQ(qz::profileLookup(header_, "Quarzite3D", "transparentIndex"), "255");
    EXPECT_EQ(qz::profileLookup(header_, "Quarzite3D", "animInc"), "0.2");
    EXPECT_EQ(qz::profileLookup(header_, "Quarzite3D", "numObjects"), "0");
    EXPECT_EQ(qz::profileLookup(header_, "Objects", "1"), std::nullopt);
    EXPECT_EQ(list("Walls", "numWalls"),
              (std::vector<std::string> {"brick.bmp", "stone.bmp", "wood.bmp", "metal.bmp", "panel.bmp", "grate.bmp", "tiles.bmp",
                                         "moss.bmp", "marble.bmp", "darkbrick.bmp", "waterfall.bmp", "runes.bmp"}));
    EXPECT_EQ(list("Anim", "numAnim"), (std::vector<std::string> {"anim1.bmp", "anim2.bmp", "anim3.bmp"}));
    EXPECT_EQ(list("Floors", "numFloors").size(), 6u);
    EXPECT_EQ(list("Ceilings", "numCeilings").size(), 1u);
    EXPECT_EQ(list("Overlays", "numOverlays").size(), 2u);

    // The preview header differs in the map only.
    std::string preview = qztest::readText(file("scratch.hdr"));
    EXPECT_EQ(qz::profileLookup(preview, "Quarzite3D", "map"), "scratch.mpb");
    preview.replace(preview.find("scratch.mpb"), 11, "demo.mpb");
    EXPECT_EQ(preview, header_);
}

TEST_F(DemoWorld, EveryListedFileHasTheSizeAndShapeTheEngineAssumes)
{
    std::map<std::string, std::array<int32_t, 2>> expected = {{"sky.bmp", {1280, -200}}, {"palette.bmp", {128, -128}}};
    for (const char* section : {"Walls", "Anim"})
        for (const std::string& name : list(section, std::string("num") + section)) expected[name] = {128, -128};
    for (const char* section : {"Floors", "Ceilings"})
        for (const std::string& name : list(section, std::string("num") + section)) expected[name] = {64, -64};
    for (const std::string& name : list("Overlays", "numOverlays")) expected[name] = {64, -114};
    ASSERT_EQ(expected.size(), 2u + 12 + 3 + 6 + 1 + 2);

    const std::vector<uint8_t> colourTable = qztest::readBytes(file("palette.bmp"));
    for (const auto& [name, shape] : expected) {
        SCOPED_TRACE(name);
        const Bitmap bitmap = readBitmap(file(name));
        ASSERT_EQ(bitmap.bytes.size(), kPixels + static_cast<size_t>(shape[0]) * -shape[1]);
        qz::ByteReader reader(bitmap.bytes);
        EXPECT_EQ(bitmap.bytes[0], 'B');
        EXPECT_EQ(bitmap.bytes[1], 'M');
        reader.seek(2);
        EXPECT_EQ(reader.i32(), static_cast<int32_t>(bitmap.bytes.size()));
        reader.seek(10);
        EXPECT_EQ(reader.i32(), 1078);
        EXPECT_EQ(reader.i32(), 40);
        EXPECT_EQ(reader.i32(), shape[0]);
        EXPECT_EQ(reader.i32(), shape[1]);
        EXPECT_EQ(reader.i16(), 1);
        EXPECT_EQ(reader.i16(), 8);
        EXPECT_EQ(reader.i32(), 0);
        // Every file carries the world's palette, so it also looks right outside the engine.
        EXPECT_TRUE(std::equal(bitmap.bytes.begin() + 54, bitmap.bytes.begin() + 1078, colourTable.begin() + 54));
    }
}

TEST_F(DemoWorld, PaletteRampsRunDarkToLightAroundTheFixedIndexes)
{
    const std::vector<uint8_t> palette = qztest::readBytes(file("palette.bmp"));
    for (size_t i = 0; i < 256; ++i) EXPECT_EQ(palette[54 + 4 * i + 3], 0) << "reserved byte of entry " << i;
    const std::array<double, 256> light = luminances(palette);
    // Snow (index 0) is the lightest colour; the checkerboard's index 4 is dark against it.
    EXPECT_EQ(std::max_element(light.begin(), light.end()) - light.begin(), 0);
    EXPECT_LT(light[4], light[0] / 4);
    // Index 255 is never drawn on walls: a key colour of its own, unlike any other entry.
    for (size_t i = 0; i < 255; ++i) EXPECT_NE(std::memcmp(&palette[54 + 4 * i], &palette[54 + 4 * 255], 3), 0) << i;
    for (int ramp = 1; ramp < 16; ++ramp)
        for (int level = 1; level < (ramp == 15 ? 15 : 16); ++level)
            EXPECT_GT(light[ramp * 16 + level], light[ramp * 16 + level - 1]) << "ramp " << ramp << " level " << level;
    for (int level = 2; level < 16; ++level) EXPECT_GT(light[level], light[level - 1]) << "grey level " << level;
}

TEST_F(DemoWorld, OnlyTheGrateHasHolesAndOverlaysShowThroughTheirTransparentIndex)
{
    std::vector<std::string> opaque = list("Walls", "numWalls");
    for (const auto& [section, count] : {std::pair {"Anim", "numAnim"}, {"Floors", "numFloors"}, {"Ceilings", "numCeilings"}})
        for (const std::string& name : list(section, count)) opaque.push_back(name);
    opaque.push_back("sky.bmp");
    for (const std::string& name : opaque) {
        const std::vector<uint8_t> bytes = qztest::readBytes(file(name));
        const auto holes = std::count(bytes.begin() + kPixels, bytes.end(), 255);
        if (name == "grate.bmp") {
            EXPECT_GT(holes, 16384 / 3) << name;
            EXPECT_LT(holes, 16384 * 3 / 4) << name;
        } else {
            EXPECT_EQ(holes, 0) << name;
        }
    }
    for (const std::string& name : list("Overlays", "numOverlays")) {
        const Bitmap overlay = readBitmap(file(name));
        const auto clear = std::count(overlay.bytes.begin() + kPixels, overlay.bytes.end(), 255);
        EXPECT_GT(clear, 7296 / 2) << name;
        EXPECT_LT(clear, 7296 * 9 / 10) << name;
        // Run k is screen column k from the top: the top corners of the picture stay clear, the
        // bottom of the middle column (the hand) is drawn.
        EXPECT_EQ(overlay.at(0, 0), 255) << name;
        EXPECT_EQ(overlay.at(0, 113), 255) << name;
        EXPECT_NE(overlay.at(52, 68), 255) << name;
    }
    EXPECT_NE(qztest::readBytes(file("torch1.bmp")), qztest::readBytes(file("torch2.bmp")));
}

TEST_F(DemoWorld, TexturesRepeatWithoutASeamOrAsFramedModules)
{
    const std::array<double, 256> lightness = light();
    for (const auto& [section, count] :
         {std::pair {"Walls", "numWalls"}, {"Anim", "numAnim"}, {"Floors", "numFloors"}, {"Ceilings", "numCeilings"}}) {
        for (const std::string& name : list(section, count)) {
            const Bitmap texture = readBitmap(file(name));
            if (name == "panel.bmp" || std::string(section) == "Anim") {
                expectFramed(texture, lightness, name);
                continue;
            }
            expectSeamless(texture, lightness, false, name);
            expectSeamless(texture, lightness, true, name);
        }
    }
    // The sky wraps around a full turn, left to right only.
    expectSeamless(readBitmap(file("sky.bmp")), lightness, true, "sky.bmp");
}

TEST_F(DemoWorld, AnimationFramesChangeTheCoreAndKeepTheFrame)
{
    const std::vector<std::string> names = list("Anim", "numAnim");
    std::vector<Bitmap> frames;
    for (const std::string& name : names) frames.push_back(readBitmap(file(name)));
    for (size_t a = 0; a < frames.size(); ++a) {
        for (size_t b = a + 1; b < frames.size(); ++b) {
            int changed = 0;
            for (int y = 0; y < 128; ++y)
                for (int x = 0; x < 128; ++x) changed += frames[a].at(x, y) != frames[b].at(x, y);
            EXPECT_GT(changed, 16384 / 10) << names[a] << " and " << names[b];
            for (int i = 0; i < 128; ++i) {
                EXPECT_EQ(frames[a].at(i, 0), frames[b].at(i, 0));
                EXPECT_EQ(frames[a].at(0, i), frames[b].at(0, i));
            }
        }
    }
}

TEST(DemoWorldRuns, OutputIsByteIdenticalEveryTime)
{
    qztest::TempDir first, second;
    ASSERT_EQ(runTool("\"" + first.path() + "\""), 0);
    ASSERT_EQ(runTool("\"" + second.path() + "\""), 0);
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(first.path())) {
        const std::string name = entry.path().filename().string();
        EXPECT_EQ(qztest::readBytes(first.file(name)), qztest::readBytes(second.file(name))) << name;
        ++files;
    }
    EXPECT_EQ(files, 28);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(second.path()), std::filesystem::directory_iterator()), files);
}

TEST(DemoWorldRuns, RefusesBadArgumentsAndReportsWriteFailures)
{
    qztest::TempDir dir;
    EXPECT_EQ(runTool("2>/dev/null"), 2);
    EXPECT_EQ(runTool("\"" + dir.path() + "\" --sheet x.bmp 2>/dev/null"), 2);
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));

    const std::string errors = dir.file("errors.txt");
    EXPECT_EQ(runTool("\"" + dir.file("missing") + "\" 2>\"" + errors + "\""), 1);
    EXPECT_NE(qztest::readText(errors).find("cannot write " + dir.file("missing") + "/palette.bmp"), std::string::npos);
}

TEST(DemoWorldRuns, ContactSheetIsAnEightBitBitmapOfTheWorld)
{
    qztest::TempDir dir;
    ASSERT_EQ(runTool("\"" + dir.path() + "\" --contact-sheet \"" + dir.file("sheet.bmp") + "\""), 0);
    const Bitmap sheet = readBitmap(dir.file("sheet.bmp"));
    EXPECT_GE(sheet.width, 1280);
    EXPECT_LT(sheet.height, -200);
    EXPECT_EQ(sheet.bytes.size(), kPixels + static_cast<size_t>((sheet.width + 3) & ~3) * sheet.rows());
}

TEST(DemoWorldParts, BitmapRowsArePaddedToFourBytesAndStoredTopDown)
{
    qzdemo::IndexedImage image(3, 2);
    image.pixels = {1, 2, 3, 4, 5, 6};
    const std::vector<uint8_t> bytes = bitmapfile::encodeBitmap(image, qzdemo::demoPalette());
    ASSERT_EQ(bytes.size(), 1078u + 8);
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 1078, bytes.end()), (std::vector<uint8_t> {1, 2, 3, 0, 4, 5, 6, 0}));
    qz::ByteReader reader(bytes);
    reader.seek(18);
    EXPECT_EQ(reader.i32(), 3);
    EXPECT_EQ(reader.i32(), -2);
    reader.seek(34);
    EXPECT_EQ(reader.i32(), 8);
    // Colour table entries are blue, green, red, 0.
    const qzdemo::Rgb colour = qzdemo::demoPalette()[200];
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 54 + 800, bytes.begin() + 54 + 804),
              (std::vector<uint8_t> {colour.blue, colour.green, colour.red, 0}));
}

TEST(DemoWorldParts, RampIndexesKeepSnowCheckerboardAndSkipPlaces)
{
    using qzdemo::Ramp;
    EXPECT_EQ(qzdemo::rampIndex(Ramp::Grey, 15), 0);
    EXPECT_EQ(qzdemo::rampIndex(Ramp::Grey, 0), 1);
    EXPECT_EQ(qzdemo::rampIndex(Ramp::Grey, 3), 4);
    EXPECT_EQ(qzdemo::rampIndex(Ramp::Brick, 0), 16);
    EXPECT_EQ(qzdemo::rampIndex(Ramp::Brick, 20), 31);
    EXPECT_EQ(qzdemo::rampIndex(Ramp::Brick, -3), 16);
    EXPECT_EQ(qzdemo::rampIndex(Ramp::Fire, 15), 254);
    for (int ramp = 0; ramp < 16; ++ramp)
        for (int level = 0; level < 16; ++level) EXPECT_NE(qzdemo::rampIndex(static_cast<Ramp>(ramp), level), 255);
}

TEST(DemoWorldParts, CanvasReducesShadesToRampLevelsAndKeepsHoles)
{
    qzdemo::Canvas canvas(4, 1, qzdemo::Ramp::Sky, 0.0f);
    canvas.paint(1, 0, qzdemo::Ramp::Sky, 0.5f);   // 7.5 levels rounds up
    canvas.paint(2, 0, qzdemo::Ramp::Sky, 1.7f);   // clamped to the lightest
    canvas.paint(3, 0, qzdemo::Ramp::Moss, 0.2f);
    canvas.punch(3, 0);
    canvas.lighten(4, 0, 0.2f);                     // wraps to column 0
    EXPECT_EQ(canvas.toIndexes(0.0f).pixels, (std::vector<uint8_t> {8 * 16 + 3, 8 * 16 + 8, 8 * 16 + 15, 255}));
}

TEST(DemoWorldParts, BlocksWrapAroundTheRightEdge)
{
    const qzdemo::BlockLayout bond = qzdemo::BlockLayout::runningBond(128, 32, 32, 16);
    const qzdemo::BlockHit first = bond.at(5, 3);
    EXPECT_EQ(first.localX, 5);
    EXPECT_EQ(first.localY, 3);
    EXPECT_EQ(first.width, 32);
    // The second course starts half a block in: its last block runs on from x = 112 through x = 15.
    const qzdemo::BlockHit wrapped = bond.at(10, 20);
    const qzdemo::BlockHit start = bond.at(112, 20);
    EXPECT_EQ(wrapped.id, start.id);
    EXPECT_EQ(wrapped.localX, 26);
    EXPECT_EQ(wrapped.localY, 4);
    EXPECT_EQ(bond.at(16, 20).localX, 0);
    EXPECT_NE(bond.at(16, 20).id, start.id);

    qzdemo::Sequence random(7);
    const qzdemo::BlockLayout stones = qzdemo::BlockLayout::irregular(128, 64, {20, 24, 20}, 40, random);
    for (int y : {0, 19, 20, 43, 44, 63}) {
        int widths = 0;
        for (int x = 0; x < 128; ++x) widths += stones.at(x, y).localX == 0 ? stones.at(x, y).width : 0;
        EXPECT_EQ(widths, 128) << "row " << y;
    }
    EXPECT_EQ(stones.at(0, 44).localY, 0);
    EXPECT_EQ(stones.at(0, 63).height, 20);
}

TEST(DemoWorldParts, NoiseRepeatsOverItsPeriodAndTheSequenceIsSplitMix)
{
    for (float x : {0.0f, 0.3f, 2.75f})
        for (float y : {0.0f, 1.5f}) {
            // Equal up to the rounding of x + 4 itself.
            EXPECT_NEAR(qzdemo::valueNoise(x, y, 4, 2, 9), qzdemo::valueNoise(x + 4, y - 2, 4, 2, 9), 1e-5f);
            EXPECT_NEAR(qzdemo::fractalNoise(x, y, 4, 2, 4, 9), qzdemo::fractalNoise(x + 4, y + 2, 4, 2, 4, 9), 1e-5f);
            EXPECT_GE(qzdemo::fractalNoise(x, y, 4, 2, 4, 9), 0.0f);
            EXPECT_LT(qzdemo::fractalNoise(x, y, 4, 2, 4, 9), 1.0f);
        }
    EXPECT_NE(qzdemo::valueNoise(0.5f, 0.5f, 4, 2, 9), qzdemo::valueNoise(0.5f, 0.5f, 4, 2, 10));
    // The upper halves of SplitMix64's first outputs from seed 0.
    qzdemo::Sequence sequence(0);
    EXPECT_EQ(sequence.next(), 0xe220a839u);
    EXPECT_EQ(sequence.next(), 0x6e789e6au);
    std::array<int, 3> seen {};
    for (int i = 0; i < 300; ++i) ++seen.at(static_cast<size_t>(sequence.between(-1, 1) + 1));
    for (int count : seen) EXPECT_GT(count, 60);
}

TEST(DemoWorldParts, HeaderTextListsEveryKeyAndNumberedEntries)
{
    headerfile::HeaderContents contents;
    contents.map = "a.mpb";
    contents.palette = "p.bmp";
    contents.animInc = "0.5";
    contents.transparentIndex = 7;
    contents.walls = {"w1.bmp", "w2.bmp"};
    contents.floors = {"f.bmp"};
    EXPECT_EQ(headerfile::headerText(contents),
              "[Quarzite3D]\nmap=a.mpb\npal=p.bmp\nskyName=\nanimInc=0.5\nanimObjectInc=0\nanimWallNum=0\n"
              "transparentIndex=7\nnumOverlays=0\nnumWalls=2\nnumAnim=0\nnumCeilings=0\nnumFloors=1\nnumObjects=0\n"
              "numCreatures=0\n\n[Overlays]\n\n[Objects]\n\n[Walls]\n1=w1.bmp\n2=w2.bmp\n\n[Anim]\n\n[Floors]\n1=f.bmp\n"
              "\n[Ceilings]\n");
}

}  // namespace
