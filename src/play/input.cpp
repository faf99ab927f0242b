// Reading the control device into this tick's input values.
#include "play/input.h"

#include "media.h"
#include "shell/records.h"

namespace {

bool InRange(int32_t tick, DemoRange range) { return tick >= range.first && tick <= range.last; }

// The special attack starts only from the controllable states on the ground,
// while it is ready; it swallows the tick's fire and jump.
void StartSpecialIfReady(int32_t duckPresses) {
    if (duckPresses != 1 || SpecialReady != 1) return;
    if (HeroState < 0 || HeroState > 4 || HeroJumpPhase != 0) return;
    SpecialReady = 0;
    HeroState = 10;
    HeroAnimStep = -1;
    HeroAnimTime = ElapsedMillis();
    FireHeld = 0;
    FireHit = 0;
    JumpHit = 0;
}

void ReadKeyboard() {
    InputDir = 0;
    if (IsKeyDown(KeyCodes[KeyLeft])) InputDir = 1;
    if (IsKeyDown(KeyCodes[KeyRight])) InputDir = 2;
    if (IsKeyDown(KeyCodes[KeyUp])) InputDir = 3;
    if (IsKeyDown(KeyCodes[KeyDown])) InputDir = 4;
    if (IsKeyDown(KeyCodes[KeyUp]) && IsKeyDown(KeyCodes[KeyLeft])) InputDir = 5;
    if (IsKeyDown(KeyCodes[KeyUp]) && IsKeyDown(KeyCodes[KeyRight])) InputDir = 6;
    if (IsKeyDown(KeyCodes[KeyDown]) && IsKeyDown(KeyCodes[KeyLeft])) InputDir = 7;
    if (IsKeyDown(KeyCodes[KeyDown]) && IsKeyDown(KeyCodes[KeyRight])) InputDir = 8;

    if (IsKeyDown(KeyCodes[KeyFire])) FireHeld = 1;
    if (KeyHitCount(KeyCodes[KeyFire]) > 0) FireHit = 1;
    if (KeyHitCount(KeyCodes[KeyJump]) > 0) JumpHit = 1;

    // The hero does not walk while duck is held.
    if (IsKeyDown(KeyCodes[KeyDuck])) InputDir = 0;

    // The duck press is asked only for the combination; otherwise it stays
    // for the hero's duck toggle.
    if (FireHeld == 1 && JumpHit == 1) StartSpecialIfReady(KeyHitCount(KeyCodes[KeyDuck]));
}

// Each axis is read anew for every test; exactly 0.5 counts as centred.
void ReadJoystick() {
    const int32_t port = JoyPort;
    InputDir = 0;
    if (JoyAxisX(port) < -0.5f) InputDir = 1;
    if (JoyAxisX(port) > 0.5f) InputDir = 2;
    if (JoyAxisY(port) < -0.5f) InputDir = 3;
    if (JoyAxisY(port) > 0.5f) InputDir = 4;
    if (JoyAxisY(port) < -0.5f && JoyAxisX(port) < -0.5f) InputDir = 5;
    if (JoyAxisY(port) < -0.5f && JoyAxisX(port) > 0.5f) InputDir = 6;
    if (JoyAxisY(port) > 0.5f && JoyAxisX(port) < -0.5f) InputDir = 7;
    if (JoyAxisY(port) > 0.5f && JoyAxisX(port) > 0.5f) InputDir = 8;

    if (IsJoyButtonDown(JoyButtons[JoyFire], port)) FireHeld = 1;
    if (JoyButtonHitCount(JoyButtons[JoyFire], port) > 0) FireHit = 1;
    if (JoyButtonHitCount(JoyButtons[JoyJump], port) > 0) JumpHit = 1;

    if (IsJoyButtonDown(JoyButtons[JoyDuck], port)) InputDir = 0;

    if (FireHeld == 1 && JumpHit == 1) StartSpecialIfReady(JoyButtonHitCount(JoyButtons[JoyDuck], port));
}

// The attract demo plays the hero by the pass count. InputDir is not cleared:
// where no rule speaks it keeps the previous tick's value.
void ReadDemoScript() {
    const int32_t t = DemoTick;
    if (InRange(t, DemoStandStill)) InputDir = 0;
    if (InRange(t, DemoFirstWalk)) InputDir = 2;
    if (InRange(t, DemoPiercingShot) && HeroWeapon == 2) FireHit = 1;
    if (InRange(t, DemoSecondWalk)) InputDir = 2;
    if (InRange(t, DemoRandomFire)) FireHeld = RandomInt(0, 40);
    if (InRange(t, DemoWander)) {
        if (StageNumber == 6) {
            InputDir = 8;
            if (t >= DemoStage6TurnRight) InputDir = 2;
        } else if (RandomInt(0, 40) == 0) {
            const int32_t r = RandomInt(0, 2);
            static constexpr int32_t kWanderDirs[3] = {2, 6, 8};
            InputDir = kWanderDirs[r];
        }
    }
    if (InRange(t, DemoLastWalk)) InputDir = 2;
    // The demo hero never dies on his last life.
    if (HeroEnergy < 1 && Lives == 1) HeroEnergy = 1;
}

}  // namespace

void ReadInput() {
    FireHeld = 0;
    FireHit = 0;
    JumpHit = 0;
    switch (ControlDevice) {
    case 0: ReadKeyboard(); break;
    case 1: ReadJoystick(); break;
    case 3: ReadDemoScript(); break;
    default: break;
    }
}
