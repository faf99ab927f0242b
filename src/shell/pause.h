// The pause screen of stage play: the frozen frame with "PAUSE" over it.
#pragma once

// Shows PauseScreenImage (grabbed by the in-stage loop) until the pause key
// or the joystick's pause button is pressed again, or Escape is hit. Effects
// and the voice are paused; the stage music runs on silently so it stays in
// step with its cue time. Blocks until the pause ends and every key of it is
// released.
void RunPauseScreen();
