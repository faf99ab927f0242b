// Reading the keyboard and the demo script into the tick's input.
#include <initializer_list>
#include <string>
#include <vector>

#include "hero_fixture.h"

namespace herotest {
namespace {

using HeroInput = HeroScene;

int32_t DirWith(std::initializer_list<int32_t> keys) {
    for (int32_t k : keys) headless::SetKey(k, true);
    ReadInput();
    for (int32_t k : keys) headless::SetKey(k, false);
    return InputDir;
}

TEST_F(HeroInput, LaterDirectionTestsWinAndDuckStopsTheWalk) {
    EXPECT_EQ(DirWith({Left, Right}), 2);
    EXPECT_EQ(DirWith({Up, Left, Right}), 6);
    EXPECT_EQ(DirWith({Down, Left}), 7);
    EXPECT_EQ(DirWith({Right, Duck}), 0);
}

TEST_F(HeroInput, SpecialNeedsExactlyOneDuckPressWithFireHeldAndJump) {
    SpecialReady = 1;
    headless::TapKey(Duck);
    ReadInput();  // without the combination the press is left for the duck toggle
    EXPECT_EQ(KeyHitCount(KeyCodes[KeyDuck]), 1);

    headless::SetKey(Fire, true);
    headless::TapKey(Jump);
    headless::TapKey(Duck);
    headless::TapKey(Duck);
    ReadInput();
    EXPECT_EQ(HeroState, 0);  // two presses do nothing
    headless::TapKey(Jump);
    headless::TapKey(Duck);
    ReadInput();
    EXPECT_EQ(HeroState, 10);
    EXPECT_EQ(HeroAnimStep, -1);
    EXPECT_EQ(SpecialReady, 0);
    EXPECT_EQ(FireHeld, 0);  // swallowed
    EXPECT_EQ(FireHit, 0);
    EXPECT_EQ(JumpHit, 0);
}

// The demo script by pass: the direction of every range on stage 6 and on
// the other demo stages, the one shot of weapon 2, the random fire values
// and the energy kept above 0 on the last life. The random values are
// checked by drawing them again in the script's order from the same state.
TEST_F(HeroInput, DemoScriptGivesEachRangeItsDirectionAndFireValues) {
    constexpr int32_t Kept = -1;    // no rule speaks: the tick before's value stays
    constexpr int32_t Wander = -2;  // now and then re-drawn as 2, 6 or 8
    struct Span {
        int32_t first, last, dir;
    };
    const std::vector<Span> common = {{0, 100, 0}, {101, 149, 2}, {150, 310, 0}, {311, 599, 2},
                                      {600, 799, 0}, {800, 800, Kept}, {1500, 1999, 2}, {2000, 2100, Kept}};
    ControlDevice = 3;
    Lives = 2;
    for (const int32_t stage : {6, 4}) {
        SCOPED_TRACE("stage " + std::to_string(stage));
        StageNumber = stage;
        HeroWeapon = stage == 6 ? 2 : 0;  // the shot is fired only while weapon 2 is current
        std::vector<Span> spans = common;
        if (stage == 6) {
            spans.insert(spans.end(), {{801, 1080, 8}, {1081, 1499, 2}});
        } else {
            spans.push_back({801, 1499, Wander});
        }
        SeedRandom(4242);
        int32_t redraws = 0;
        for (DemoTick = 0; DemoTick <= 2100; ++DemoTick) {
            const int32_t t = DemoTick;
            if (t == 800 || t == 2000) InputDir = 7;  // seen again only if no rule writes it
            const int32_t before = InputDir, state = RandomState();
            ReadInput();
            const int32_t after = RandomState();

            SeedRandom(state);
            const int32_t fire = t >= 611 && t <= 1899 ? RandomInt(0, 40) : 0;
            int32_t dir = -100;
            for (const Span& s : spans) {
                if (t >= s.first && t <= s.last) dir = s.dir;
            }
            if (dir == Kept) dir = before;
            if (dir == Wander) {
                dir = before;
                if (RandomInt(0, 40) == 0) {
                    static constexpr int32_t kDirs[3] = {2, 6, 8};
                    dir = kDirs[RandomInt(0, 2)];
                    ++redraws;
                }
            }
            ASSERT_EQ(InputDir, dir) << "pass " << t;
            ASSERT_EQ(FireHeld, fire) << "pass " << t;
            ASSERT_EQ(FireHit, stage == 6 && t >= 241 && t <= 309 ? 1 : 0) << "pass " << t;
            ASSERT_EQ(JumpHit, 0) << "pass " << t;
            ASSERT_EQ(RandomState(), after) << "pass " << t << ": draws";
        }
        if (stage != 6) {
            EXPECT_GT(redraws, 3);
        }
    }

    HeroEnergy = 0;
    ReadInput();
    EXPECT_EQ(HeroEnergy, 0);  // a life to spare: the demo hero may fall
    Lives = 1;
    ReadInput();
    EXPECT_EQ(HeroEnergy, 1);
}

}  // namespace
}  // namespace herotest
