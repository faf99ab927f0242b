// The KR770 (enemy kind 17), the heavy walking machine that guards several
// sections: it stomps along the street band shaking the screen with its
// steps, crushes every prop in its way, fires its twin guns along its
// facing, answers hits with a volley of guns and missiles, smokes and burns
// as its health runs down, and when destroyed explodes, breaks apart with a
// clang and a shake, and leaves a wreck.
#pragma once

#include <cstdint>

// KR770 states (EnemyState).
constexpr int32_t KR770WalkLeft = 0;   // frames 25..40
constexpr int32_t KR770WalkRight = 1;  // frames 0..15
constexpr int32_t KR770Volley = 2;     // the frame is held; set by the hero's hits

// One enemy tick of the KR770 in `slot`, after the bullet test.
void UpdateKR770(int32_t slot);
