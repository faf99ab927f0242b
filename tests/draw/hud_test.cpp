// The heads-up display: what it shows, and the rules of play it applies in
// each drawn frame (clamps, weapon fall-back, debug mode, scroll lock, GO arrow).
#include <algorithm>
#include <string>
#include <vector>

#include "draw/hud.h"
#include "draw_fixture.h"

namespace drawtest {
namespace {

using Cells = std::vector<int32_t>;

class Hud : public DrawScene {
protected:
    void SetUp() override {
        DrawScene::SetUp();
        int32_t n = 0;
        for (int32_t* image : {&ScorefontsilverImage, &SilverfontImage, &LifesanimfaceImage, &GuntypeiconImage,
                               &SpecialImage, &GunrateImage, &ItemarrowWImage, &GoarrowWImage, &EnergyBarImages[0],
                               &EnergyBarImages[1], &EnergyBarImages[2], &HeroImages[17]}) {
            *image = StubImage("hud" + std::to_string(n++), 44);
        }
        TimeLeft = 50, Lives = 3, HeroEnergy = 100, AltEnergyBar = 1, HelmetOn = 1, BurstMax = 1, Difficulty = 2;
        HeroWeapon = AmmoWeapon2 = AmmoWeapon5 = DoubleShot = SlowCharge = Cycle8 = StageResult = 0;
        StageNumber = 6, CameraX = -100;
        DebugMode = DemoMode = ShowFps = ShowPlayClock = ScrollLock = GoArrowTimer = StageTitleState = HudBlink = 0;
    }
    static void Frame() {
        headless::ClearDrawCalls();
        DrawHud();
    }
    // Cells of one image drawn at height y, in drawing order.
    static Cells CellsAt(int32_t image, float y) {
        Cells cells;
        for (const DrawCall& c : Draws(image)) {
            if (c.y == y) cells.push_back(c.frame);
        }
        return cells;
    }
    // The bitmap-font line drawn at height y, its spaces read from the gaps.
    static std::string TextAt(float y) {
        static const std::string glyphs = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789._():";
        std::string text;
        float last = 0;
        for (const DrawCall& c : Draws(SilverfontImage)) {
            if (c.y != y || c.frame >= static_cast<int32_t>(glyphs.size())) continue;
            if (!text.empty()) text.append(static_cast<size_t>((c.x - last) / 9 - 1), ' ');
            text += glyphs[c.frame];
            last = c.x;
        }
        return text;
    }
};

TEST_F(Hud, ClockBlinksItsLastTenUnitsInWarningDigits) {
    const auto framesLit = [](int32_t timeLeft, Cells shown) {
        TimeLeft = timeLeft;
        int32_t lit = 0;
        for (int32_t i = 0; i < 16; ++i) {
            Frame();
            const Cells cells = CellsAt(ScorefontsilverImage, 16.0f);
            if (cells.empty()) continue;
            ++lit;
            EXPECT_EQ(cells, shown) << timeLeft;
        }
        return lit;
    };
    EXPECT_EQ(framesLit(11, {1, 1}), 16);
    EXPECT_EQ(framesLit(10, {11, 10}), 8);
    EXPECT_EQ(framesLit(5, {10, 15}), 8);
    EXPECT_EQ(framesLit(-4, {10, 10}), 16);
    EXPECT_EQ(TextAt(8.0f), "TIME");
}

TEST_F(Hud, EnergyAsFigureOrBar) {
    AltEnergyBar = 0;
    for (auto [energy, cells] : std::vector<std::pair<int32_t, Cells>>{{20, {12, 10}}, {21, {2, 1}}, {100, {1, 0, 0}}}) {
        HeroEnergy = energy;
        Frame();
        EXPECT_EQ(CellsAt(ScorefontsilverImage, 5.0f), cells) << energy;
        EXPECT_EQ(CellsAt(SilverfontImage, 5.0f), Cells{42});
        EXPECT_EQ(Draws(SilverfontImage).back().x, energy == 100 ? 57.0f : 45.0f);
    }
    AltEnergyBar = 1;
    for (auto [energy, strip] : std::vector<std::pair<int32_t, int32_t>>{{20, 0}, {21, 1}, {0, 0}}) {
        HeroEnergy = energy;
        Frame();
        EXPECT_TRUE(Draws(EnergyBarImages[1 - strip]).empty());
        EXPECT_EQ(Draws(EnergyBarImages[strip]).size(), 50u + energy);  // dotted background, a pixel a unit
    }
}

TEST_F(Hud, ClampsWeaponFallBackAndDebugModeAreWrittenBack) {
    Lives = 150, HeroEnergy = 250, HeroWeapon = 2, DoubleShot = 1;
    Frame();
    EXPECT_EQ(Lives, 100);
    EXPECT_EQ(HeroEnergy, 100);
    EXPECT_EQ(Draws(HeroImages[17]).size(), 100u);
    EXPECT_EQ(HeroWeapon, 0);  // no ammunition left: the gun, with its double-shot icon and no figure
    EXPECT_EQ(Draws(GuntypeiconImage)[0].frame, 6);
    EXPECT_TRUE(CellsAt(ScorefontsilverImage, 24.0f).empty());
    Lives = -3, HeroEnergy = -5, HeroWeapon = 5, AmmoWeapon5 = 7;
    Frame();
    EXPECT_EQ(Lives, 0);
    EXPECT_EQ(HeroEnergy, 0);
    EXPECT_EQ(CellsAt(ScorefontsilverImage, 24.0f), (Cells{10, 17}));  // "07" in warning digits, small
    EXPECT_EQ(Draws(ScorefontsilverImage).back().scaleX, 0.6f);

    DebugMode = 1, TimeLeft = 3, HeroEnergy = 40;
    Frame();
    EXPECT_EQ(Lives, 4);
    EXPECT_EQ(TimeLeft, 99);
    EXPECT_EQ(HeroEnergy, 100);
    Lives = 2;
    headless::TapKey(123);
    Frame();
    EXPECT_EQ(Lives, 2);
    EXPECT_EQ(StageResult, 3);
}

TEST_F(Hud, MoreThanTenGunmenOnScreenLockTheCameraUntilNoneIsLeftThenTheGoArrowBlinks) {
    for (int32_t slot = 0; slot < 11; ++slot) PutEnemy(slot, 1, 60 * slot - 32 - CameraX, 0, 0), EnemyState[slot] = 0;
    EnemyX[10] = -33 - CameraX;  // just outside the gunman's window
    Frame();
    EXPECT_EQ(ScrollLock, 0);
    EnemyX[10] = 588 - CameraX;
    GoArrowTimer = 50;
    Frame();
    EXPECT_EQ(ScrollLock, 1);
    EXPECT_EQ(GoArrowTimer, 0);

    for (int32_t slot = 0; slot < 10; ++slot) EnemyState[slot] = 100;  // dying: not counted
    EnemyX[10] = 589 - CameraX;
    Frame();
    EXPECT_EQ(ScrollLock, 0);
    EXPECT_EQ(LiveEnemyCount, 11);
    size_t arrows = Draws(GoarrowWImage).size(), frames = 1;
    while (GoArrowTimer != 0 && frames < 500) {
        Frame();
        ++frames;
        arrows += Draws(GoarrowWImage).size();
    }
    EXPECT_EQ(frames, 115u);  // timer 2 .. 116
    EXPECT_EQ(arrows, 13u + 14 + 14 + 14);

    StageNumber = 8, GoArrowTimer = 1;
    Frame();
    EXPECT_EQ(GoArrowTimer, 1);
    EXPECT_TRUE(Draws(GoarrowWImage).empty());
}

TEST_F(Hud, BossBarsTheStatisticsLineAndTheRestingState) {
    PutEnemy(3, 17, 100, 0, 0), EnemyHealth[3] = 70, EnemyState[3] = 0;
    PutEnemy(7, 17, 300, 0, 0), EnemyHealth[7] = 30, EnemyState[7] = 150;  // its death keeps the bar
    Frame();
    EXPECT_EQ(CellsAt(EnergyBarImages[2], 33.0f).size(), 35u + 70u);
    EXPECT_EQ(CellsAt(EnergyBarImages[2], 42.0f).size(), 35u + 30u);
    EXPECT_EQ(Draws(EnergyBarImages[2])[0].x, 285.0f);

    ShowPlayClock = 1, EnemiesKilled = 12, BulletsFired = 345, LivesLost = 1;
    GameStartTime = headless::Clock() - 61500;
    Frame();
    EXPECT_EQ(TextAt(31.0f), "ENEMY 12  BULLETS 345  LIFES 1  TIME 1:01");
    EXPECT_EQ(CellsAt(EnergyBarImages[2], 43.0f).size(), 35u + 70u);
    const std::vector<DrawCall> all = Draws();
    EXPECT_TRUE(std::all_of(all.begin(), all.end(), [](const DrawCall& c) { return c.blend == BlendLight; }));
    EXPECT_TRUE(StateIsResting());
}

}  // namespace
}  // namespace drawtest
