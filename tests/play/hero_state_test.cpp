// The hero's state machine: the jump, slow motion, the timed sequences on the
// millisecond clock, life loss, dying and the flying helmet.
#include <algorithm>
#include <set>

#include "hero_fixture.h"

namespace herotest {
namespace {

using HeroStates = HeroScene;

// Ticks of `ms` until `done`; returns the virtual time from the first tick.
template <typename Done>
int32_t TimeUntil(Done done, int32_t ms = 10) {
    Tick(ms);
    const int32_t start = headless::Clock();
    while (!done() && headless::Clock() - start < 60000) Tick(ms);
    return headless::Clock() - start;
}

TEST_F(HeroStates, JumpFrom278Lasts51TicksRisesTo200AndLandsAt280) {
    headless::TapKey(Jump);
    int32_t ticks = 0, highest = 278;
    for (; ticks == 0 || HeroJumpPhase > 0; ++ticks) Tick(), highest = std::min(highest, HeroFootY);
    EXPECT_EQ(ticks, 51);
    EXPECT_EQ(highest, 200);
    EXPECT_EQ(HeroFootY, 280);
    EXPECT_EQ(ScreenShake, 0);
}

TEST_F(HeroStates, SlowMotionWalksOneTickInFiveAndJumpsOneInThree) {
    SlowMotion = 4;
    headless::SetKey(Right, true);
    Ticks(50);
    EXPECT_EQ(HeroX, 210);
    headless::SetKey(Right, false);
    Ticks(5);
    HeroJumpTick = 0;
    const int32_t takeOff = HeroFootY;
    headless::TapKey(Jump);
    Ticks(29);
    EXPECT_EQ(HeroFootY, takeOff - 27);  // moves on ticks 3, 6, ..., 27
    Tick();
    EXPECT_EQ(HeroFootY, takeOff - 30);
}

TEST_F(HeroStates, TimedSequencesStepOnTheClockAfterMoreThanTheirInterval) {
    HeroState = 5, HeroAnimStep = -1, HeroFacing = 0;  // intro: 11 waits, step 9 skipped
    EXPECT_EQ(TimeUntil([] { return HeroState != 5; }), 11 * 160);
    EXPECT_EQ(HeroFacing, 1);
    EXPECT_EQ(HeroWalkStep, 5);

    HeroState = 3, HeroFootY = 294, HeroPose = 2;  // hurt while ducking: 3 waits of 55 ms on 5 ms ticks
    HurtHero();
    EXPECT_EQ(TimeUntil([] { return HeroState != 8; }, 5), 3 * 55);
    EXPECT_EQ(HeroState, 3);
    EXPECT_EQ(HeroPose, 2);

    HeroState = 8, HeroAnimStep = -1;  // a stall advances one step: the step time becomes now
    Tick();
    Tick(1000);
    Tick();
    EXPECT_EQ(HeroAnimStep, 1);

    HeroState = 7, HeroAnimStep = 16, HeroX = 501;  // stage exit: 16 waits down to -1
    EXPECT_EQ(TimeUntil([] { return StageResult != 0; }), 16 * 160);
    EXPECT_EQ(StageResult, 3);
    EXPECT_EQ(HeroX, 499);
}

TEST_F(HeroStates, TheSpecialFiresItsMissileCallsTheAirStrikeAtStep5AndYieldsToADirectionFromStep7) {
    for (const bool steer : {false, true}) {
        SCOPED_TRACE(steer ? "right held from the start" : "no direction");
        SetUp();
        HeroWeapon = 2, AmmoWeapon2 = 5, BulletsFired = 0, AirStrikeActive = 0, AirStrikeTick = 99;
        headless::SetKey(Right, steer);
        HeroState = 10, HeroAnimStep = -1, HeroAnimTime = ElapsedMillis();  // as the button combination leaves it
        const int32_t start = headless::Clock();
        int32_t missileAt = -1, strikeAt = -1, endAt = -1;
        while (endAt < 0 && headless::Clock() - start < 3000) {
            Tick();
            const int32_t t = headless::Clock() - start;
            if (BulletsFired > 0 && missileAt < 0) missileAt = t;
            if (AirStrikeActive == 1 && strikeAt < 0) strikeAt = t;
            if (HeroState != 11) {
                endAt = t;
            } else {
                ASSERT_EQ(HeroPose, 6) << t << " ms";
                ASSERT_EQ(HeroWalkStep, 8) << t << " ms";
            }
        }
        headless::SetKey(Right, false);
        // Steps come after more than 150 ms: 1 at 160 (the missile on the next
        // tick), 5 at 640, 7 at 800, 11 at 1440.
        EXPECT_EQ(missileAt, 170);
        EXPECT_EQ(strikeAt, 640);
        EXPECT_EQ(AirStrikeTick, 0);
        EXPECT_EQ(endAt, steer ? 800 : 1440);
        EXPECT_EQ(HeroState, 0);
        EXPECT_EQ(HeroPose, 0);
        EXPECT_EQ(HeroWalkStep, 5);
        EXPECT_EQ(HeroX, 200);
        EXPECT_EQ(SpecialReady, 0);
        // The missile: straight up from the hero's hand, paid like any shot.
        EXPECT_EQ(BulletKind[0], 2);
        EXPECT_EQ(BulletDir[0], 0);
        EXPECT_EQ(BulletOwner[0], 0);
        EXPECT_EQ(BulletX[0], 200 - 15);
        EXPECT_EQ(BulletY[0], 278 - 57);
        EXPECT_EQ(BulletsFired, 1);
        EXPECT_EQ(AmmoWeapon2, 4);
    }
}

TEST_F(HeroStates, DyingTakesFortyWaitsWithItsSmokeAndBlastsInTheirSteps) {
    Lives = 0, HeroEnergy = 0, HeroState = 9, HeroAnimStep = -1;
    int32_t kinds[4] = {};  // smoke, small/medium, big, out of its steps
    const int32_t time = TimeUntil([&] {
        for (int32_t slot = 0; slot < ExplosionSlots; ++slot) {
            const int32_t kind = ExplosionKind[slot], step = HeroAnimStep;
            if (kind == 5) ++kinds[step < 39 ? 0 : 3];
            if (kind == 1 || kind == 2) ++kinds[step >= 6 && step <= 32 ? 1 : 3];
            if (kind == 3) ++kinds[step >= 20 && step <= 29 ? 2 : 3];
        }
        EmptyExplosionTable();
        return StageResult != 0;
    });
    EXPECT_EQ(time, 40 * 390);
    EXPECT_EQ(StageResult, 2);
    EXPECT_GT(kinds[0], 50);
    EXPECT_GT(kinds[1], 30);
    EXPECT_GT(kinds[2], 5);
    EXPECT_EQ(kinds[3], 0);
}

TEST_F(HeroStates, LifeLossRaisesTheClockFlashesAndTheLastOneStartsDying) {
    HeroEnergy = 0, TimeLeft = 30;
    Tick();
    EXPECT_EQ(Lives, 2);
    EXPECT_EQ(TimeLeft, 50);
    EXPECT_EQ(HeroState, 8);
    EXPECT_EQ(HelmetOn, 1);

    Ticks(30);
    Lives = 1, TimeLeft = 0, HeroState = 3;
    Tick();
    EXPECT_EQ(HeroState, 9);  // dying at once: no hurt flash first
    EXPECT_EQ(HeroStateSaved, 3);
    EXPECT_EQ(TimeLeft, 0);  // not raised on the last life
    EXPECT_EQ(LivesLost, 2);
    Ticks(10);  // the loss repeats while dying, counted once
    EXPECT_EQ(LivesLost, 2);
}

TEST_F(HeroStates, StageSixteenTimeOutClearsTheSectionWithoutALifeLost) {
    StageNumber = 16, StageLength = 640, TimeLeft = 0, HeroX = 300;
    TimeUntil([] { return StageResult != 0; });
    EXPECT_EQ(StageResult, 3);
    EXPECT_EQ(Lives, 3);
    EXPECT_EQ(HeroX, 299);
}

TEST_F(HeroStates, HelmetFliesOnceAGameAndRollsWithinItsCellsAcrossTheScreen) {
    std::set<int32_t> seen;  // until all four flights have been seen
    for (int32_t round = 0; round < 40 && seen.size() < 4; ++round) {
        const int32_t facing = round % 2;
        Lives = 2, HeroEnergy = 0, HelmetOn = 1, HelmetState = 0, HeroFacing = facing;
        Tick();
        ASSERT_EQ(HelmetOn, 0);
        const int32_t state = HelmetState;
        seen.insert(state);
        ASSERT_EQ(state, (facing == 0 ? 4 : 2) + (state & 1));
        const int32_t first = state <= 3 ? 0 : 8;
        HelmetX = state == 2 || state == 4 ? 620 : 0;  // from one edge to the other
        int32_t steps = 0;
        while (HelmetState == state) {
            ASSERT_GE(HelmetFrame, first);
            ASSERT_LE(HelmetFrame, first + 7);
            Tick();
            ++steps;
        }
        EXPECT_EQ(HelmetState, 9);
        EXPECT_GT(steps, 150);
    }
    EXPECT_EQ(seen.size(), 4u);
    // A new section, the last life lost again: the helmet is gone for the game.
    HelmetState = 0, Lives = 1, HeroEnergy = 0;
    Tick();
    EXPECT_EQ(HelmetState, 0);
}

}  // namespace
}  // namespace herotest
