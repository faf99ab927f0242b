// The stage clock and its beeps, the slow-motion divider, the two animation
// cycles, the parallax layers and the lift backdrop.
#include <gtest/gtest.h>

#include <vector>

#include "headless.h"
#include "media.h"
#include "play/stage_clock.h"
#include "play_fixture.h"
#include "shell/assets.h"
#include "shell/records.h"

using namespace playtest;

namespace {

class StageClock : public ::testing::Test {
protected:
    void SetUp() override {
        NewGame(6);
        TimeLeft = 99;
        TimerTick = 0;
        SlowMotion = 0;
        SlowMotionTick = 0;
        BeepChannel = 0;
    }
};

// Runs the clock until TimeLeft stops falling, noting the value each beep
// was heard at.
std::vector<int32_t> BeepsDownToZero(int32_t ticks) {
    std::vector<int32_t> beeps;
    for (int32_t i = 0; i < ticks; ++i) {
        const int32_t channel = BeepChannel;
        UpdateStageTimer();
        if (BeepChannel != channel) {
            EXPECT_EQ(IsChannelPlaying(BeepChannel), 1);
            beeps.push_back(TimeLeft);
        }
    }
    return beeps;
}

}  // namespace

TEST_F(StageClock, TheFirstUnitLasts151TicksAndTheLastTenBeep) {
    for (int32_t i = 0; i < 150; ++i) UpdateStageTimer();
    EXPECT_EQ(TimeLeft, 99);
    EXPECT_EQ(TimerTick, 150);
    UpdateStageTimer();
    EXPECT_EQ(TimeLeft, 98);
    EXPECT_EQ(TimerTick, 0);

    TimeLeft = 12;
    const std::vector<int32_t> beeps = BeepsDownToZero(151 * 15);
    EXPECT_EQ((std::vector<int32_t>{10, 9, 8, 7, 6, 5, 4, 3, 2, 1}), beeps);
    EXPECT_EQ(TimeLeft, 0);
}

TEST_F(StageClock, SlowMotionStopsTheClockAndItsBeepsButNotTheTickCount) {
    TimeLeft = 5;
    SlowMotion = 4;
    std::vector<int32_t> dividers;
    for (int32_t i = 0; i < 10; ++i) {
        UpdateStageTimer();
        dividers.push_back(SlowMotionTick);
    }
    EXPECT_EQ((std::vector<int32_t>{1, 2, 3, 4, 0, 1, 2, 3, 4, 0}), dividers);
    EXPECT_TRUE(BeepsDownToZero(151 * 3).empty());
    EXPECT_EQ(TimeLeft, 5);
    EXPECT_EQ(TimerTick, (10 + 151 * 3) % 151);

    SlowMotion = 0;
    for (int32_t i = 0; i < 20; ++i) {
        UpdateStageTimer();
        EXPECT_EQ(SlowMotionTick, 0);
    }
}

TEST_F(StageClock, TheCyclesStepEvery21And2TicksAnd21InSlowMotion) {
    Cycle8 = Cycle8Tick = RedLightFrame = Cycle26 = CycleTick = 0;
    for (int32_t i = 0; i < 21 * 8 + 21; ++i) TickAnimCycle8();
    EXPECT_EQ(Cycle8, 1);  // round once, then one step
    EXPECT_EQ(RedLightFrame, 27);
    for (int32_t i = 0; i < 54; ++i) TickAnimCycles();
    EXPECT_EQ(Cycle26, 1);  // round once, then one step
    SlowMotion = 4;
    CycleTick = 0;
    for (int32_t i = 0; i < 20; ++i) TickAnimCycles();
    EXPECT_EQ(Cycle26, 1);
    TickAnimCycles();
    EXPECT_EQ(Cycle26, 2);
}

TEST_F(StageClock, ParallaxCPassesMinus639AndWrapsToZero) {
    ParallaxA = ParallaxB = ParallaxC = ParallaxD = 0;
    ParallaxTick = 0;
    std::vector<int32_t> seen;
    // Standing still (dir 0, divider 5): a drift step every sixth call.
    for (int32_t i = 0; i < 6 * 215; ++i) {
        ScrollParallax(0, 5);
        if (ParallaxTick == 1) seen.push_back(ParallaxC);
        EXPECT_NE(ParallaxC, -640);
        EXPECT_GT(ParallaxA, -640);
    }
    ASSERT_GE(seen.size(), 214u);
    EXPECT_EQ(seen[212], -639);
    EXPECT_EQ(seen[213], 0);
    EXPECT_EQ(ParallaxD, 0);  // only the moving view shifts D
}

TEST_F(StageClock, ParallaxDJumpsToMinus640OnTheFirstBackwardCall) {
    for (int32_t stepping : {0, 1}) {
        ParallaxD = 0;
        ParallaxTickD = stepping ? 0 : 1;  // 0: this call steps D
        ParallaxF = 0.0f;
        ScrollParallax(1, 5);
        EXPECT_EQ(ParallaxD, -640) << "stepping " << stepping;
        EXPECT_EQ(ParallaxF, 1.3f);
    }
    // Forward: D falls one pixel every third call and wraps at -640.
    ParallaxD = -638;
    ParallaxTickD = 0;
    ParallaxF = 0.0f;
    std::vector<int32_t> d;
    for (int32_t i = 0; i < 9; ++i) {
        ScrollParallax(2, 1);
        d.push_back(ParallaxD);
    }
    EXPECT_EQ((std::vector<int32_t>{-639, -639, -639, 0, 0, 0, -1, -1, -1}), d);
    float f = 0.0f;
    for (int32_t i = 0; i < 9; ++i) f -= 1.3f;
    EXPECT_EQ(ParallaxF, f);
}

TEST_F(StageClock, TheLiftMovesWithTheClockOnStage8Only) {
    StageNumber = 8;
    ElevatorShaft = 0;
    ElevatorObjectY = -250;
    HeroState = 0;
    ElevatorTime = ElapsedMillis();
    headless::AdvanceClock(4);
    UpdateElevatorBackdrop();
    EXPECT_EQ(ElevatorShaft, 0);  // not more than 4 ms yet
    headless::AdvanceClock(1);
    UpdateElevatorBackdrop();
    UpdateElevatorBackdrop();  // a catch-up tick in the same millisecond
    EXPECT_EQ(ElevatorShaft, 1);
    EXPECT_EQ(ElevatorObjectY, -248);

    ElevatorShaft = 592;
    ElevatorObjectY = 640;
    headless::AdvanceClock(10);
    UpdateElevatorBackdrop();
    EXPECT_EQ(ElevatorShaft, 1);
    EXPECT_EQ(ElevatorObjectY, -250);

    HeroState = 7;  // the stage exit stops the ride
    headless::AdvanceClock(10);
    UpdateElevatorBackdrop();
    EXPECT_EQ(ElevatorShaft, 1);

    StageNumber = 9;
    HeroState = 0;
    ElevatorShaft = 0;
    ElevatorObjectY = -250;
    for (int32_t i = 0; i < 5; ++i) {
        headless::AdvanceClock(10);
        UpdateElevatorBackdrop();
    }
    EXPECT_EQ(ElevatorShaft, 0);
    EXPECT_EQ(ElevatorObjectY, -250);
}
