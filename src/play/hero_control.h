// The hero's control step and his movement: this tick's input becomes the
// walk, lane and duck states and the two firing calls; MoveHero moves him one
// step along the section and across the lanes and drags the camera with him.
#pragma once

#include <cstdint>

// 0..400: pixels walked left while left of screen x 150, less the pixels
// walked right while right of screen x 300. The camera follows the hero back
// only while it is below 400.
extern int32_t BacktrackBudget;
// The walking bob's direction: 0 going down the screen (foot y growing), 1 up.
extern int32_t HeroWalkBobDown;

// Once per tick after the input; does nothing outside the states 0..4.
void UpdateHeroControl();
// One step: mode 1 walk left, 2 walk right, 0 lane move only.
void MoveHero(int32_t mode);
// One step of the walking bob of HeroFootY (277..279 once settled).
void BobHero();
// 1 when the hero stands inside the block box of a prop, else 0.
int32_t HeroBlockedByProp();

// One camera pixel back toward the section start (CameraX up), and one
// forward (CameraX down), keeping ScrollColumn and ScrollSub in step.
void CameraStepLeft();
void CameraStepRight();
