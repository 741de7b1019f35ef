#include <gtest/gtest.h>

#include "editor/document/map_document.h"
#include "editor/model/clsMap.h"
#include "editor/wizards/generators/block_room_generator.h"
#include "editor/wizards/logic/block_room_command.h"
#include "tests/support/test_support.h"
#include "tests/wizards/map_segments.h"

using namespace qzedit;
using qztest::outline;
using qztest::segments;

TEST(BlockRoom, TheCaveAtAngleZeroIsTheRoomAndItsBlockUnturned)
{
    clsMap map;
    wzCave(map, 500, 400, 16, 200, 7, 0);
    ASSERT_EQ(map.numWalls, 8);
    ASSERT_EQ(map.numAreas, 2);
    EXPECT_EQ(segments(map, 0, 4), outline({{470, 410}, {470, 390}, {530, 390}, {530, 410}}));
    EXPECT_EQ(segments(map, 4, 4), outline({{480, 406}, {480, 394}, {520, 394}, {520, 406}}));

    const Wall& room = map.wallRecord(0);
    EXPECT_EQ(qztest::heights(room), (qztest::Heights {8, 20, 200, 200}));
    EXPECT_EQ(qztest::textures(room), (qztest::Textures {3, 1, 1, 3, 3}));
    for (int w = 4; w < 8; ++w) {
        const Wall& block = map.wallRecord(w);
        EXPECT_EQ(qztest::heights(block), (qztest::Heights {20, 120, 200, 200}));
        EXPECT_EQ(qztest::textures(block), (qztest::Textures {w == 7 ? 7 : 3, 3, 3, 3, 1}));
        EXPECT_EQ(block.areaFirst, 4);
        EXPECT_EQ(block.areaNext, w < 7 ? w + 1 : -1);
    }
    EXPECT_EQ(map.areaCeilHtEnd, 200);
    EXPECT_EQ(map.areaRecord(1).areaBbLeft, 480);
    EXPECT_EQ(map.areaRecord(1).areaBbTop, 394);
    // The buffers keep what the block set last, for the next wall the user draws.
    EXPECT_EQ(map.txrWall, 7);
    EXPECT_EQ(map.floorHtBegin, 20);
}

TEST(BlockRoom, AQuarterTurnSwapsTheRoomsAxes)
{
    clsMap map;
    wzSwitch(map, 0, 0, 16, 264, 10, 90);
    // cos(90 x 0.017453) is 2.6e-5, too little to move a corner.
    EXPECT_EQ(segments(map, 0, 4), outline({{-10, -30}, {10, -30}, {10, 30}, {-10, 30}}));
    EXPECT_EQ(segments(map, 4, 4), outline({{-6, -20}, {6, -20}, {6, 20}, {-6, 20}}));
}

TEST(BlockRoom, CaveAndSwitchGiveTheSameCornersAtEveryWholeDegree)
{
    // TransformPts rounds after the centre is added, RotX and RotY before: only an offset ending
    // in exactly one half could tell them apart, and no whole-degree angle gives one.
    for (int16_t angle = 0; angle < 360; ++angle) {
        for (auto [x, y] : {std::pair<int16_t, int16_t> {100, 100}, {-777, 1235}, {3, -4}}) {
            clsMap cave;
            clsMap switched;
            wzCave(cave, x, y, 8, 264, 10, angle);
            wzSwitch(switched, x, y, 8, 264, 10, angle);
            ASSERT_EQ(segments(cave, 0, 8), segments(switched, 0, 8)) << "angle " << angle << " at " << x << ", " << y;
        }
    }
}

TEST(BlockRoom, TheCommandsDrawTheAngleFromTheRandomNumberAndUseTheAreaBuffer)
{
    EXPECT_EQ(randomAngle(0.0f), 0);
    EXPECT_EQ(randomAngle(0.25f), 90);
    EXPECT_EQ(randomAngle(0.99999994f), 359);

    clsMap map;
    MapDocument document(map);
    qztest::MessageRecorder messages;
    map.insertX = 200;
    map.insertY = 300;
    map.areaCeilHtEnd = 180;
    ASSERT_TRUE(runCaveWizard(document, 0.0f));
    EXPECT_EQ(segments(map, 0, 1), (std::vector<qztest::Segment> {{170, 310, 170, 290}}));
    EXPECT_EQ(map.wallRecord(0).ceilHtEnd, 180);
    EXPECT_EQ(document.undoName(), "Cave wizard");
    ASSERT_TRUE(runSwitchWizard(document, 0.25f));
    EXPECT_EQ(segments(map, 8, 1), (std::vector<qztest::Segment> {{190, 270, 210, 270}}));
    EXPECT_EQ(map.wallRecord(15).txrWall, 10);
    EXPECT_EQ(document.undoName(), "Switch Wizard");
    EXPECT_TRUE(messages.messages.empty());
}

TEST(BlockRoom, AnInsertionPointOrHeightOutOfRangeIsRefusedWithOneMessage)
{
    clsMap map;
    MapDocument document(map);
    qztest::MessageRecorder messages;
    map.insertX = 32740;
    EXPECT_FALSE(runCaveWizard(document, 0.5f));
    map.insertX = 0;
    map.areaCeilHtEnd = 40000;
    EXPECT_FALSE(runSwitchWizard(document, 0.5f));
    EXPECT_EQ(map.numWalls, 0);
    EXPECT_FALSE(document.canUndo());
    ASSERT_EQ(messages.messages.size(), 2u);
    EXPECT_EQ(messages.messages[0].text,
              "\"insertion point\" must be a number from -32736 to 32735 in x and y, for the room to fit around it.");
    EXPECT_EQ(messages.messages[0].title, "Cave wizard");
    EXPECT_EQ(messages.messages[1].text, "\"area floor and ceiling heights\" must be a number from -32768 to 32767.");
    EXPECT_EQ(messages.messages[1].title, "Switch Wizard");
}
