// Hit tests that are not built yet. Each is a no-op with the name its caller
// uses; whoever builds one deletes its stand-in here (declaration and
// definition) and declares the real routine in its own header, included by
// the callers.
#pragma once

#include <cstdint>

// The bullets that strike the live enemy in `slot` this tick (called by the
// enemy pass before the enemy's own routine).
void HitTestBulletsOnEnemy(int32_t slot);
// Breaks the prop in `slot` if it is intact (called by the stage-1 blast).
void HitProp(int32_t slot);
