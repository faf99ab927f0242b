// The shared state with its values at program start.
#include "shell/records.h"

#include "media.h"

// ------------------------------------------------------------------ hero
int32_t HeroX = 0;
int32_t HeroFootY = 0;
int32_t HeroLane = 0;
int32_t HeroFacing = 0;
int32_t HeroState = 0;
int32_t HeroStateSaved = 0;
int32_t HeroPose = 0;
int32_t HeroTorsoFrame = 0;
int32_t HeroWalkStep = 0;
int32_t HeroJumpPhase = 0;
int32_t HeroAnimStep = 0;
int32_t HeroAnimTime = 0;
int32_t HeroEnergy = 0;
int32_t HelmetOn = 0;
int32_t HeroWeapon = 0;
int32_t AmmoWeapon1 = 0;
int32_t AmmoWeapon2 = 0;
int32_t AmmoWeapon5 = 0;
int32_t SpecialReady = 0;
int32_t DoubleShot = 0;
int32_t PowerUpCount = 0;
int32_t FireInterval = 0;
int32_t BurstMax = 0;
int32_t BurstCount = 0;
int32_t LastShotTime = 0;
int32_t ArmourLevel = 0;
int32_t MuzzleFlash = 0;
float HeroPan = 0.0f;
float WallShadowAlpha = 0.0f;

// ------------------------------------------------------------------ stage
int32_t StageNumber = 0;
int32_t StageLength = 0;
int32_t StageResult = 0;
int32_t TimeLeft = 0;
int32_t TimerTick = 0;
int32_t CameraX = 0;
int32_t ScrollColumn = 0;
int32_t ScrollSub = 0;
int32_t ScrollLock = 0;
int32_t ParallaxA = 0;
int32_t ParallaxB = 0;
int32_t ParallaxC = 0;
int32_t ParallaxD = 0;
float ParallaxF = 0.0f;
int32_t ParallaxDir = 0;
int32_t ParallaxDiv = 0;
int32_t ScreenShake = 0;
int32_t StageKills = 0;
int32_t LiveEnemyCount = 0;
int32_t SlowMotion = 0;
int32_t SlowMotionTick = 0;
int32_t SlowMotionLeft = 0;
int32_t AirStrikeActive = 0;
int32_t AirStrikeTick = 0;
int32_t BlastEventTick = 0;
int32_t Cycle8 = 0;
int32_t Cycle26 = 0;
int32_t Cycle8Tick = 0;
int32_t CycleTick = 0;
int32_t RedLightFrame = 0;
int32_t ElevatorShaft = 0;
int32_t ElevatorObjectY = 0;
int32_t EnemyAnimDivider = 0;
int32_t EnemySpeedToggle = 0;
int32_t EnemyHalfStep = 0;
float EnemyPan = 0.0f;
float PropPan = 0.0f;
float ExplosionPan = 0.0f;
float BloodDropPan = 0.0f;

// ------------------------------------------------------------------ game session
int32_t Lives = 0;
int32_t EnemiesKilled = 0;
int32_t BulletsFired = 0;
int32_t LivesLost = 0;
int32_t GameStartTime = 0;
int32_t SlowCharge = 0;
int32_t DemoMode = 0;
int32_t DemoTick = 0;
int32_t StartStageIndex = 1;
int32_t DebugMode = 0;
int32_t Difficulty = 2;
int32_t AutoSelectWeapon = 1;

// ------------------------------------------------------------------ settings
int32_t GamesPlayed = 0;
int32_t ControlScheme = 0;
int32_t MusicOn = 1;
int32_t AltEnergyBar = 1;
int32_t ShowPlayClock = 0;
float Brightness = 0.0f;
int32_t ShowFps = 0;

// ------------------------------------------------------------------ input
// The tables hold zeros until start-up writes their defaults.
int32_t KeyCodes[KeyCodeCount] = {};
int32_t JoyButtons[JoyButtonCount] = {};
int32_t ControlDevice = 0;
int32_t JoyPort = 0;
int32_t InputDir = 0;
int32_t FireHeld = 0;
int32_t FireHit = 0;
int32_t JumpHit = 0;

// ------------------------------------------------------------------ game flow
std::string VersionLabel;
int32_t DataReadCursor = 0;
int32_t StageStripImage = 0;

namespace {
// up, down, left, right, fire (Z), -, -, pause (P), -, jump (C), duck (X), -
constexpr int32_t DefaultKeyCodes[KeyCodeCount] = {38, 40, 37, 39, 90, 83, 68, 80, 123, 67, 88, 90};
// fire, -, -, pause/start, jump, duck, -
constexpr int32_t DefaultJoyButtons[JoyButtonCount] = {0, NoJoyButton, NoJoyButton, 8, 2, 1, NoJoyButton};
}  // namespace

void SetStartupDefaults() {
    for (int32_t i = 0; i < KeyCodeCount; ++i) KeyCodes[i] = DefaultKeyCodes[i];
    for (int32_t i = 0; i < JoyButtonCount; ++i) JoyButtons[i] = DefaultJoyButtons[i];
    GamesPlayed = 0;
    ControlScheme = 0;
    MusicOn = 1;
    AltEnergyBar = 1;
    ShowPlayClock = 0;
    Brightness = 0.0f;
    ShowFps = 0;
    Difficulty = 2;
    AutoSelectWeapon = 1;
    DebugMode = 0;
    ControlDevice = 0;
    JoyPort = 0;
    StartStageIndex = 1;
}

void SetNewGameValues() {
    DemoMode = 0;
    DemoTick = 0;
    SetGamePlayValues();
    LivesLost = 0;
    GameStartTime = ElapsedMillis();
    BlastEventTick = 0;
    WallShadowAlpha = 0.5f;
    ArmourLevel = 1;
}

void SetGamePlayValues() {
    Lives = 3;
    EnemiesKilled = 0;
    StageKills = 0;
    BulletsFired = 0;
    LiveEnemyCount = 0;
    HelmetOn = 1;
    HeroEnergy = 100;
    SlowCharge = 0;
    TimeLeft = 99;
    AmmoWeapon1 = 0;
    AmmoWeapon2 = 0;
    AmmoWeapon5 = 0;
    HeroWeapon = 0;
    DoubleShot = 0;
    SpecialReady = 0;
    AirStrikeActive = 0;
    HeroState = -1;
    FireInterval = 150;
    BurstMax = 1;
    PowerUpCount = 0;
}
