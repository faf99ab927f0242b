// Reading the keyboard and the demo script into the tick's input.
#include <initializer_list>

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

TEST_F(HeroInput, DemoKeepsItsDirectionAtPass800AndFrom2000) {
    ControlDevice = 3;
    for (int32_t stage : {6, 4}) {
        StageNumber = stage;
        for (DemoTick = 0; DemoTick <= 2100; ++DemoTick) {
            if (DemoTick == 800) InputDir = 7;  // no rule speaks: it stays
            ReadInput();
            int32_t expected = InputDir;
            if (stage == 6 && DemoTick > 800 && DemoTick < 1500) expected = DemoTick < 1081 ? 8 : 2;
            if (DemoTick == 800) expected = 7;
            if (DemoTick >= 1500) expected = 2;
            ASSERT_EQ(InputDir, expected) << DemoTick;
        }
    }
}

}  // namespace
}  // namespace herotest
