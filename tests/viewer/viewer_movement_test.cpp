#include "engine/viewer/viewer_keys.h"
#include "engine/viewer/viewer_window.h"
#include "tests/viewer/viewer_fixture.h"

namespace viewertest {
namespace {

using engine::viewer::kKeyA;
using engine::viewer::kKeyZ;

TEST_F(ViewerTest, HeldKeysStoreThirteenAndReleasedKeysZero)
{
    openAndStart();
    const std::pair<uint32_t, int32_t*> keys[] = {{qz::VK_UP, &viewer.upKey}, {qz::VK_DOWN, &viewer.downKey},
        {qz::VK_LEFT, &viewer.leftKey}, {qz::VK_RIGHT, &viewer.rightKey}, {qz::VK_SHIFT, &viewer.shiftKey},
        {kKeyA, &viewer.aKey}, {kKeyZ, &viewer.zKey}};
    for (const auto& [key, flag] : keys) {
        press(key);
        EXPECT_EQ(*flag, 13) << key;
        release(key);
        EXPECT_EQ(*flag, 0) << key;
    }
}

TEST_F(ViewerTest, UpWithShiftWalksFortyUnitsATickAndStopsBeforeTheWall)
{
    openAndStart();
    press(qz::VK_SHIFT);
    press(qz::VK_UP);
    ticks(1);
    EXPECT_EQ(s().viewY, 240.0);
    EXPECT_EQ(s().viewX, 512.0);
    ticks(60);
    // 200 + 46 * 40 = 2040; the next step would cross the wall at y = 2048.
    EXPECT_EQ(s().viewY, 2040.0);
    EXPECT_EQ(s().frameCount, 62) << "a frame every tick, against the wall too";
    EXPECT_EQ(s().currentArea, 0);
    EXPECT_EQ(s().eyeZ, 56) << "no height change and no gravity without the flag";
}

TEST_F(ViewerTest, UpAndDownWalkTwentyUnitsWithoutShift)
{
    openAndStart();
    press(qz::VK_UP);
    ticks(2);
    EXPECT_EQ(s().viewY, 240.0);
    release(qz::VK_UP);
    press(qz::VK_DOWN);
    ticks(3);
    EXPECT_EQ(s().viewY, 180.0);
    release(qz::VK_DOWN);
    ticks(1);
    EXPECT_EQ(s().viewY, 180.0) << "nothing held, nothing moves";
}

TEST_F(ViewerTest, LeftAndRightTurnFourUnitsOrTwelveWithShift)
{
    openAndStart();
    press(qz::VK_LEFT);
    ticks(1);
    EXPECT_EQ(s().viewAngle, 124);
    press(qz::VK_SHIFT);
    ticks(1);
    EXPECT_EQ(s().viewAngle, 112);
    release(qz::VK_LEFT);
    press(qz::VK_RIGHT);
    ticks(2);
    EXPECT_EQ(s().viewAngle, 8);
    release(qz::VK_SHIFT);
    ticks(1);
    EXPECT_EQ(s().viewAngle, 12);
}

TEST_F(ViewerTest, AAndZRaiseAndLowerTheEye)
{
    openAndStart();
    press(kKeyA);
    ticks(2);
    EXPECT_EQ(s().eyeZ, 66);
    press(qz::VK_SHIFT);
    ticks(1);
    EXPECT_EQ(s().eyeZ, 76);
    release(kKeyA);
    press(kKeyZ);
    ticks(1);
    EXPECT_EQ(s().eyeZ, 66);
    release(qz::VK_SHIFT);
    ticks(1);
    EXPECT_EQ(s().eyeZ, 61);
    EXPECT_EQ(s().currentArea, 0);
}

TEST_F(ViewerTest, GravityHoldsTheEyeAboveTheFloorOfTheArea)
{
    enginetest::TestMap testMap = hall();
    testMap.globals.push_back(enginetest::global(12005, 1));
    writeWorld(testMap);
    openAndStart();
    press(kKeyA);
    ticks(1);
    EXPECT_EQ(s().eyeZ, 72) << "floor end 16 + 56, since the area's ceiling begins above its floor";

    press(qz::VK_DOWN);
    ticks(20);
    EXPECT_EQ(s().viewY, 20.0) << "stopped before the near wall";
    EXPECT_EQ(s().eyeZ, 72);
}

}  // namespace
}  // namespace viewertest
