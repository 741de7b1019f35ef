#include <gtest/gtest.h>

#include <cmath>
#include <iostream>
#include <random>

#include "editor/import/doom_map.h"
#include "editor/import/map_filling.h"
#include "editor/import/wad_import.h"
#include "engine/engine_state.h"
#include "engine/movement.h"
#include "platform/files.h"
#include "tests/import/doom_truth.h"
#include "tests/import/engine_world.h"
#include "tests/support/test_support.h"

using namespace qzedit;

// MAP01 of Freedoom's freedoom2.wad (Debian's freedoom package): imported whole, compiled, and
// walked through the engine. Skipped when the package is not installed.
namespace {

const char* const kFreedoom2 = "/usr/share/games/doom/freedoom2.wad";

class FreedoomMap01 : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!qz::fileExists(kFreedoom2)) GTEST_SKIP() << kFreedoom2 << " is missing: install the freedoom package";
        file_.emplace(wad::readWadFile(kFreedoom2));
        doom_ = wad::readDoomMap(*file_, "MAP01");
        imported_ = wad::importWadMap(*file_, "MAP01", {});
    }

    std::optional<wad::WadFile> file_;
    wad::DoomMap doom_;
    wad::ImportedMap imported_;
};

TEST_F(FreedoomMap01, ImportsWholeAndCompilesWithinTheTables)
{
    const wad::ImportCounts& counts = imported_.converted.counts;
    EXPECT_FALSE(imported_.cut);
    EXPECT_EQ(counts.sectorsLeftOut, 0);
    EXPECT_EQ(counts.areas, static_cast<int32_t>(doom_.sectors.size()));
    // Every line but the two inner ones gives a wall per side it shows to an imported sector.
    EXPECT_EQ(counts.oneSidedWalls + 2 * counts.twoSidedLines, counts.walls);
    EXPECT_EQ(counts.oneSidedWalls + counts.twoSidedLines + counts.innerLines, static_cast<int32_t>(doom_.linedefs.size()));
    EXPECT_LE(counts.walls, 2001);
    EXPECT_LE(imported_.compiledRecords, 2001);
    EXPECT_EQ(imported_.lookup.areasTooLarge, 0);
    EXPECT_EQ(imported_.lookup.chainsTooLong, 0);
}

// Random walks from the player start, through the engine's own movement: each step forward is
// either refused by a wall or lands inside the map, where the engine's area must be the Doom
// sector that the viewer's position lies in (either sector for a position on a line between two).
TEST_F(FreedoomMap01, WalksStayInsideAndFindTheSectorUnderfoot)
{
    qztest::TempDir dir;
    clsMap map;
    wad::fillMap(imported_, map);
    importtest::loadIntoEngine(map, dir.path());
    engine::EngineState& s = engine::state();
    ASSERT_EQ(s.gravity, 1);

    std::mt19937 random(1);
    constexpr int kWalks = 40, kSteps = 1000;
    int positions = 0, matches = 0, refused = 0, onLines = 0, outside = 0;
    for (int walk = 0; walk < kWalks; ++walk) {
        s.viewX = imported_.viewer.x;
        s.viewY = imported_.viewer.y;
        s.viewAngle = static_cast<int16_t>(random() % 128);
        for (int step = 0; step < kSteps; ++step) {
            const double x0 = s.viewX, y0 = s.viewY;
            engine::moveViewer(0, 20, 0);
            if (s.viewX == x0 && s.viewY == y0) {
                ++refused;
                engine::turnViewer(static_cast<int32_t>(16 + random() % 97));
                continue;
            }
            if (random() % 8 == 0) engine::turnViewer(static_cast<int32_t>(random() % 25) - 12);
            ++positions;
            const double x = s.viewX, y = s.viewY;
            const importtest::PointSectors truth = importtest::sectorsAt(doom_, x, y);
            if (truth.sectors.empty()) {
                ++outside;
                continue;
            }
            if (truth.sectors.size() > 1) ++onLines;
            const int32_t sector = s.currentArea >= 0 ? imported_.converted.areaSectors[static_cast<size_t>(s.currentArea)] : -1;
            if (truth.sectors.count(sector)) {
                ++matches;
                EXPECT_EQ(s.eyeZ, doom_.sectors[static_cast<size_t>(sector)].floor + 56);
            } else {
                ADD_FAILURE() << "at (" << x << ", " << y << ") the engine finds area " << s.currentArea << " (sector "
                              << sector << "), the point lies in sector " << *truth.sectors.begin();
            }
        }
    }
    std::cout << "MAP01 walk: " << positions << " positions, " << matches << " with the true sector ("
              << 100.0 * matches / positions << " %); " << onLines << " on a line between two sectors; "
              << refused << " steps refused by walls; " << outside << " outside the map\n";
    EXPECT_EQ(outside, 0);
    EXPECT_GT(refused, kWalks);
    EXPECT_EQ(matches, positions);
}

}  // namespace
