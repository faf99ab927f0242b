// The in-stage loop: section reset, start sequence, the loop pass and the
// end sequence.
#include "play/stage_loop.h"

#include "draw/frame.h"
#include "draw/hero.h"
#include "draw/hud.h"
#include "draw/rain.h"
#include "media.h"
#include "play/effects.h"
#include "play/enemies.h"
#include "play/hero_control.h"
#include "play/hero_state.h"
#include "play/props.h"
#include "play/stage_clock.h"
#include "play/stage_data.h"
#include "play/tables.h"
#include "play/tick.h"
#include "shell/assets.h"
#include "shell/audio.h"
#include "shell/fades.h"
#include "shell/keys.h"
#include "shell/pause.h"
#include "shell/records.h"
#include "shell/game_over.h"

std::string FpsText = "FPS 0";
void (*StageLoopHook)(int32_t point, int32_t pass) = nullptr;

const SectionStart SectionStarts[SectionStartCount] = {
    {1, 5400, 20, -140, 0},  {2, 4800, 40, -36, 0}, {3, 640, 40, 0, 1},   {4, 1920, 40, 0, 1},
    {5, 2560, 40, -36, 0},   {6, 4480, 20, -150, 0}, {7, 1920, 40, -36, 0}, {8, 640, 40, 0, 1},
    {9, 640, 40, -36, 0},    {10, 5400, 40, -36, 0}, {11, 640, 40, 0, 1},   {16, 640, 40, 0, 1},
    {21, 640, 40, 0, 1},
};

const SectionStart* FindSectionStart(int32_t stageNumber) {
    for (const SectionStart& s : SectionStarts) {
        if (s.stageNumber == stageNumber) return &s;
    }
    return nullptr;
}

namespace {

constexpr int32_t TickHertz = 100;
constexpr int32_t FpsWindowMillis = 1001;
constexpr int32_t DemoLength = 2000;  // passes before the demo's hero walks off
constexpr int32_t StageExitState = 7;
constexpr int32_t DyingState = 9;

void Watch(int32_t point, int32_t pass) {
    if (StageLoopHook) StageLoopHook(point, pass);
}

// Everything a section starts from, in this order.
void ResetSection() {
    SeedRandom(ElapsedMillis());

    // Hero and input.
    HeroJumpPhase = 0;
    StageKills = 0;
    HeroWalkStep = 0;
    HeroWalkTick = 7;
    HeroWalkTickMax = 10;
    BacktrackBudget = 0;
    HeroWalkBobDown = 0;
    HeroStateSaved = 0;
    StageResult = 0;
    InputDir = 0;
    FireHeld = 0;
    FireHit = 0;
    JumpHit = 0;

    // Clock and section values.
    TimeLeft = 99;
    TimerTick = 0;
    SlowMotionTick = 0;
    SlowMotion = 0;
    MuzzleFlash = 0;
    HeroScreenX = 0;
    HeroScreenY = 0;
    HitFlashX = -50;
    HitFlashY = -50;
    HitFlashFrame = 0;
    HitFlashKind = 0;
    AirStrikeActive = 0;
    BurstCount = 0;
    Cycle8 = 0;
    Cycle8Tick = 0;
    LiveEnemyCount = 0;
    CycleTick = 0;
    Cycle26 = 0;
    ElevatorShaft = 0;
    ElevatorObjectY = -250;
    ParallaxA = 0;
    ParallaxB = 0;
    ParallaxC = 0;
    ParallaxD = 0;
    ScreenShake = 0;
    ScrollLock = 0;
    GoArrowTimer = 0;
    HelmetX = 0;
    HelmetY = 0;
    HelmetFloorY = 0;
    HelmetFrame = 0;
    HelmetTick = 0;
    HelmetState = 0;
    HeroEnergy = 100;
    BlastEventTick = 0;
    StageTitleState = 2;
    StageTitleAlpha = 0.0f;

    // Clock stamps.
    ElevatorTime = ElapsedMillis();
    HeroAnimTime = ElapsedMillis();
    LastShotTime = ElapsedMillis();
    LastAmbientVoice = ElapsedMillis();

    // Camera and scrolling.
    ScrollColumn = 0;
    ScrollSub = 0;
    CameraX = 0;
    ParallaxF = 0.0f;
    ParallaxA = 0;
    ParallaxB = 0;
    ParallaxC = 0;
    ParallaxD = 0;
    RainDensity = StageNumber == 5 ? 400 : 999;
    ParallaxDir = 0;
    ParallaxDiv = 5;

    // The actor tables.
    EmptyActorTables();
    DebrisTick = 0;
    PropBurnTick = 0;
    EnemyAnimDivider = 0;

    LoadStageSpawnTable();
    LoadStageDestructables();

    if (DemoMode == 1) {
        Lives = 2;
        HeroEnergy = 5;
        AmmoWeapon2 = 1;
        HeroWeapon = 2;
    }
}

// The hero's start x and lane of the section (the lane only where the
// section sets one).
void PlaceHeroForSection(const SectionStart* start) {
    if (!start) return;
    HeroX = start->heroX;
    if (start->keepsLane == 0) HeroLane = start->heroLane;
}

// From black to the first picture; returns the tick timer.
int32_t StartSection() {
    const SectionStart* start = FindSectionStart(StageNumber);

    FlushKeyStates();
    SetClearColour(0, 0, 0);
    ClearScreen();

    // Rest position, then the section's values.
    HeroX = 40;
    HeroFootY = 278;
    HeroState = -1;
    HeroFacing = 1;
    HeroPose = 0;
    HeroPoseSaved = 0;
    HeroTorsoFrame = 0;
    if (start) StageLength = start->stageLength;
    PlaceHeroForSection(start);
    if (StageNumber == 16) TimeLeft = 20;

    // The first picture, brought up out of black.
    SetClearColour(0, 0, 0);
    UpdateStageTick();
    DrawFrame();
    StartMusic();
    FadeInFromBlack();

    if (StageNumber == 8) {
        PlaySfx(48, 1.0f, 0.0f);
        PlaySfx(49, 1.0f, 0.0f);
    }

    // Start position again, and the intro.
    HeroX = 40;
    HeroFootY = 278;
    HeroFacing = 1;
    PlaceHeroForSection(start);
    HeroPose = 5;
    HeroPoseSaved = 0;
    HeroTorsoFrame = 0;
    HeroState = 5;
    HeroAnimStep = -1;
    HeroAnimTime = ElapsedMillis();

    SetDrawColour(255, 255, 255);
    FlushKeyStates();

    ElevatorTime = ElapsedMillis();
    HeavyRainTime = ElapsedMillis();
    HeroAnimTime = ElapsedMillis();
    LastShotTime = ElapsedMillis();
    LastAmbientVoice = ElapsedMillis();
    EnemyTickTime = ElapsedMillis();

    const int32_t timer = CreateTickTimer(TickHertz);
    StageResult = 0;
    return timer;
}

}  // namespace

int32_t RunStage() {
    ResetSection();
    int32_t timer = StartSection();

    // The frames-per-second window.
    int32_t fpsWindowStart = ElapsedMillis();
    int32_t fpsPasses = 0;
    int32_t fpsFigure = 0;

    int32_t pass = 0;
    do {
        ++pass;
        Watch(StagePassStart, pass);

        // Every tick that fell due, however many; then one picture.
        const int32_t ticks = WaitTick(timer);
        for (int32_t i = 0; i < ticks; ++i) UpdateStageTick();
        ClearScreen();
        DrawFrame();
        Watch(StageAfterDraw, pass);

        if (MillisSince(fpsWindowStart) >= FpsWindowMillis) {
            fpsWindowStart = ElapsedMillis();
            fpsFigure = fpsPasses;
            fpsPasses = 0;
        } else {
            ++fpsPasses;
        }
        FpsText = "FPS " + StringFromInt(fpsFigure);

        if (DemoMode == 0) {
            const int32_t key = IsKeyDown(KeyCodes[KeyPause]);
            const int32_t button = IsJoyButtonDown(JoyButtons[JoyPauseStart], JoyPort);
            if (key == 1 || button == 1) {
                GrabScreenToImage(PauseScreenImage, 0, 0, 0);
                PresentFrame(0);
                RunPauseScreen();
                // The time spent paused is never simulated.
                StopTickTimer(timer);
                timer = CreateTickTimer(TickHertz);
            }
        } else {
            ++DemoTick;
            const int32_t pauseButton = IsJoyButtonDown(JoyButtons[JoyPauseStart], JoyPort);
            const int32_t fireButton = IsJoyButtonDown(0, JoyPort);
            const int32_t z = IsKeyDown(VkZ);
            const int32_t space = IsKeyDown(VkSpace);
            if (pauseButton == 1 || fireButton == 1 || z == 1 || space == 1) StageResult = 1;
            if (DemoTick > DemoLength && HeroState != StageExitState) {
                HeroState = StageExitState;
                HeroAnimStep = 16;
                HeroX += 1;
                HeroAnimTime = ElapsedMillis();
            }
        }

        // A press while the hero is dying is taken and forgotten.
        const int32_t escapeHits = KeyHitCount(VkEscape);
        if (escapeHits == 1 && HeroState != DyingState) StageResult = 1;

        if (StageResult > 0) GrabScreenToImage(FadeScreenImage, 0, 0, 0);
        PresentFrame(0);
        Watch(StagePassEnd, pass);
    } while (StageResult < 1);

    StopTickTimer(timer);
    FadeOutAllSounds();
    if (StageResult == 2) {
        ShowGameOver();
    } else {
        FadeOutCaptured();
    }
    Watch(StageEnded, pass);
    return StageResult;
}
