// A room drawn with the Draw tool and given its textures in the texture browser compiles, and a
// frame of it through qz3d-render shows exactly those textures: the wall texture chosen, the
// checkerboard for a number the header does not list.
#include <gtest/gtest.h>

#include <set>

#include "editor/document/map_document.h"
#include "editor/model/clsMap.h"
#include "editor/shell/logic/map_view_controller.h"
#include "editor/shell/logic/texture_browser.h"
#include "tests/shell/fake_map_view_port.h"
#include "tests/support/engine_files.h"
#include "tests/support/recording_surface.h"
#include "tests/support/run_program.h"

using namespace qzedit;

namespace enginetest {
namespace {

constexpr int kWidth = 160, kHeight = 100;

class DrawnRoom : public EngineTest {
protected:
    DrawnRoom()
    {
        Colours colours {};
        for (size_t i = 0; i < 256; ++i) colours[i] = {static_cast<uint8_t>(i), 9, static_cast<uint8_t>(255 - i)};
        write("palette.bmp", bitmapFile(16, 16, std::vector<uint8_t>(256, 0), colours));
        write("checks.bmp", wallBitmap([](int r, int c) { return static_cast<uint8_t>(20 + (r / 16 + c / 16) % 2); }));
        write("bands.bmp", wallBitmap([](int r, int) { return static_cast<uint8_t>(40 + r / 32); }));
        write("floor.bmp", plainBitmap(64, 64, 100));
        write("ceiling.bmp", plainBitmap(64, 64, 120));
        writeText("room.hdr", "[Quarzite3D]\nmap=room.mpb\nnumWalls=2\nnumFloors=2\n"
                              "[Walls]\n1=checks.bmp\n2=bands.bmp\n[Floors]\n1=floor.bmp\n2=ceiling.bmp\n");

        // The room as a map maker draws it: a square of 512 at ten units a pixel, closed on its
        // first corner.
        map.clickMode = MapViewController::kDrawTool;
        view.setMap(&map);
        view.setDocument(&document);
        view.roomDrawn = [this](int32_t area) { room = area; };
        for (auto [x, y] : {std::pair {0.0f, 0.0f}, {0.0f, 51.2f}, {51.2f, 51.2f}, {51.2f, 0.0f}, {0.0f, 0.0f}}) {
            view.mouseDown(MapViewController::kLeftButton, false, x, y);
            view.mouseUp(MapViewController::kLeftButton, x, y);
        }
        browser.useHeader(file("room.hdr"));
    }

    // Chooses the number for the field of the drawn room in the texture browser.
    void choose(TextureField field, int32_t number)
    {
        browser.setField(field);
        ASSERT_TRUE(browser.choose(number));
    }

    // The frame from the middle of the room looking along +y at its far wall, as palette indexes.
    std::multiset<uint8_t> frame()
    {
        EXPECT_TRUE(map.createBSP());
        EXPECT_TRUE(map.WriteNewMPB(file("room.mpb"), true));
        const qztest::ProgramResult result =
            qztest::runProgram(QZ3D_RENDER_TOOL, {file("room.hdr"), "--out", file("frame.bmp"), "--size", "160x100",
                                                  "--at", "256,100,56,0"});
        EXPECT_EQ(result.exitCode, 0) << result.err;
        EXPECT_EQ(result.out, "x=256 y=100 eye=56 angle=0 area=0\n") << "the viewer stands in the drawn room";
        const std::vector<uint8_t> bmp = qztest::readBytes(file("frame.bmp"));
        EXPECT_EQ(bmp.size(), 1078u + kWidth * kHeight);
        return std::multiset<uint8_t>(bmp.begin() + 1078, bmp.end());
    }

    static size_t countOf(const std::multiset<uint8_t>& pixels, std::initializer_list<uint8_t> indexes)
    {
        size_t n = 0;
        for (uint8_t i : indexes) n += pixels.count(i);
        return n;
    }

    clsMap map;
    MapDocument document {map};
    qztest::RecordingSurface surface;
    FakeMapViewPort port;
    MapViewController view {surface, port};
    int32_t room = -1;
    TextureBrowser browser {document, [this] { return EditSelection {{}, room}; }};
};

TEST_F(DrawnRoom, ItsFrameShowsTheWallTextureChosenInTheBrowser)
{
    ASSERT_EQ(room, 0);
    ASSERT_EQ(map.numWalls, 4);
    choose(TextureField::Wall, 2);
    choose(TextureField::FrontCeiling, 2);
    const std::multiset<uint8_t> bands = frame();
    const size_t wall = countOf(bands, {40, 41, 42, 43});
    EXPECT_GT(wall, bands.size() / 4) << "the far wall fills much of the frame";
    EXPECT_GT(bands.count(100), 0u) << "the floor";
    EXPECT_GT(bands.count(120), 0u) << "the ceiling chosen";
    EXPECT_EQ(wall + bands.count(100) + bands.count(120), bands.size()) << "nothing but the room's own textures";

    choose(TextureField::Wall, 1);
    const std::multiset<uint8_t> checks = frame();
    EXPECT_EQ(countOf(checks, {40, 41, 42, 43}), 0u);
    EXPECT_EQ(countOf(checks, {20, 21}), wall) << "the same wall, the other texture";
}

TEST_F(DrawnRoom, ANumberOutsideTheHeadersListDrawsTheCheckerboard)
{
    choose(TextureField::Wall, 7);
    const std::multiset<uint8_t> pixels = frame();
    const size_t board = countOf(pixels, {0, 4});
    EXPECT_GT(board, pixels.size() / 4);
    EXPECT_EQ(board + pixels.count(100), pixels.size()) << "floor and ceiling are flat 1";
    EXPECT_EQ(&browser.catalogue().picture(TextureList::Walls, 7), &TextureCatalogue::checkerboard())
        << "the browser shows the same";
}

}  // namespace
}  // namespace enginetest
