// The walk along the street and across the lanes, the camera that follows,
// the backtrack budget, the bob and the props in the way.
#include <vector>

#include "hero_fixture.h"

namespace herotest {
namespace {

using HeroMove = HeroScene;

TEST_F(HeroMove, WalkLeftStopsAtScreenX20ThenTheCameraFollowsUntilTheBudgetIsSpent) {
    CameraX = -1000, ScrollColumn = 25, HeroX = 1060;
    ScrollLock = 1;  // the camera is held while he walks to the edge
    headless::SetKey(Left, true);
    Ticks(60);
    EXPECT_EQ(ScreenX(), 20);
    EXPECT_EQ(HeroFacing, 0);
    ScrollLock = 0;
    Tick();  // he stays, the camera comes back two pixels
    EXPECT_EQ(HeroX, 1020);
    EXPECT_EQ(CameraX, -998);
    EXPECT_EQ(ParallaxDir, 1);
    Ticks(1000);
    EXPECT_EQ(BacktrackBudget, 400);
    const int32_t held = CameraX;
    Ticks(50);
    EXPECT_EQ(CameraX, held);
    EXPECT_EQ(ScreenX(), 20);
    EXPECT_EQ(CameraX, ScrollSub - 40 * ScrollColumn);
}

TEST_F(HeroMove, ScrollLockLetsHimReach575ThenTheCameraCatchesUpTwoPixelsATick) {
    HeroX = 300, ScrollLock = 1;
    headless::SetKey(Right, true);
    Ticks(400);
    EXPECT_EQ(ScreenX(), 575);
    EXPECT_EQ(CameraX, 0);
    ScrollLock = 0;
    while (ScreenX() > 304) {
        const int32_t before = CameraX;
        Tick();
        ASSERT_EQ(before - CameraX, 2);
    }
    Ticks(20);
    EXPECT_EQ(ScreenX(), 304);
    EXPECT_EQ(CameraX, ScrollSub - 40 * ScrollColumn);
}

TEST_F(HeroMove, BobAndHalfSpeed) {
    std::vector<int32_t> feet;
    for (int32_t i = 0; i < 8; ++i) BobHero(), feet.push_back(HeroFootY);
    EXPECT_EQ(feet, (std::vector<int32_t>{279, 279, 278, 277, 278, 279, 279, 278}));
    HeroEnergy = 20;  // weak: every second tick
    headless::SetKey(Right, true);
    Ticks(20);
    EXPECT_EQ(HeroX, 210);
}

TEST_F(HeroMove, PropsBlockTheWalkAndTheLaneStep) {
    PropFrame[3] = 2, PropX[3] = 300, PropY[3] = 270;  // lane lines 271..289
    HeroX = 250;
    headless::SetKey(Right, true);
    Ticks(60);
    EXPECT_EQ(HeroX, 270);
    headless::SetKey(Right, false);
    HeroX = 300, HeroLane = -20;
    headless::SetKey(Down, true);
    Ticks(30);
    EXPECT_EQ(HeroLane, -7);  // the step to lane line 271 is taken back
}

}  // namespace
}  // namespace herotest
