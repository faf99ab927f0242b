// Watching the real backend from outside. The linker hands every call of
// PresentFrame, and of the backend's event pump, to this file first (the
// library's link options wrap the two symbols), so a tool sees each
// presented frame and each input poll while the media layer and the game
// know nothing of it. The hooks run on the game's thread with the display
// current, so they may grab the screen and feed input.
#pragma once

#include <cstdint>

namespace watch {

using Hook = void (*)();
// Called right after each frame is presented (the surface still holds it).
void SetPresentHook(Hook hook);
// Called at each input poll of the backend: on every input query and after
// every present (the backend takes its waiting events in at the first poll
// of each millisecond).
void SetPollHook(Hook hook);
// Frames presented since the program began.
int64_t PresentedFrames();

// Copies the back buffer into a capture image of the tool's own (one, made
// on first use and reused) and returns it: RGBA, 640 x 480, unmasked.
int32_t GrabScreen();

}  // namespace watch
