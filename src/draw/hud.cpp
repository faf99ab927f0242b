// The heads-up display and the rules of play it applies once per drawn frame.
#include "draw/hud.h"

#include <string>

#include "media.h"
#include "play/enemies.h"
#include "play/stage_loop.h"
#include "play/tables.h"
#include "shell/assets.h"
#include "shell/audio.h"
#include "shell/keys.h"
#include "shell/records.h"
#include "shell/text.h"

int32_t GoArrowTimer = 0;
int32_t StageTitleState = 0;
float StageTitleAlpha = 0.0f;
int32_t HudBlink = 0;

namespace {

constexpr int32_t kLifeIcon = 17;       // HeroImages entry of the life icon with helmet
constexpr int32_t kPercentGlyph = 42;   // SilverfontImage cell of "%"
constexpr int32_t kWarningDigits = 10;  // ScorefontsilverImage: warning digits follow the plain ones
constexpr int32_t kCrowdLimit = 10;     // more enemies than this on screen lock the camera
constexpr int32_t kNoGoArrowStage = 8;  // the lift: its GO arrow never runs

float F(int32_t v) { return static_cast<float>(v); }

// A digit of the score font: plain, or in the warning style.
void DrawDigit(char c, int32_t x, int32_t y, bool warning) {
    const int32_t cell = static_cast<int32_t>(c) - (warning ? 48 - kWarningDigits : 48);
    DrawImageFrame(ScorefontsilverImage, F(x), F(y), cell);
}

// A figure of at least two digits: "0" in front below 10.
std::string TwoDigits(int32_t n) {
    std::string text = StringFromInt(n);
    if (n < 10) text = "0" + text;
    return text;
}

struct StageTitle {
    int32_t stage;
    const char* first;
    const char* second;
};
constexpr StageTitle kStageTitles[] = {
    {6, "STAGE 1", "STEELMILL"}, {4, "STAGE 2", "FACTORY"},  {1, "STAGE 3", "GAS STATION ST."},
    {5, "STAGE 4", "GRAVEYARD"}, {7, "STAGE 5", "VXC"},      {2, "STAGE 6", "WAREHOUSE ST."},
    {10, "STAGE 7", "JUNKYARD"},
};

// Screen-x range (both ends excluded) in which an enemy counts toward the
// scroll lock; false for a kind that never counts.
bool InCrowdWindow(int32_t kind, int32_t screenX) {
    int32_t low = 0;
    int32_t high = 0;
    switch (kind) {
        case KindSniper: low = 0, high = 583; break;
        case KindGunman: low = -33, high = 589; break;
        case KindBiker: low = 0, high = 535; break;
        case KindChainsaw: low = -68, high = 548; break;
        case KindRogueCop: low = -30, high = 575; break;
        case KindKR770: low = -16, high = 506; break;
        default: return false;
    }
    return low < screenX && screenX < high;
}

void ApplyDebugMode() {
    if (DebugMode != 1) return;
    TimeLeft = 99;
    if (Lives < 1) Lives = 4;
    HeroEnergy = 100;
    if (KeyHitCount(VkF12) == 1) StageResult = 3;
}

// The last ten units blink (8 frames lit, 8 dark) in warning digits; "00"
// stays lit in warning digits.
void DrawClock() {
    DrawTextCentered(8, "TIME");
    std::string text = StringFromInt(TimeLeft);
    if (TimeLeft < 10) text = "0" + text;
    if (TimeLeft < 1) text = "00";
    HudBlink += 1;
    if (HudBlink > 15) HudBlink = 0;
    const bool lit = TimeLeft < 1 || TimeLeft > 10 || HudBlink > 7;
    if (!lit) return;
    const bool warning = TimeLeft <= 10;
    DrawDigit(text[0], 308, 16, warning);
    DrawDigit(text[1], 320, 16, warning);
}

// The title fades in over about 100 frames, stays about 200 and fades out
// over about 100 (the drawing alpha is held to 0..1). In the demo the fade
// runs undrawn.
void UpdateAndDrawStageTitle() {
    if (StageTitleState == 1) {
        StageTitleAlpha -= 0.01f;
        if (StageTitleAlpha < 0.0f) {
            StageTitleAlpha = 0.0f;
            StageTitleState = 0;
        }
    }
    if (StageTitleState == 2) {
        StageTitleAlpha += 0.01f;
        if (StageTitleAlpha > 2.0f) StageTitleState = 1;
    }
    if (StageTitleState <= 0 || DemoMode != 0) return;

    SetDrawAlpha(StageTitleAlpha);
    if (StageNumber == 11) {
        DrawTextCentered(220, "FINAL STAGE");
    } else {
        for (const StageTitle& title : kStageTitles) {
            if (title.stage != StageNumber) continue;
            DrawTextCentered(205, title.first);
            DrawTextCentered(220, title.second);
        }
    }
    SetDrawAlpha(1.0f);
}

void DrawLives() {
    if (Lives < 0) Lives = 0;
    if (Lives > 100) Lives = 100;
    const int32_t cell = Cycle8 >= 0 && Cycle8 <= 7 ? Cycle8 : 0;
    const int32_t icon = HelmetOn != 0 ? HeroImages[kLifeIcon] : LifesanimfaceImage;
    for (int32_t i = 1; i <= Lives; ++i) DrawImageFrame(icon, F(20 + 15 * (i - 1)), 18.0f, cell);
}

void DrawEnergy() {
    if (HeroEnergy < 0) HeroEnergy = 0;
    if (HeroEnergy > 100) HeroEnergy = 100;
    if (AltEnergyBar == 1) {
        DrawEnergyBar();
    } else {
        DrawEnergyPercent();
    }
}

// A ramp three pixels high from x 66, one column per unit, brightening to
// the right: red up to 20 units, orange above.
void DrawSlowMotionGauge() {
    for (int32_t i = 1; i <= SlowCharge; ++i) {
        const int32_t c = 25 + 4 * i;
        if (SlowCharge > 20) {
            SetDrawColour(c, c / 2, 0);
        } else {
            SetDrawColour(c, 0, 0);
        }
        PlotPoint(F(65 + i), 24.0f);
        PlotPoint(F(65 + i), 23.0f);
        PlotPoint(F(65 + i), 25.0f);
    }
    SetDrawColour(255, 255, 255);
}

// The current weapon's ammunition; an empty weapon gives way to the gun.
void DrawWeapon() {
    int32_t ammo = 100;
    if (HeroWeapon == 1) ammo = AmmoWeapon1;
    if (HeroWeapon == 2) ammo = AmmoWeapon2;
    if (HeroWeapon == 5) ammo = AmmoWeapon5;
    if (ammo < 1) {
        HeroWeapon = 0;
        ammo = 100;
    }

    if (HeroWeapon != 0) {
        const std::string text = TwoDigits(ammo);
        const bool warning = ammo <= 10;
        SetDrawScale(0.6f, 0.6f);
        DrawDigit(text[0], 622, 24, warning);
        SetDrawScale(1.0f, 1.0f);
        SetDrawScale(0.6f, 0.6f);
        DrawDigit(text[1], 629, 24, warning);
        SetDrawScale(1.0f, 1.0f);
    }

    const int32_t icon = HeroWeapon == 0 && DoubleShot > 0 ? 6 : HeroWeapon;
    DrawImageFrame(GuntypeiconImage, 590.0f, 6.0f, icon);
    if (SpecialReady == 1) DrawImageFrame(SpecialImage, 560.0f, 4.0f, 0);

    int32_t rate = BurstMax < 1 ? 1 : BurstMax;
    if (rate > 5 || DoubleShot > 0) rate = 5;
    DrawImageFrame(GunrateImage, 599.0f, 25.0f, rate - 1);
}

// Recounts the enemies and sets or clears the scroll lock.
void ApplyScrollLock() {
    LiveEnemyCount = 0;
    int32_t onScreen = 0;
    for (int32_t slot = 0; slot < EnemySlots; ++slot) {
        if (EnemyKind[slot] < 0) continue;
        ++LiveEnemyCount;
        if (EnemyState[slot] < 100 && InCrowdWindow(EnemyKind[slot], EnemyX[slot] + CameraX)) ++onScreen;
    }
    if (onScreen > kCrowdLimit && ScrollLock == 0) {
        ScrollLock = 1;
        GoArrowTimer = 0;
        PlayVoiceLine(-1);
    }
    if (onScreen < 1 && ScrollLock == 1) {
        ScrollLock = 0;
        GoArrowTimer = 1;
        PlayVoiceLine(4);
    }
}

void DrawPickupArrows() {
    const bool lit = Cycle8 == 0 || Cycle8 == 2 || Cycle8 == 4 || Cycle8 == 6;
    for (int32_t slot = 0; slot < PickupSlots; ++slot) {
        if (PickupKind[slot] < 0) continue;
        const int32_t x = PickupX[slot] + CameraX;
        if (-30 < x && x < 690 && lit) DrawImageFrame(ItemarrowWImage, F(x), F(PickupY[slot] + 40), 0);
    }
}

// Four blinks of the arrow, each with its call, then it stops.
void DrawGoArrow() {
    if (GoArrowTimer <= 0 || StageNumber == kNoGoArrowStage) return;
    GoArrowTimer += 1;
    const int32_t t = GoArrowTimer;
    if (t < 15 || (t >= 31 && t <= 44) || (t >= 61 && t <= 74) || (t >= 91 && t <= 104)) {
        DrawImageFrame(GoarrowWImage, 600.0f, 200.0f, 0);
    }
    if (t == 2 || t == 30 || t == 60 || t == 90) PlaySfx(32, 1.0f, 0.2f);
    if (GoArrowTimer > 115) GoArrowTimer = 0;
}

// The game's statistics and the time played.
void DrawPlayClock() {
    const int32_t ms = MillisSince(GameStartTime);
    int32_t minutes = 0;
    int32_t seconds = 0;
    if (ms > 0) {
        minutes = ms / 60000;
        seconds = (ms - 60000 * minutes) / 1000;
    }
    std::string line = "ENEMY " + StringFromInt(EnemiesKilled);
    line += "  BULLETS " + StringFromInt(BulletsFired);
    line += "  LIFES " + StringFromInt(LivesLost);
    line += "  TIME " + StringFromInt(minutes) + ":" + TwoDigits(seconds);
    DrawTextCentered(31, line);
}

}  // namespace

void DrawHud() {
    SetBlendMode(BlendLight);
    ApplyDebugMode();
    DrawClock();
    if (ShowFps == 1) DrawTextCentered(465, FpsText);
    UpdateAndDrawStageTitle();
    DrawLives();
    DrawEnergy();
    DrawSlowMotionGauge();
    DrawWeapon();
    ApplyScrollLock();
    DrawPickupArrows();
    DrawGoArrow();
    DrawBossEnergyBars();
    if (ShowPlayClock == 1) DrawPlayClock();
    if (DemoMode > 0 && Cycle8Tick > 5) DrawTextCentered(236, "DEMO");
    SetBlendMode(BlendMask);
}

void DrawEnergyBar() {
    const int32_t strip = HeroEnergy > 20 ? EnergyBarImages[1] : EnergyBarImages[0];
    for (int32_t x = 20; x <= 118; x += 2) DrawImageFrame(strip, F(x), 8.0f, 1);
    for (int32_t i = 1; i <= HeroEnergy; ++i) DrawImageFrame(strip, F(19 + i), 8.0f, 0);
}

void DrawEnergyPercent() {
    if (HeroEnergy < 100) {
        const std::string text = TwoDigits(HeroEnergy);
        const bool warning = HeroEnergy <= 20;
        DrawDigit(text[0], 17, 5, warning);
        DrawDigit(text[1], 29, 5, warning);
        DrawImageFrame(SilverfontImage, 45.0f, 5.0f, kPercentGlyph);
    } else {
        DrawImageFrame(ScorefontsilverImage, 17.0f, 5.0f, 1);
        DrawImageFrame(ScorefontsilverImage, 29.0f, 5.0f, 0);
        DrawImageFrame(ScorefontsilverImage, 41.0f, 5.0f, 0);
        DrawImageFrame(SilverfontImage, 57.0f, 5.0f, kPercentGlyph);
    }
}

void DrawBossEnergyBars() {
    int32_t y = ShowPlayClock == 1 ? 34 : 24;
    for (int32_t slot = 0; slot < EnemySlots; ++slot) {
        if (EnemyKind[slot] != KindKR770 || EnemyState[slot] < 0) continue;
        y += 9;
        DrawBossEnergyBar(slot, 10 * Difficulty + 50, y);
    }
}

void DrawBossEnergyBar(int32_t slot, int32_t width, int32_t y) {
    const int32_t strip = EnergyBarImages[2];
    const int32_t x0 = (640 - width) / 2;
    for (int32_t x = x0; x <= x0 + width - 1; x += 2) DrawImageFrame(strip, F(x), F(y), 1);
    for (int32_t i = 1; i <= width; ++i) {
        if (i <= EnemyHealth[slot]) DrawImageFrame(strip, F(x0 + i - 1), F(y), 0);
    }
}
