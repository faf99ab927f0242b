// Where the game's start-up has got to, told from its assets and its music,
// for tools that watch the real program from its entry: the loading screen
// and the title are found without knowing how long anything took.
#pragma once

#include <cstdint>

namespace watch {

struct IntroProgress {
    // The first frame presented once every file of the manifest is loaded:
    // the first step of the loading screen's fade-out, which still shows the
    // loading screen whole. 0 until then.
    int64_t loadedFrame = 0;
    // Frames presented since the title music first played (0 before): the
    // title's fade-in takes about the first 51, its own frames follow.
    int64_t titleFrames = 0;
};

// Call once per presented frame, from the present hook. With `skip` it taps
// Escape once on the maker's logo and on each frame of the story, until the
// title is reached, so a run gets to the title in seconds.
void WatchIntro(bool skip);
const IntroProgress& Intro();

}  // namespace watch
