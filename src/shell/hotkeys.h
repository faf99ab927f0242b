// The function keys of stage play: F1 and F2 brightness (held), F3 music,
// F4 frames-per-second text, F5 energy bar style, F6 play clock (hits).
#pragma once

// Once per tick of stage play, right after input reading.
void HandleHotkeys();
// F1 and F2 alone, once per frame of the end scene.
void HandleBrightnessKeys();
