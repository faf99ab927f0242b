// The air strike: the launch of the 50 bombs, their ground lines, the end of
// the strike, and what a burning bomb does to enemies and props near the hero.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>

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
    EXPECT_EQ(AirStrikeTick * 1000 + BombY[0], -100);
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
        EXPECT_EQ(BombX[bomb] * 10000 + BombY[bomb] * 10 + BombState[bomb], x[bomb] * 10000 + y[bomb] * 10);
    }
    EXPECT_EQ(AirStrikeTick * 10 + ScreenShake, 10);

    std::array<int32_t, BombSlots> landed{};
    std::array<bool, BombSlots> finished{};
    while (AirStrikeActive == 1 && AirStrikeTick < 1000) {
        std::array<int32_t, BombSlots> before{};
        std::copy(BombY, BombY + BombSlots, before.begin());
        UpdateAirStrike();
        for (int32_t bomb = 0; bomb < BombSlots && AirStrikeActive == 1; ++bomb) {
            const int32_t ground = 125 + 4 * bomb;
            const int32_t fall = BombY[bomb] - before[bomb];
            EXPECT_TRUE(landed[bomb] == 0 ? fall >= 3 && fall <= 6 : fall == 0 || BombY[bomb] == -200) << bomb;
            if (landed[bomb] == 0 && BombState[bomb] == 1) {
                landed[bomb] = AirStrikeTick;
                EXPECT_TRUE(before[bomb] <= ground && BombY[bomb] > ground) << bomb;
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
        EXPECT_TRUE(landed[bomb] == last ? !finished[bomb] : landed[bomb] == last - 1 || finished[bomb]) << bomb;
        EXPECT_EQ(BombX[bomb] * 10000 + BombY[bomb] * 10 + BombState[bomb], -100 * 10000 - 100 * 10);
    }
    EXPECT_EQ(ScreenShake * 10 + AirStrikeActive, 0);
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
        EXPECT_EQ(EnemyHealth[0] * 100 + EnemyHealth[1], (50 - gunman) * 100 + 50 - machine);
        EXPECT_EQ(EnemyHealth[2] + EnemyHealth[3] + EnemyHealth[4], 150);
        EXPECT_EQ(BombState[0] * 10 + ScreenShake, 21);
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
    EXPECT_EQ(PropFrame[0] * 1000 + PropFrame[1] * 100 + PropFrame[2] * 10 + PropFrame[3], 7631);
}

}  // namespace
