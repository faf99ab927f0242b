// The tick update and its order. The order carries meaning: input is read
// before anything acts on it; the slow-motion countdown sees TimerTick as the
// stage clock left it on the previous tick, and the clock's SlowMotionTick
// divider moves on only after every mover of the tick has looked at it; the
// parallax step uses the direction the hero's movement asked for earlier in
// the same tick; the hits on the hero see the bullets after they moved.
#include "play/tick.h"

#include "play/air_strike.h"
#include "play/bullets.h"
#include "play/effects.h"
#include "play/enemies.h"
#include "play/hero_control.h"
#include "play/hero_hits.h"
#include "play/hero_state.h"
#include "play/input.h"
#include "play/pickups.h"
#include "play/props.h"
#include "play/slow_motion.h"
#include "play/spawning.h"
#include "play/stage_clock.h"
#include "shell/audio.h"
#include "shell/hotkeys.h"
#include "shell/records.h"

void UpdateStageTick() {
    ReadInput();                               // 1
    HandleHotkeys();                           // 2
    UpdateHeroPan();                           // 3
    UpdateHeroControl();                       // 4
    UpdateSlowMotion();                        // 5
    UpdateHeroState();                         // 6
    UpdateHeroFrame();                         // 7
    ScrollParallax(ParallaxDir, ParallaxDiv);  // 8
    UpdateEnemies();                           // 9
    SpawnRandomEnemy();                        // 10
    CullCorpses();                             // 11
    UpdatePickups();                           // 12
    UpdateSceneryObjects();                    // 13
    UpdateAirStrike();                         // 14
    MoveBullets();                             // 15
    UpdateShellCasings();                      // 16
    UpdateFlyingHelmet();                      // 17
    UpdateExplosions();                        // 18
    UpdateBlood();                             // 19
    CheckHeroHits();                           // 20
    UpdateStageTimer();                        // 21
    TickAnimCycles();                          // 22
    TickAnimCycle8();                          // 23
    UpdateElevatorBackdrop();                  // 24
    UpdateObjectDebris();                      // 25
    UpdateMusic();                             // 26
    PlayVoiceLine(-2);                         // 27
}
