// The hero's per-tick state machine (life loss, walk, duck, jump and the timed
// sequences: intro gun draw, stage exit, hurt flash, dying, special move), his
// torso frame, and the helmet that flies off when he is down to his last life.
#pragma once

#include <cstdint>

extern int32_t HeroPoseSaved;    // the pose restored after the hurt flash
extern int32_t HeroWalkTick;     // tick counter of the legs steps, 0..HeroWalkTickMax
extern int32_t HeroWalkTickMax;  // 10
extern int32_t HeroJumpTick;     // the jump's sub-step counter, +4 per tick

// Once per tick each, in the tick order: state, then torso frame; the helmet
// later in the tick.
void UpdateHeroState();
void UpdateHeroFrame();
void UpdateFlyingHelmet();
