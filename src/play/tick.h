// One fixed 10 ms step of stage play.
#pragma once

// Runs the tick's 27 steps in their fixed order; draws nothing. Called only
// by the in-stage loop: once before the fade-in, then once for every tick
// the tick timer counted.
void UpdateStageTick();
