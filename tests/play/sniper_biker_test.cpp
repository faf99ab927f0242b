// The sniper and the biker: aiming, firing, riding, turning and ramming,
// their deaths call by call, and slow motion.
#include <algorithm>
#include <functional>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "enemy_fixture.h"
#include "media.h"
#include "media_internal.h"
#include "play/biker.h"
#include "play/effects.h"
#include "play/sniper.h"
#include "play/spawning.h"
#include "play/tables.h"
#include "shell/assets.h"
#include "shell/records.h"

namespace enemytest {
namespace {

using Sniper = EnemyScene;
using Biker = EnemyScene;
using V = std::vector<int32_t>;

// A turn of the biker or his roar: the call, where he was, and whether he roared.
struct Turn {
    int32_t call, x;
    bool roared;
    bool operator==(const Turn&) const = default;
};
void PrintTo(const Turn& t, std::ostream* os) {
    *os << "{call " << t.call << ", x " << t.x << (t.roared ? ", roared}" : ", silent}");
}

void Put(int32_t slot, int32_t kind, int32_t x, int32_t state) {
    EnemyKind[slot] = kind, EnemyX[slot] = x, EnemyState[slot] = state, EnemyDrift[slot] = 0;
    EnemyY[slot] = kind == 0 ? 239 : 258, EnemyLane[slot] = kind == 0 ? -150 : 0;
    EnemyFacing[slot] = state == 1 ? 1 : 0, EnemyFrame[slot] = 0, EnemyHealth[slot] = kind == 0 ? 2 : 3;
    EnemyShotCount[slot] = -1, EnemyShotLatch[slot] = 0;
}

// Calls `update` until the slot is freed, noting the first call of each
// event: "freed", "skip" (the timer jumped by 2), "shake", "shake off",
// "sound" (effect `sound` started), "frame<n>". Another shake runs throughout.
using Events = std::map<std::string, int32_t>;
Events RunDeath(int32_t slot, void (*update)(int32_t), int32_t sound, const std::function<void(int32_t)>& watch) {
    Events first;
    for (int32_t n = 1; n <= 400; ++n) {
        const int32_t state = EnemyState[slot];
        ScreenShake = 2;
        QuietPool();
        update(slot);
        if (EnemyKind[slot] == -1) {
            first.emplace("freed", n);
            break;
        }
        if (EnemyState[slot] == state + 2) first.emplace("skip", n);
        if (ScreenShake != 2) first.emplace(ScreenShake == 1 ? "shake" : "shake off", n);
        if (SfxPlaying(sound)) first.emplace("sound", n);
        first.emplace("frame" + std::to_string(EnemyFrame[slot]), n);
        watch(n);
    }
    return first;
}

TEST_F(Sniper, AimsShowsItOneCallLateLooksAwayPast320AndDrawsOnlyInRange) {
    Put(0, 0, 1000, 0);
    EnemyShotLatch[0] = 1;
    // hero x, state after, frame after
    for (const V& s : {V{959, 0, 0}, V{960, 1, 0}, V{960, 1, 1}, V{1041, 2, 1}, V{1320, 2, 2}, V{1321, 2, 9},
                       V{1300, 2, 2}, V{680, 0, 2}, V{679, 0, 8}}) {
        HeroX = s[0];
        const int32_t before = RandomState();
        UpdateSniper(0);
        EXPECT_EQ(EnemyState[0], s[1]) << "hero at " << s[0];
        EXPECT_EQ(EnemyFrame[0], s[2]) << "hero at " << s[0];
        const int32_t after = RandomState();  // one draw per call within 320 px
        SeedRandom(before);
        if (s[0] > 680 && s[0] < 1320) RandomInt(0, 1);
        EXPECT_EQ(RandomState(), after) << s[0];
    }
}

TEST_F(Sniper, FiresBurstsOfThreeDownTowardTheHero) {
    // hero x, then bullet x, y (drawn height 89), dir
    for (const V& a : {V{900, 998, 122, 10}, V{1030, 1024, 133, 8}, V{1100, 1051, 122, 6}}) {
        EmptyBulletTable();
        SeedRandom(777);
        Put(4, 0, 1000, 0);
        HeroX = a[0];
        V shots;
        for (int32_t t = 0; t < 1200; ++t) {
            EnemyTick();
            if (BulletActive[shots.size()] == 1) shots.push_back(t);  // nothing moves them
        }
        SCOPED_TRACE("hero at " + std::to_string(a[0]));
        EXPECT_EQ(BulletOwner[0], 5);
        EXPECT_EQ(BulletX[0], a[1]);
        EXPECT_EQ(BulletY[0], a[2]);
        EXPECT_EQ(BulletDir[0], a[3]);
        EXPECT_EQ(BulletKind[0], 0);
        EXPECT_EQ(BulletLane[0], 125);
        // In a burst the latch goes round (3 refire ticks of 110 ms); between
        // bursts the count climbs from 2 past 29.
        ASSERT_GE(shots.size(), 6u);
        for (size_t i = 1; i < shots.size(); ++i) {
            const int32_t gap = shots[i] - shots[i - 1];
            if (i % 3 == 0) {
                EXPECT_GE(gap, 27 * 11) << "between bursts, before shot " << i;
            } else {
                EXPECT_GE(gap, 22) << "in a burst, before shot " << i;
                EXPECT_LT(gap, 27 * 11) << "in a burst, before shot " << i;
            }
        }
    }
}

TEST_F(Sniper, FallsBleedsLandsFlickersAndLeavesACorpseOnCall299) {
    HeroX = 700;  // in range, but the dying never fire
    Put(3, 0, 500, 100);
    UpdateSniper(3);
    EXPECT_EQ(EnemiesKilled, 1);
    EXPECT_EQ(StageKills, 1);
    EXPECT_EQ(EnemyState[3], 101);
    EXPECT_EQ(EnemyFrame[3], 3);
    Events first = RunDeath(3, UpdateSniper, 20, [](int32_t n) {
        if (n <= 50) { EXPECT_EQ(EnemyY[3], 239 + n); }
    });
    EXPECT_GE(first["frame6"], 199);
    first.erase("frame6");
    EXPECT_EQ(first, (Events{{"frame3", 1}, {"frame5", 50}, {"shake", 50}, {"skip", 54}, {"sound", 54},
                             {"shake off", 64}, {"freed", 299}}));
    for (int32_t i = 0; i < 21; ++i) {
        EXPECT_EQ(BloodDropAge[i] == -1, i == 20);  // 20 drops, one per call, heights 90..109
        if (i < 20) {
            EXPECT_EQ(BloodDropY[i], 90 + i) << "drop " << i;
            EXPECT_GE(BloodDropX[i], 510) << "drop " << i;
            EXPECT_LE(BloodDropX[i], 530) << "drop " << i;
        }
    }
    EXPECT_EQ(CorpseKind[0], 0);
    EXPECT_EQ(CorpseX[0], 500);
    EXPECT_EQ(CorpseY[0], 139);
    EXPECT_EQ(CorpseNext, 1);
    EXPECT_EQ(EnemyFacing[3], 0);
    EXPECT_EQ(BulletActive[0], 0);
}

TEST_F(Biker, RidesLeftDriftingUntilPastTheHeroAndTurnsOnlyFarOffScreenWithARoar) {
    HeroX = 200;
    Put(0, 4, 600, 0);
    EnemyDrift[0] = 1, EnemyLane[0] = -100, EnemyFacing[0] = 1;  // feet 295, above the hero's 395
    const int32_t seed = RandomState();
    int32_t calls = 0;
    for (; EnemyDrift[0] == 1 && calls < 200; ++calls) EnemyTick();
    // Off on the call that starts at 267 (below HeroX + 70); unhurt, he draws nothing.
    EXPECT_EQ(calls, 112);
    EXPECT_EQ(EnemyX[0], 264);
    EXPECT_EQ(EnemyLane[0], -44);
    EXPECT_EQ(EnemyFacing[0], 0);
    EXPECT_EQ(EnemyFrame[0] / 2, 1);  // riding left: cells 2 and 3
    EXPECT_EQ(RandomState(), seed);

    // Brought in behind the hero he still rides left, to screen x -260, then
    // right to screen x 790.
    EmptyEnemyTable();
    CameraX = -1000, HeroX = 1200;
    SpawnEnemy(4, 895, 120, 1);
    std::vector<Turn> turns;
    for (int32_t n = 1; n <= 420; ++n) {
        const int32_t state = EnemyState[0];
        QuietPool();
        UpdateBiker(0);
        if (EnemyState[0] != state || SfxPlaying(40)) turns.push_back({n, EnemyX[0], SfxPlaying(40)});
    }
    EXPECT_EQ(turns, (std::vector<Turn>{{52, 739, true}, {403, 1792, true}}));
    // Riding left beyond screen right: a drift roll, no roar. At the section's end: held there.
    Put(0, 4, 2000, 0);
    QuietPool();
    const int32_t before = RandomState();
    UpdateBiker(0);
    EXPECT_NE(RandomState(), before);
    EXPECT_FALSE(SfxPlaying(40));
    EXPECT_EQ(EnemyState[0], 0);
    CameraX = 640 - StageLength;
    Put(0, 4, StageLength + 149, 1);
    UpdateBiker(0);
    EXPECT_EQ(EnemyX[0], StageLength + 150);
    EXPECT_EQ(EnemyState[0], 0);
    EXPECT_TRUE(SfxPlaying(40));
}

TEST_F(Biker, RamsEveryIntactPropOnScreenInHisPathButNotAsAWreck) {
    // frame, x, y, frame after: he rides 500 -> 497 first, drawn height 258.
    const int32_t props[][4] = {{2, 540, 258, 3}, {4, 540, 278, 5}, {2, 540, 257, 2}, {2, 540, 279, 2},
                                {1, 540, 260, 1}, {0, 540, 260, 0}, {2, 477, 260, 2}, {2, 478, 260, 3},
                                {2, 577, 260, 2}, {2, 576, 260, 3}, {2, 780, 258, 2}};
    for (int32_t p = 0; p < 11; ++p) PropFrame[p] = props[p][0], PropX[p] = props[p][1], PropY[p] = props[p][2];
    Put(0, 4, 500, 0);
    UpdateBiker(0);
    for (int32_t p = 0; p < 10; ++p) EXPECT_EQ(PropFrame[p], props[p][3]) << p;
    for (const V& c : {V{0, 0, 2}, V{-141, 150, 2}, V{-141, 0, 3}}) {  // camera, state, prop 10 after
        CameraX = c[0];
        Put(0, 4, 800, c[1]);  // at 797 prop 10 is in his window, off screen at first
        UpdateBiker(0);
        EXPECT_EQ(PropFrame[10], c[2]);
    }
}

TEST_F(Biker, ExplodesFliesOnDropsBackClangsBurnsAndGoesWithoutACorpse) {
    Put(2, 4, 500, 1);
    EnemyHealth[2] = 0;
    EnemyTick();  // rides to 503, killed by the pass
    EmptyExplosionTable();
    EnemyTick();  // the kill call: a big blast, the wreck cell of his side
    EXPECT_EQ(StageKills, 1);
    EXPECT_EQ(EnemyState[2], 101);
    EXPECT_EQ(EnemyFrame[2], 4);
    EXPECT_EQ(EnemyFacing[2], 1);
    EXPECT_EQ(ExplosionKind[0], BigBlast);
    EXPECT_EQ(ExplosionX[0], 509);
    EXPECT_EQ(ExplosionY[0], 268);
    EnemyHealth[2] = -2;
    int32_t topY = 258, lastX = 0, lastY = 0;
    Events first = RunDeath(2, UpdateBiker, 21, [&](int32_t n) {
        EXPECT_EQ(EnemyHealth[2], 0);
        if (n <= 59) { EXPECT_EQ(EnemyX[2], 503 + 3 * std::min(n, 58)); }
        if (n >= 60) { EXPECT_GE(EnemyY[2], lastY); }
        topY = std::min(topY, EnemyY[2]), lastX = EnemyX[2], lastY = EnemyY[2];
    });
    EXPECT_GE(first["frame5"], 109);
    first.erase("frame5");
    EXPECT_EQ(first, (Events{{"frame4", 1}, {"skip", 89}, {"sound", 89}, {"shake", 89}, {"shake off", 99},
                             {"freed", 149}}));
    EXPECT_EQ(lastY, 258);
    EXPECT_EQ(lastX, 677 + 3 * (258 - topY));  // 3 px on for each pixel it came down
    EXPECT_EQ(CorpseKind[0], -1);
    EXPECT_EQ(EnemyFacing[2], 1);
    EXPECT_EQ(StageKills, 1);
    Put(3, 4, 500, 100);  // one riding left shows wreck cells 6 and 7
    UpdateBiker(3);
    EXPECT_EQ(EnemyFrame[3], 6);
}

TEST_F(Biker, InSlowMotionHeAndADyingSniperActOnOneTickInFive) {
    SlowMotion = 4, HeroX = 200;
    Put(0, 0, 500, 100);
    Put(1, 4, 900, 0);
    int32_t landed = -1, t = 0;
    for (; t < 1600 && EnemyKind[0] != -1; ++t) {
        SlowMotionTick = t % 5;
        EnemyTick();
        if (t == 250) { EXPECT_EQ(EnemyX[1], 900 - 3 * 51); }
        if (ScreenShake == 1 && landed < 0) landed = t;
    }
    EXPECT_EQ(landed, 250);
    EXPECT_EQ(t - 1, 5 * 299);  // the sniper's last call
}

}  // namespace
}  // namespace enemytest
