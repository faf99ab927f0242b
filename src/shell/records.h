// The game's shared state: plain globals that live for the whole process,
// grouped by role (hero, stage, game session, settings, input), plus the few
// start-up globals of the game flow. Positions are pixels, times are readings
// of the millisecond clock unless a field says ticks. Every integer is 32-bit;
// only the fields marked float are 32-bit floats.
#pragma once

#include <cstdint>
#include <string>

// ------------------------------------------------------------------ hero
extern int32_t HeroX;            // world x of the hero
extern int32_t HeroFootY;        // y of his feet: 278 standing, 294 ducking, less while jumping
extern int32_t HeroLane;         // lane offset added to HeroFootY on screen; his depth key
extern int32_t HeroFacing;       // 0 facing left, 1 facing right (offset into HeroImages pairs)
extern int32_t HeroState;        // -1 Rest, 0 Stand, 1/2 walk left/right, 3 Duck, 4 StandUp,
                                 // 5 Intro, 7 StageExit, 8 Hurt, 9 Dying, 10 SpecialStart, 11 Special
extern int32_t HeroStateSaved;   // state held before the hurt flash or dying
extern int32_t HeroPose;         // torso pose: 0 normal, 2 shooting, 5 intro/hurt/dying, 6 special
extern int32_t HeroTorsoFrame;   // torso frame taken from the pose
extern int32_t HeroWalkStep;     // legs step 0..7; 5 standing; 8 special pose
extern int32_t HeroJumpPhase;    // 0 on the ground, 1 take-off, 2 rising, 3 falling
extern int32_t HeroAnimStep;     // step of the animation of states 5..11; -1 not started
extern int32_t HeroAnimTime;     // clock of the hero's last animation step
extern int32_t HeroEnergy;       // 0..100
extern int32_t HelmetOn;         // 1 while he wears the helmet
extern int32_t HeroWeapon;       // 0 unlimited gun, 1 three-way, 2 piercing, 5 explosive
extern int32_t AmmoWeapon1;      // ammunition of weapons 1, 2 and 5, 0..99
extern int32_t AmmoWeapon2;
extern int32_t AmmoWeapon5;
extern int32_t SpecialReady;     // 1 while the air strike is available
extern int32_t DoubleShot;       // 1: weapon 0 fires two bullets
extern int32_t PowerUpCount;     // power-ups collected, 0..99
extern int32_t FireInterval;     // autofire interval in ms: 150 down to 130
extern int32_t BurstMax;         // shots per held-fire burst, 1..4
extern int32_t BurstCount;       // shots fired in the current burst
extern int32_t LastShotTime;     // clock of the last autofire shot
extern int32_t ArmourLevel;      // an enemy bullet hurts with chance 1 in (ArmourLevel + 2)
extern int32_t MuzzleFlash;      // 0 none; set by a shot, counted up by its drawing
extern float HeroPan;            // stereo pan of the hero's sounds
extern float WallShadowAlpha;    // 0..0.5, alpha of the hero's wall shadow

// ------------------------------------------------------------------ stage
extern int32_t StageNumber;      // stage identifier of the section (1..11, 16, 21)
extern int32_t StageLength;      // world length of the section in pixels
extern int32_t StageResult;      // 0 running, 1 abandoned/demo interrupted, 2 game over, 3 cleared
extern int32_t TimeLeft;         // stage clock, 0..99 units
extern int32_t TimerTick;        // ticks 0..150 toward the next clock unit
extern int32_t CameraX;          // screen x = world x + CameraX; 640 - StageLength .. 0
extern int32_t ScrollColumn;     // 40-pixel background columns scrolled
extern int32_t ScrollSub;        // pixels within the current column
extern int32_t ScrollLock;       // 1 while camera, random spawner and spawn list stand still
extern int32_t ParallaxA;        // offsets of the background layers
extern int32_t ParallaxB;
extern int32_t ParallaxC;
extern int32_t ParallaxD;
extern float ParallaxF;          // offset of the foreground layer
extern int32_t ParallaxDir;      // parallax step asked this tick: 0 none, 1 left, 2 right
extern int32_t ParallaxDiv;      // its divider
extern int32_t ScreenShake;      // 0 still; above 0 shaking
extern int32_t StageKills;       // enemies killed in this section
extern int32_t LiveEnemyCount;   // enemies alive
extern int32_t SlowMotion;       // 4 while slow motion runs, else 0
extern int32_t SlowMotionTick;   // tick divider; slowed actors move when it is 0
extern int32_t SlowMotionLeft;   // 151-tick periods of slow motion left
extern int32_t AirStrikeActive;  // 1 while air-strike bombs fall
extern int32_t AirStrikeTick;    // ticks since the air strike began
extern int32_t BlastEventTick;   // ticks of the stage-1 blast event, up to 500
extern int32_t Cycle8;           // shared animation cycle 0..7
extern int32_t Cycle26;          // shared animation cycle 0..25
extern int32_t Cycle8Tick;       // their tick dividers
extern int32_t CycleTick;
extern int32_t RedLightFrame;    // frame 0..5 of the red warning light
extern int32_t ElevatorShaft;    // lift-shaft scroll
extern int32_t ElevatorObjectY;  // y of the girder passing the lift
extern int32_t EnemyAnimDivider; // tick counter 0..10; enemy animations step at 0
extern int32_t EnemySpeedToggle; // per-tick alternating step sizes of walking actors
extern int32_t EnemyHalfStep;
extern float EnemyPan;           // stereo pans of the actor being handled
extern float PropPan;
extern float ExplosionPan;
extern float BloodDropPan;

// ------------------------------------------------------------------ game session
extern int32_t Lives;            // lives left (the heads-up display keeps 0..100)
extern int32_t EnemiesKilled;    // in this game
extern int32_t BulletsFired;     // hero bullets fired in this game
extern int32_t LivesLost;        // in this game
extern int32_t GameStartTime;    // clock at the start of the game
extern int32_t SlowCharge;       // slow-motion gauge 0..50, kept between sections
extern int32_t DemoMode;         // 1 while the attract demo plays
extern int32_t DemoTick;         // passes of the in-stage loop since the demo began
extern int32_t StartStageIndex;  // chain step 1..13 where a new game starts
extern int32_t DebugMode;        // 1 while debug mode is on
extern int32_t Difficulty;       // always 2
extern int32_t AutoSelectWeapon; // 1: a picked-up weapon becomes current at once

// ------------------------------------------------------------------ settings
// The first six are saved in Data/save.kvg, in this order.
extern int32_t GamesPlayed;      // games counted by the results screen
extern int32_t ControlScheme;    // control layout 0..5 (A..F)
extern int32_t MusicOn;          // 1: stage music plays (F3)
extern int32_t AltEnergyBar;     // 1: energy as a bar, 0: as digits (F5)
extern int32_t ShowPlayClock;    // 1: statistics line and play clock shown (F6)
extern float Brightness;         // 0..0.5, alpha of the brightness overlay (F1/F2)
extern int32_t ShowFps;          // 1: frames-per-second text shown (F4); not saved

// ------------------------------------------------------------------ input
constexpr int32_t KeyCodeCount = 12;
constexpr int32_t JoyButtonCount = 7;
constexpr int32_t NoJoyButton = 99;

// Key bindings (Windows virtual-key codes), by entry.
constexpr int32_t KeyUp = 0, KeyDown = 1, KeyLeft = 2, KeyRight = 3, KeyFire = 4;
constexpr int32_t KeyPause = 7, KeyJump = 9, KeyDuck = 10;
extern int32_t KeyCodes[KeyCodeCount];

// Joystick button bindings, by entry; 99 is none.
constexpr int32_t JoyFire = 0, JoyPauseStart = 3, JoyJump = 4, JoyDuck = 5;
extern int32_t JoyButtons[JoyButtonCount];

extern int32_t ControlDevice;    // 0 keyboard, 1 joystick, 3 the demo script
extern int32_t JoyPort;          // joystick port 0..15 in use
extern int32_t InputDir;         // this tick: 0 none, 1 left, 2 right, 3 up, 4 down,
                                 // 5 up-left, 6 up-right, 7 down-left, 8 down-right
extern int32_t FireHeld;         // fire held this tick
extern int32_t FireHit;          // fire pressed this tick
extern int32_t JumpHit;          // jump pressed this tick

// ------------------------------------------------------------------ game flow
extern std::string VersionLabel; // shown by the title screen with C held
extern int32_t DataReadCursor;   // index of the next value of the stage data to read
extern int32_t StageStripImage;  // background strip of the section being played (0 none)

// The start-up defaults of the bindings, settings and flags, set just before
// the settings file is read.
void SetStartupDefaults();
// The values every new game starts from (reads the clock for GameStartTime):
// the play values below, ArmourLevel 1, and the demo flags, the statistics of
// lives lost and play time, BlastEventTick and WallShadowAlpha anew.
void SetNewGameValues();
// The play values a game starts from, the attract demo's game included:
// lives, kills, shots, energy, time, weapons and upgrades, hero state.
// ArmourLevel is the caller's.
void SetGamePlayValues();
