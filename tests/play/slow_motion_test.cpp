// Slow motion's length and end, the music it keeps silent, and the stereo pans.
#include <gtest/gtest.h>

#include "headless.h"
#include "media.h"
#include "play/slow_motion.h"
#include "play/stage_clock.h"
#include "play/tables.h"
#include "play_fixture.h"
#include "shell/assets.h"
#include "shell/audio.h"
#include "shell/records.h"

using namespace playtest;

namespace {

// The slow-motion pickup's start values.
void TakeSlowMotionPickup() {
    SlowCharge = 50;
    SlowMotion = 4;
    SlowMotionLeft = SlowCharge;
}

// Ticks until slow motion ends, running the two steps in tick order.
int32_t TicksUntilTheModeEnds() {
    int32_t ticks = 0;
    while (SlowMotion == 4 && ticks < 20000) {
        UpdateSlowMotion();
        UpdateStageTimer();
        ++ticks;
    }
    return ticks;
}

}  // namespace

TEST(SlowMotion, Lasts7401To7551TicksFromThePickup) {
    NewGame(6);
    MusicOn = 0;
    // The clock unit under way when the mode starts, then 48 units and 152
    // ticks from the first boundary: 7401 to 7551 ticks in all.
    const int32_t expected[][2] = {{0, 7401}, {1, 7551}, {150, 7402}};
    for (const auto& [taken, length] : expected) {
        TimerTick = taken;
        TakeSlowMotionPickup();
        EXPECT_EQ(TicksUntilTheModeEnds(), length) << "taken at " << taken;
        EXPECT_EQ(SlowMotion, 0);
        EXPECT_EQ(SlowCharge, 0);
    }
}

TEST(SlowMotion, ChargeRaisedDuringTheModeIsLostAtItsEnd) {
    NewGame(6);
    MusicOn = 0;
    TimerTick = 0;
    TakeSlowMotionPickup();
    for (int32_t i = 0; i < 3000; ++i) {
        UpdateSlowMotion();
        UpdateStageTimer();
    }
    SlowCharge += 20;
    const int32_t left = SlowMotionLeft;
    const int32_t ticks = TicksUntilTheModeEnds();
    EXPECT_LT(ticks, (left + 1) * 151);
    EXPECT_EQ(SlowCharge, 0);
}

TEST(SlowMotion, TheMusicStaysSilentAndStartsAgainAtTheEnd) {
    NewGame(6);
    MusicOn = 1;
    StartMusic();
    const int32_t intro = MusicIntroChannel;
    ASSERT_EQ(IsChannelPlaying(intro), 1);
    TimerTick = 0;
    TakeSlowMotionPickup();
    UpdateSlowMotion();
    EXPECT_EQ(IsChannelPlaying(intro), 0);
    TicksUntilTheModeEnds();
    EXPECT_NE(MusicIntroChannel, intro);
    EXPECT_EQ(IsChannelPlaying(MusicIntroChannel), 1);

    // Switched off, the music is neither stopped nor started.
    MusicOn = 0;
    const int32_t loop = MusicLoopChannel;
    const int32_t fresh = MusicIntroChannel;
    TimerTick = 0;
    TakeSlowMotionPickup();
    TicksUntilTheModeEnds();
    EXPECT_EQ(MusicIntroChannel, fresh);
    EXPECT_EQ(MusicLoopChannel, loop);
    EXPECT_EQ(IsChannelPlaying(fresh), 1);
}

TEST(SlowMotion, PansStepByEveryStarted32Pixels) {
    EXPECT_FLOAT_EQ(StereoPanFromScreenX(-5), -1.1f);
    EXPECT_FLOAT_EQ(StereoPanFromScreenX(0), -1.0f);
    EXPECT_FLOAT_EQ(StereoPanFromScreenX(31), -1.0f);
    EXPECT_FLOAT_EQ(StereoPanFromScreenX(32), -0.9f);
    EXPECT_NEAR(StereoPanFromScreenX(320), 0.0f, 1e-6f);
    EXPECT_FLOAT_EQ(StereoPanFromScreenX(639), 0.9f);
    EXPECT_FLOAT_EQ(StereoPanFromScreenX(700), 1.1f);

    CameraX = -100;
    HeroX = 420;
    UpdateHeroPan();
    EXPECT_EQ(HeroPan, StereoPanFromScreenX(320));
    EnemyX[3] = 95;
    EnemySoundPan(3);
    EXPECT_FLOAT_EQ(EnemyPan, -1.1f);
    PropX[4] = 131;
    PropSoundPan(4);
    EXPECT_FLOAT_EQ(PropPan, -1.0f);
    ExplosionX[5] = 800;
    ExplosionSoundPan(5);
    EXPECT_FLOAT_EQ(ExplosionPan, 1.1f);
    BloodDropX[6] = 163;
    DropSoundPan(6);
    EXPECT_FLOAT_EQ(BloodDropPan, -0.9f);
    CameraX = 0;
}
