// The air strike: the launch of the 50 bombs, their ground lines, the end of
// the strike, and what a burning bomb does to enemies and props near the hero.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>

#include "media.h"
#include "play/air_strike.h"
#include "play/props.h"
#include "play/tables.h"
#include "play_fixture.h"
#include "shell/records.h"

namespace {

class AirStrike : public ::testing::Test {
protected:
    void SetUp() override {
        playtest::NewGame(6);
        EmptyActorTables();
        CameraX = SlowMotion = SlowMotionTick = ScreenShake = PropBurnTick = 0;
        HeroX = 1000, AirStrikeActive = 1, AirStrikeTick = 0;
    }
    // Bomb 0 burning on the ground, every other one finished.
    static void OneBombOnTheGround() {
        for (int32_t bomb = 0; bomb < BombSlots; ++bomb) BombX[bomb] = 0, BombY[bomb] = -200, BombState[bomb] = 6;
        BombX[0] = 300, BombY[0] = 200, BombState[0] = 1, AirStrikeTick = 5;
    }
};

TEST_F(AirStrike, FiftyBombsLaunchLandOnTheirLinesAndTheStrikeEndsFiveRunsAfterTheLastLanding) {
    CameraX = -1000, SlowMotion = 4, SlowMotionTick = 3;
    UpdateAirStrike();  // skipped by slow motion
    EXPECT_EQ(AirStrikeTick, 0);
    EXPECT_EQ(BombY[0], -100);
    SlowMotionTick = 0;
    SeedRandom(5);
    std::array<int32_t, BombSlots> x{}, y{};
    for (int32_t bomb = 0; bomb < BombSlots; ++bomb) {
        x[bomb] = RandomInt(0, 640) + 1000;
        y[bomb] = -100 - 20 * RandomInt(0, 20);
    }
    SeedRandom(5);
    UpdateAirStrike();
    for (int32_t bomb = 0; bomb < BombSlots; ++bomb) {
        EXPECT_EQ(BombX[bomb], x[bomb]) << "bomb " << bomb;
        EXPECT_EQ(BombY[bomb], y[bomb]) << "bomb " << bomb;
        EXPECT_EQ(BombState[bomb], 0) << "bomb " << bomb;
    }
    EXPECT_EQ(AirStrikeTick, 1);
    EXPECT_EQ(ScreenShake, 0);

    std::array<int32_t, BombSlots> landed{};
    std::array<bool, BombSlots> finished{};
    while (AirStrikeActive == 1 && AirStrikeTick < 1000) {
        std::array<int32_t, BombSlots> before{};
        std::copy(BombY, BombY + BombSlots, before.begin());
        UpdateAirStrike();
        for (int32_t bomb = 0; bomb < BombSlots && AirStrikeActive == 1; ++bomb) {
            const int32_t ground = 125 + 4 * bomb;
            const int32_t fall = BombY[bomb] - before[bomb];
            if (landed[bomb] == 0) {
                EXPECT_GE(fall, 3) << "bomb " << bomb;
                EXPECT_LE(fall, 6) << "bomb " << bomb;
            } else if (BombY[bomb] != -200) {
                EXPECT_EQ(fall, 0) << "bomb " << bomb;  // down until its puffs are over
            }
            if (landed[bomb] == 0 && BombState[bomb] == 1) {
                landed[bomb] = AirStrikeTick;
                EXPECT_LE(before[bomb], ground) << "bomb " << bomb;
                EXPECT_GT(BombY[bomb], ground) << "bomb " << bomb;
            }
            finished[bomb] = finished[bomb] || BombY[bomb] == -200;
        }
        const bool anyLanded = *std::max_element(landed.begin(), landed.end()) > 0;
        if (AirStrikeActive == 1) {
            EXPECT_EQ(ScreenShake, anyLanded ? 1 : 0);  // from the first landing on
        }
    }
    const int32_t last = *std::max_element(landed.begin(), landed.end());
    EXPECT_EQ(AirStrikeTick, last + 5);
    for (int32_t bomb = 0; bomb < BombSlots; ++bomb) {
        // The last to land go without their seventh run and their puffs.
        if (landed[bomb] == last) {
            EXPECT_FALSE(finished[bomb]) << "bomb " << bomb << " landed last";
        } else if (landed[bomb] != last - 1) {
            EXPECT_TRUE(finished[bomb]) << "bomb " << bomb << " landed at " << landed[bomb];
        }
        EXPECT_EQ(BombX[bomb], -100) << "bomb " << bomb;
        EXPECT_EQ(BombY[bomb], -100) << "bomb " << bomb;
        EXPECT_EQ(BombState[bomb], 0) << "bomb " << bomb;
    }
    EXPECT_EQ(ScreenShake, 0);
    EXPECT_EQ(AirStrikeActive, 0);
}

TEST_F(AirStrike, DamageRollsAndPropHitsReachOnlyWhatIsNearTheHero) {
    // Enemies just inside and just outside 640 px of the hero; slot 4 is free.
    const int32_t kinds[5] = {1, 17, 1, 17, -1}, xs[5] = {1639, 361, 1640, 360, 1000};
    bool twoAtOnce = false;
    for (int32_t seed = 1; seed <= 3000; ++seed) {
        OneBombOnTheGround();
        for (int32_t slot = 0; slot < 5; ++slot) {
            EnemyKind[slot] = kinds[slot], EnemyX[slot] = xs[slot], EnemyHealth[slot] = 50;
        }
        SeedRandom(seed);
        RandomFloat(-1.0f, 1.0f);
        const int32_t gunman = RandomInt(0, 19) == 0 ? 1 : 0;
        int32_t machine = RandomInt(0, 19) == 0 ? 1 : 0;
        if (machine == 1 && RandomInt(0, 5) == 0) machine = 2;
        const int32_t after = RandomState();
        SeedRandom(seed);
        UpdateAirStrike();
        EXPECT_EQ(RandomState(), after);
        SCOPED_TRACE("seed " + std::to_string(seed));
        EXPECT_EQ(EnemyHealth[0], 50 - gunman);
        EXPECT_EQ(EnemyHealth[1], 50 - machine);
        for (int32_t slot = 2; slot < 5; ++slot) EXPECT_EQ(EnemyHealth[slot], 50) << "slot " << slot;
        EXPECT_EQ(BombState[0], 2);
        EXPECT_EQ(ScreenShake, 1);
        twoAtOnce = twoAtOnce || machine == 2;
    }
    EXPECT_TRUE(twoAtOnce);

    // Every intact prop near the hero breaks on the bomb's run; wrecks stay.
    OneBombOnTheGround();
    const int32_t frames[4] = {6, 6, 3, 0}, propXs[4] = {1639, 1640, 400, 361};
    for (int32_t slot = 0; slot < 4; ++slot) {
        PropFrame[slot] = frames[slot], PropX[slot] = propXs[slot], PropY[slot] = 150;
    }
    UpdateAirStrike();
    EXPECT_EQ(PropFrame[0], 7);
    EXPECT_EQ(PropFrame[1], 6);
    EXPECT_EQ(PropFrame[2], 3);
    EXPECT_EQ(PropFrame[3], 1);
}

}  // namespace
