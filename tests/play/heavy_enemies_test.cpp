// The chainsaw killer, the rogue officer and the KR770: timelines by call
// counts, reach, firing, props, the break-up and slow motion.
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <vector>

#include "enemy_fixture.h"
#include "media.h"
#include "media_internal.h"
#include "play/chainsaw_killer.h"
#include "play/enemies.h"
#include "play/enemy_hits.h"
#include "play/hero_hits.h"
#include "play/kr770.h"
#include "play/rogue_officer.h"
#include "play/tables.h"
#include "play_fixture.h"
#include "shell/assets.h"
#include "shell/records.h"

namespace enemytest {
namespace {

class Heavy : public EnemyScene {
protected:
    void SetUp() override {
        EnemyScene::SetUp();
        QuietPool();
        EnemyAnimDivider = 3;  // no animation step unless a test asks for one
    }
};

// An enemy as SpawnEnemy leaves it, in `state`, drift off, latch closed.
void Put(int32_t slot, int32_t kind, int32_t x, int32_t lane, int32_t state) {
    EnemyKind[slot] = kind, EnemyX[slot] = x, EnemyY[slot] = kind == 6 ? 235 : kind == 11 ? 244 : 190;
    EnemyLane[slot] = lane, EnemyDrift[slot] = 0, EnemyState[slot] = state, EnemyFacing[slot] = state == 1;
    EnemyFrame[slot] = 0, EnemyHealth[slot] = kind == 6 ? 5 : kind == 11 ? 6 : 70;
    EnemyShotCount[slot] = -1, EnemyShotLatch[slot] = 1;
}

// Seeds spread over the generator's range (small seeds give small first draws).
void Seed(int32_t n) { SeedRandom(n * 1000003 + 17); }

// A bullet as the volley leaves it, printed by its fields.
struct Shot {
    int32_t x, y, kind, dir;
    bool operator==(const Shot&) const = default;
};
void PrintTo(const Shot& s, std::ostream* os) {
    *os << "{x " << s.x << ", y " << s.y << ", kind " << s.kind << ", dir " << s.dir << "}";
}

int32_t LiveBullets() {
    int32_t n = 0;
    for (int32_t b = 0; b < BulletSlots; ++b) n += BulletActive[b];
    return n;
}

// Whether one call from the enemy's present fields ends in `state` for some of 300 seeds.
bool CanReach(void (*update)(int32_t), int32_t slot, int32_t state) {
    const int32_t x = EnemyX[slot], was = EnemyState[slot], drift = EnemyDrift[slot];
    bool reached = false;
    for (int32_t seed = 1; seed <= 300 && !reached; ++seed) {
        Seed(seed);
        EnemyX[slot] = x, EnemyState[slot] = was, EnemyDrift[slot] = drift;
        update(slot);
        reached = EnemyState[slot] == state;
    }
    EnemyX[slot] = x, EnemyState[slot] = was, EnemyDrift[slot] = drift;
    return reached;
}

TEST_F(Heavy, ChainsawSwingTakesSevenDividerStepsBitesOnceAndSmokesOnlyGoingForward) {
    for (int32_t right : {0, 1}) {
        const int32_t lo = right ? 3 : 15, start = right ? 4 : 2;
        const int32_t frames[6] = {lo + 1, lo + 2, lo + 3, lo + 2, lo + 1, lo};
        int32_t smokes = 0;
        for (int32_t seed = 1; seed <= 8; ++seed) {
            Seed(seed);
            Put(0, 6, 600, 0, start);
            EnemyFrame[0] = lo, EnemyDrift[0] = 1, EnemyAnimDivider = 0;
            for (int32_t t = 1, step = 0; t <= 77; ++t) {
                QuietPool();
                EmptyExplosionTable();
                EnemyTick();
                step += t % 11 == 0;
                ASSERT_EQ(SfxPlaying(41), t == 11) << t;
                if (step < 7) {
                    ASSERT_EQ(EnemyFrame[0], step == 0 ? lo : frames[step - 1]) << t;
                    ASSERT_EQ(EnemyState[0], start + (step >= 4)) << t;
                }
                if (ExplosionKind[0] == 5) {
                    ++smokes;
                    EXPECT_LT(step, 4) << t;
                    EXPECT_EQ(ExplosionX[0], right ? 688 : 644) << t;  // forward, at the saw
                }
            }
            // He ends walking the other way, drift off, without having moved.
            EXPECT_EQ(EnemyState[0], right ? 0 : 1);
            EXPECT_EQ(EnemyFrame[0], right ? 12 : 0);
            EXPECT_EQ(EnemyDrift[0], 0);
            EXPECT_EQ(EnemyX[0], 600);
        }
        EXPECT_GT(smokes, 0);
    }
}

TEST_F(Heavy, ChainsawSwingsOnlyInTheHerosLaneAndWithinReach) {
    HeroX = 300;
    auto canSwing = [](int32_t x, int32_t lane, int32_t state) {
        Put(0, 6, x, lane, state);
        return CanReach(UpdateChainsaw, 0, state == 0 ? 2 : 4);
    };
    // Tested after his 1 px step: walking left HeroX - 20 < x < HeroX, walking
    // right HeroX - 120 < x < HeroX - 100; feet line (h 160) 386..406 below HeroLane.
    const int32_t cases[][4] = {{282, 0, 0, 1},  {300, 0, 0, 1},  {198, 0, 1, 1},  {180, 0, 1, 1},
                                {281, 0, 0, 0},  {301, 0, 0, 0},  {199, 0, 1, 0},  {179, 0, 1, 0},
                                {290, -9, 0, 1}, {290, 11, 0, 1}, {290, -10, 0, 0}, {290, 12, 0, 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(canSwing(c[0], c[1], c[2]), c[3] == 1) << "x " << c[0] << ", lane " << c[1] << ", state " << c[2];
    }
}

TEST_F(Heavy, ChainsawTurnsAtPropsAndDriftsByItsLowerFeetButTestsByItsHigherOnes) {
    HeroX = 100;
    PropFrame[4] = 2, PropX[4] = 400, PropY[4] = 265;  // window 313..387, band 226..246
    auto walk = [](int32_t x, int32_t lane, int32_t state, int32_t calls = 1) {
        Put(0, 6, x, lane, state);
        for (int32_t c = 0; c < calls; ++c) UpdateChainsaw(0);
        return EnemyX[0];
    };
    EXPECT_EQ(walk(387, 0, 0), 390);  // pushed out, walks right in the same call
    EXPECT_EQ(EnemyState[0], 1);
    EXPECT_EQ(walk(315, 0, 1), 313);  // pushed out, walks left from the next call
    EXPECT_EQ(EnemyState[0], 0);
    EXPECT_EQ(walk(315, 0, 1, 2), 312);
    EXPECT_EQ(walk(350, 0, 0, 30), 350);  // deep in the window: stuck
    EXPECT_EQ(EnemyFacing[0], 1);
    EXPECT_EQ(walk(350, 12, 0), 349);  // out of the band
    // Feet level with the hero line by h 160: the drift (by h 158) goes down,
    // the block test looks 2 px up.
    EnemyHalfStep = 1;
    for (int32_t propY : {253, 275}) {  // band 214..234 blocks at 233; 236..256 does not
        PropY[4] = propY;
        Put(0, 6, 380, 0, 0);
        EnemyDrift[0] = 1;
        UpdateChainsaw(0);
        EXPECT_EQ(EnemyLane[0], propY == 253 ? 0 : 1);
    }
}

TEST_F(Heavy, RogueOfficerAimsHisWayThenWalksOnAndFiresWalkingOnlyAtTheHeroInTheStrictBand) {
    HeroX = 300;
    Put(0, 11, 450, 0, 2);
    EnemyShotLatch[0] = 0;
    UpdateRogueCop(0);
    // Aiming cell 22, one shot weighing five in his count.
    EXPECT_EQ(EnemyState[0], 4);
    EXPECT_EQ(EnemyFrame[0], 22);
    EXPECT_EQ(EnemyShotCount[0], 4);
    EXPECT_EQ(LiveBullets(), 1);
    EXPECT_EQ(BulletOwner[0], 1);
    EXPECT_EQ(BulletX[0], 449);
    EXPECT_EQ(BulletY[0], 259);
    EXPECT_EQ(BulletDir[0], 12);
    HeroX = 600, EnemyShotLatch[0] = 0;  // aiming he fires his way, wherever the hero is
    UpdateRogueCop(0);
    EXPECT_EQ(BulletDir[1], 12);
    EXPECT_EQ(EnemyState[0], 0);  // passed: he walks on the way he came
    Put(1, 11, 450, 0, 3);
    EnemyFacing[1] = 1, HeroX = 531;
    UpdateRogueCop(1), UpdateRogueCop(1);
    EXPECT_EQ(EnemyState[1], 4);
    HeroX = 529;  // aiming right he walks on once HeroX < EnemyX + 80
    UpdateRogueCop(1);
    EXPECT_EQ(EnemyState[1], 1);

    HeroX = 100;
    auto fires = [](int32_t x, int32_t lane, int32_t state) {
        EmptyBulletTable();
        Put(0, 11, x, lane, state);
        EnemyShotLatch[0] = 0;
        UpdateRogueCop(0);
        return LiveBullets() == 1;
    };
    const int32_t cases[][4] = {{400, 9, 0, 1},  {400, -9, 0, 1},  {40, 0, 1, 1},  {99, 0, 1, 1},
                                {400, 10, 0, 0}, {400, -10, 0, 0}, {400, 0, 1, 0}, {101, 0, 0, 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(fires(c[0], c[1], c[2]), c[3] == 1) << "x " << c[0] << ", lane " << c[1] << ", state " << c[2];
    }
    // Tramples intact props in his path, not beyond the screen's right edge.
    const int32_t props[][3] = {{2, 390, 272}, {4, 440, 252}, {6, 389, 272}, {1, 400, 272}, {8, 400, 273}, {10, 640, 272}};
    for (int32_t p = 0; p < 6; ++p) PropFrame[p] = props[p][0], PropX[p] = props[p][1], PropY[p] = props[p][2];
    Put(0, 11, 400, 0, 0);
    UpdateRogueCop(0);
    Put(0, 11, 631, 0, 0);
    UpdateRogueCop(0);
    EXPECT_EQ((std::vector<int32_t>(PropFrame, PropFrame + 6)), (std::vector<int32_t>{3, 5, 6, 1, 8, 10}));
}

TEST_F(Heavy, DeathTimelinesByCallCountAndTheSlotFreedWithACorpse) {
    struct Death {
        int32_t kind, firstFrame, sound, soundCall, shakeOn, shakeOff, flicker, lastEffect, end, thrown;
        std::vector<int32_t> frameCalls;
    };
    const Death deaths[3] = {{6, 19, 20, 59, 59, 69, 209, 0, 309, 154, {20, 40, 60}},
                             {11, 22, 20, 49, -1, -1, 209, 309, 309, 0, {20, 30, 40, 50}},
                             {17, 41, 21, 54, 54, 64, 139, 97, 299, 0, {20, 40, 59, 79, 99}}};
    HeroX = 200;
    for (const Death& d : deaths) {
        Put(3, d.kind, 400, -20, 100);
        EnemyHealth[3] = 0;
        auto update = d.kind == 6 ? UpdateChainsaw : d.kind == 11 ? UpdateRogueCop : UpdateKR770;
        const int32_t kills = StageKills;
        update(3);
        EXPECT_EQ(StageKills, kills + 1) << d.kind;
        EXPECT_EQ(EnemyFrame[3], d.firstFrame) << d.kind;
        for (int32_t call = 1; call <= d.end; ++call) {
            QuietPool();
            EmptyExplosionTable();
            ScreenShake = 2;
            const int32_t frame = EnemyFrame[3];
            update(3);
            if (call == d.end) break;
            ASSERT_EQ(SfxPlaying(d.sound), call == d.soundCall) << d.kind << " " << call;
            const int32_t shake = d.shakeOn < 0 || call < d.shakeOn ? 2 : call == d.shakeOn ? 1 : call < d.shakeOff ? 2 : 0;
            ASSERT_EQ(ScreenShake, shake) << d.kind << " " << call;
            const bool changes = std::count(d.frameCalls.begin(), d.frameCalls.end(), call) == 1;
            if (call < d.flicker) {
                ASSERT_EQ(EnemyFrame[3] != frame, changes) << d.kind << " " << call;
            }
            if (call > d.lastEffect) {
                ASSERT_EQ(ExplosionKind[0], 0) << d.kind << " " << call;
            }
            // The KR770's big blast comes on call 19.
            const bool big = ExplosionKind[0] == 3 && ExplosionX[0] == 449 && ExplosionY[0] == 181;
            ASSERT_EQ(big, d.kind == 17 && call == 19) << call;
        }
        const int32_t c = CorpseNext - 1;
        EXPECT_EQ(EnemyKind[3], -1) << d.kind;
        EXPECT_EQ(EnemyFacing[3], d.kind == 17 ? 0 : 1) << d.kind;
        EXPECT_EQ(CorpseKind[c], d.kind);
        EXPECT_EQ(CorpseX[c], 400 + d.thrown) << d.kind;
    }
}

TEST_F(Heavy, KR770StompsInShakePulsesLimpsBelowElevenAndCrushesPropsEvenOffScreen) {
    HeroX = 100;
    Put(0, 17, 500, 0, 0);
    EnemyDrift[0] = 1;  // keeps the turn roll out of the way
    int32_t cleared = 0;
    for (int32_t call = 1; call <= 220; ++call) {
        QuietPool();
        EnemyAnimDivider = call % 11 == 0 ? 0 : 1, ScreenShake = 0;
        UpdateKR770(0);
        ASSERT_TRUE(ScreenShake == 0 || EnemyAnimDivider == 0) << "call " << call << ": shake " << ScreenShake;
        cleared += EnemyAnimDivider == 0 && ScreenShake == 0;  // by the same call's 1-in-2 roll
        ASSERT_EQ(SfxPlaying(33), EnemyAnimDivider == 0 && (EnemyFrame[0] == 28 || EnemyFrame[0] == 36)) << call;
    }
    EXPECT_GT(cleared, 0);
    EXPECT_LT(cleared, 20);
    EXPECT_EQ(EnemyX[0], 280);
    EnemyHealth[0] = 10;
    for (int32_t call = 0; call < 40; ++call) EnemyHalfStep = call % 2, UpdateKR770(0);
    EXPECT_EQ(EnemyX[0], 260);
    // Off screen to the right, stepping to 799: window PropX - 120 < 799 < PropX - 20,
    // band PropY - 85 .. PropY - 52.
    const int32_t props[][3] = {{2, 820, 242}, {4, 918, 275}, {6, 819, 242}, {1, 900, 242}, {10, 900, 241}};
    for (int32_t p = 0; p < 5; ++p) PropFrame[p] = props[p][0], PropX[p] = props[p][1], PropY[p] = props[p][2];
    Put(0, 17, 800, 0, 0);
    UpdateKR770(0);
    EXPECT_EQ((std::vector<int32_t>(PropFrame, PropFrame + 5)), (std::vector<int32_t>{3, 5, 6, 1, 10}));
}

TEST_F(Heavy, KR770VolleyFiresNothingAMissileOrTheGunsAndWalkingGunsSitFiveInside) {
    HeroX = 100;
    int32_t outcomes[3] = {0, 0, 0};
    for (int32_t seed = 1; seed <= 400; ++seed) {
        const int32_t facing = seed % 2, dir = facing ? 4 : 12;
        EmptyBulletTable();
        EmptyShellCasingTable();
        Put(0, 17, 300, 10, 2);  // guns' line 240
        EnemyFacing[0] = facing, EnemyShotLatch[0] = 0, EnemyShotCount[0] = 5;
        Seed(seed);
        const int32_t fire = RandomInt(0, 1), missile = RandomInt(0, 1), gun1 = RandomInt(0, 1);
        if (gun1 == 1) RandomInt(50, 70);  // the first gun's shell casing draws before the second gun
        const int32_t gun2 = RandomInt(0, 1);
        Seed(seed);
        UpdateKR770(0);
        std::vector<Shot> want;
        if (fire == 0 && missile == 0) want.push_back({facing ? 376 : 339, 250, 2, dir});
        if (fire == 0 && missile == 1 && gun1 == 1) want.push_back({facing ? 446 : 295, 240, 0, dir});
        if (fire == 0 && missile == 1 && gun2 == 1) want.push_back({facing ? 451 : 290, 249, 0, dir});
        ++outcomes[fire == 1 ? 0 : 1 + missile];
        std::vector<Shot> got;
        for (int32_t b = 0; b < LiveBullets(); ++b) got.push_back({BulletX[b], BulletY[b], BulletKind[b], BulletDir[b]});
        ASSERT_EQ(got, want) << seed;
        ASSERT_EQ(EnemyShotCount[0], 6) << seed;  // every opening counts
        ASSERT_EQ(EnemyShotLatch[0], 1) << seed;
    }
    EXPECT_GT(outcomes[0], 150);  // no volley
    EXPECT_GT(outcomes[1], 60);   // a missile
    EXPECT_GT(outcomes[2], 60);   // the guns
    // At a count of 29 the volley is spent, but the walking guns still fire
    // from it, gun 2 five px inside gun 1.
    EmptyBulletTable();
    for (int32_t seed = 1; seed <= 40; ++seed) {
        Put(0, 17, 300, 10, 2);
        EnemyFacing[0] = 1, EnemyShotCount[0] = 29, EnemyShotLatch[0] = 0;
        Seed(seed), UpdateKR770(0);
    }
    for (int32_t b = 0; b < LiveBullets(); ++b) {
        EXPECT_TRUE(BulletX[b] == 446 || BulletX[b] == 441) << "bullet " << b << " at x " << BulletX[b];
    }
    EXPECT_GT(LiveBullets(), 0);
    // It leaves the volley by the 1-in-51 roll only with a count above 10.
    Put(0, 17, 300, 0, 2);
    EnemyShotCount[0] = 10;
    EXPECT_FALSE(CanReach(UpdateKR770, 0, 0));
    EXPECT_FALSE(CanReach(UpdateKR770, 0, 1));
    EnemyShotCount[0] = 11;
    EXPECT_TRUE(CanReach(UpdateKR770, 0, 0));
    EXPECT_TRUE(CanReach(UpdateKR770, 0, 1));
}

TEST_F(Heavy, InSlowMotionTheyActOnOneTickInFiveAndTheVolleyWaitsLonger) {
    SlowMotion = 4, HeroX = 100;
    Put(0, 6, 600, -60, 2);  // out of the band of the KR770's bullets
    EnemyFrame[0] = 15, EnemyAnimDivider = 0;
    Put(1, 17, 400, 0, 2);
    EnemyShotLatch[1] = 0;
    int32_t swingEnd = -1;
    std::vector<int32_t> openings;
    for (int32_t t = 1; t <= 400; ++t) {
        EnemyShotCount[1] = -1;  // keeps the volley going
        const int32_t latch = EnemyShotLatch[1], state = EnemyState[0];
        EnemyTick();
        SlowMotionTick = SlowMotionTick + 1 > SlowMotion ? 0 : SlowMotionTick + 1;
        if (latch != 1 && EnemyShotLatch[1] == 1) openings.push_back(t);
        if (state == 3 && EnemyState[0] == 1) swingEnd = t;
    }
    EXPECT_EQ(swingEnd, 1 + 5 * 76);  // its 77th enemy tick
    // Refire ticks every 150 ms, and a latch that runs up to 6 before it reopens.
    EXPECT_EQ(openings, (std::vector<int32_t>{1, 101, 206, 311}));
}

// ------------------------------------------------------------------ on the real masks

class HeavyOnMasks : public ::testing::Test {
protected:
    void SetUp() override {
        playtest::NewGame(6);
        EmptyActorTables();
        CameraX = SlowMotion = HeroLane = HeroJumpPhase = HeroTorsoFrame = HeroState = HeroFacing = StageKills = 0;
        HeroX = 300, HeroFootY = 278, HeroWalkStep = 5, HeroEnergy = 100, StageLength = 4480;
        EnemyAnimDivider = 3, EnemySpeedToggle = 1;
    }
};

TEST_F(HeavyOnMasks, TheSawHurtsTheHeroAndOnlyStrikesInTheArmourWindowDestroyTheRogueOfficer) {
    Put(0, 6, 290, 0, 2);
    EnemyFrame[0] = 17;
    for (int32_t t = 0; t < 40; ++t) CheckHeroHits(), HeroState = 0;
    EXPECT_LT(HeroEnergy, 100);
    EXPECT_EQ(EnemyHealth[0], 5);  // swinging he loses nothing by contact
    EnemyState[0] = 0, EnemyFrame[0] = 13;
    CheckHeroHits();
    EXPECT_EQ(EnemyHealth[0], 4);

    Put(0, 11, 400, 0, 4);
    EnemyFrame[0] = 22;
    // A hero bullet over his cell at x, its lane line in his band (244 + 65 .. 244 + 83).
    auto shootAt = [](int32_t x) {
        int32_t y = 200;
        while (y < 420 && !ImagesOverlap(BulletsImage, x, y, 12, EnemyImages[11], EnemyX[0], 244, 22)) ++y;
        BulletActive[0] = y < 420, BulletOwner[0] = BulletKind[0] = 0, BulletDir[0] = 12;
        BulletX[0] = x, BulletY[0] = y, BulletLane[0] = 244 + 70 + 74 - y;
        HitTestBulletsOnEnemy(0);
        return y < 420;
    };
    int32_t outside = 0;
    for (int32_t x = 390; x <= 420; ++x) outside += shootAt(x) && BulletActive[0] == 1;  // flies on
    EXPECT_GT(outside, 0);
    EXPECT_EQ(EnemyHealth[0], 6);
    for (int32_t strike = 0; strike < 6; ++strike) {
        ASSERT_TRUE(shootAt(EnemyX[0] + 40));
        UpdateRogueCop(0);
        EXPECT_EQ(EnemyHealth[0], 5 - strike);
    }
    EnemyState[0] = 100;  // as the enemy pass sets it
    UpdateRogueCop(0);
    EXPECT_EQ(EnemyState[0], 101);
    EXPECT_EQ(StageKills, 1);
}

}  // namespace
}  // namespace enemytest
