// A plain walk through the real in-stage loop: holding right from the start
// of section 6 on an empty street clears it, the camera holding him at 300.
#include <gtest/gtest.h>

#include <algorithm>

#include "headless.h"
#include "play/stage_loop.h"
#include "play/tables.h"
#include "play_fixture.h"
#include "shell/records.h"

namespace playtest {
namespace {

TEST(HeroWalk, HoldingRightClearsAnEmptySection6WithThePlainWalksCamera) {
    NewGame(6);
    int32_t lastX = 20, walkFrom = 0;
    const int32_t result = RunSection([&](int32_t point, int32_t pass) {
        if (point == StagePassStart && pass == 1) {
            for (int32_t i = 0; i < SpawnEntrySlots; ++i) SpawnEntryKind[i] = -1;  // nobody comes
            EmptyPropTable();                                                      // nothing in the way
            headless::SetKey(39, true);
        }
        if (point != StagePassEnd || HeroState == 7) return;
        if (HeroX == 20) return;  // the intro
        if (walkFrom == 0) walkFrom = pass;
        ASSERT_EQ(HeroX, lastX + 1);  // one pixel a tick, one tick a pass
        ASSERT_EQ(CameraX, std::max(640 - 4480, std::min(0, 300 - HeroX)));
        ASSERT_EQ(HeroLane, -149);  // -150 clamped
        lastX = HeroX;
    });
    headless::SetKey(39, false);
    EXPECT_EQ(result, 3);
    EXPECT_GE(walkFrom, 170);  // after the intro's 1.76 s
    EXPECT_EQ(lastX, 4410);    // leaves once past StageLength - 70
    EXPECT_EQ(HeroX, 4410);    // +1 as the exit starts, -2 as the gun is stowed
}

}  // namespace
}  // namespace playtest
